#include <QTest>

#include "editor/line_ends.h"

namespace zel {

class TestLineEnds : public QObject {
  Q_OBJECT

 private slots:
  void LinesAsTheBoxCountsThem_data();
  void LinesAsTheBoxCountsThem();
};

void TestLineEnds::LinesAsTheBoxCountsThem_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QList<qsizetype>>("starts");  // every line start after the first
  // clang-format off
  QTest::newRow("CR LF")                 << "A\r\nB\r\n"  << QList<qsizetype>{3, 6};
  QTest::newRow("lone CR")               << "A\rB\r"      << QList<qsizetype>{2, 4};
  QTest::newRow("lone LF")               << "A\nB"        << QList<qsizetype>{2};
  QTest::newRow("LF CR is two ends")     << "A\n\rB"      << QList<qsizetype>{2, 3};
  QTest::newRow("CR before CR LF")       << "\r\r\nX"     << QList<qsizetype>{1, 3};
  QTest::newRow("CR at the very end")    << "X\r"         << QList<qsizetype>{2};
  QTest::newRow("no line end")           << "漢字"        << QList<qsizetype>{};
  QTest::newRow("empty")                 << ""            << QList<qsizetype>{};
  // clang-format on
}

// Every position is a line start exactly when the box would start a line there, the count
// of line ends before each start is its line number, and stepping from line to line visits
// the same starts; in the characters and in the UTF-8 bytes alike.
void TestLineEnds::LinesAsTheBoxCountsThem() {
  QFETCH(QString, text);
  QFETCH(QList<qsizetype>, starts);
  const QByteArray bytes = text.toUtf8();
  // Byte and character positions agree where every character is one byte.
  const bool ascii = bytes.size() == text.size();
  QCOMPARE(LineEndCount(QStringView(text)), starts.size());
  QCOMPARE(LineEndCount(QByteArrayView(bytes)), starts.size());
  for (qsizetype at = 0; at <= text.size(); ++at) {
    QCOMPARE(IsLineStart(QStringView(text), at), at == 0 || starts.contains(at));
    if (IsLineStart(QStringView(text), at))
      QCOMPARE(LineEndCount(QStringView(text).first(at)), starts.indexOf(at) + 1);
  }
  QList<qsizetype> visited;
  QList<qsizetype> visited_bytes;
  for (qsizetype at = 0; (at = LineFrom(QStringView(text), at).next) >= 0;) visited << at;
  for (qsizetype at = 0; (at = LineFrom(QByteArrayView(bytes), at).next) >= 0;) visited_bytes << at;
  QCOMPARE(visited, starts);
  if (ascii) QCOMPARE(visited_bytes, starts);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestLineEnds)
#include "tst_line_ends.moc"
