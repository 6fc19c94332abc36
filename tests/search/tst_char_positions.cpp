// Character positions over UTF-16 text: an astral character is one character, two units.
#include <QTest>

#include "search/char_positions.h"

class TestCharPositions : public QObject {
  Q_OBJECT

 private slots:
  void Conversions_data();
  void Conversions();
  void OutOfRangePositions();
};

void TestCharPositions::Conversions_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<qint64>("length");
  QTest::addColumn<qint64>("pos");
  QTest::addColumn<qsizetype>("index");
  // clang-format off
  QTest::newRow("empty")                     << ""          << qint64(0) << qint64(0) << qsizetype(0);
  QTest::newRow("plain ASCII")               << "G01 X1"    << qint64(6) << qint64(4) << qsizetype(4);
  QTest::newRow("double-byte kana")          << "ﾁｬｯｸ爪"    << qint64(5) << qint64(5) << qsizetype(5);
  QTest::newRow("line end counts two")       << "A\r\nB"    << qint64(4) << qint64(3) << qsizetype(3);
  QTest::newRow("before an emoji")           << "a😀B"      << qint64(3) << qint64(1) << qsizetype(1);
  QTest::newRow("after an emoji")            << "a😀B"      << qint64(3) << qint64(2) << qsizetype(3);
  QTest::newRow("at the end after astral")   << "a😀B"      << qint64(3) << qint64(3) << qsizetype(4);
  QTest::newRow("two astral in a row")       << "𩸽😀x"      << qint64(3) << qint64(2) << qsizetype(4);
  QTest::newRow("lone high surrogate is one") << QString(QChar(0xD800)) + "x" << qint64(2) << qint64(1) << qsizetype(1);
  // clang-format on
}

void TestCharPositions::Conversions() {
  QFETCH(QString, text);
  QFETCH(qint64, length);
  QFETCH(qint64, pos);
  QFETCH(qsizetype, index);
  QCOMPARE(zel::CharLength(text), length);
  QCOMPARE(zel::Utf16IndexOfChar(text, pos), index);
  QCOMPARE(zel::CharIndexOfUtf16(text, index), pos);
}

void TestCharPositions::OutOfRangePositions() {
  const QString text = "a😀B";
  QCOMPARE(zel::Utf16IndexOfChar(text, -1), 0);
  QCOMPARE(zel::Utf16IndexOfChar(text, 9), 4);
  QCOMPARE(zel::CharIndexOfUtf16(text, 9), 3);
  // An index inside the pair counts the pair's character as before it.
  QCOMPARE(zel::CharIndexOfUtf16(text, 2), 2);
}

QTEST_GUILESS_MAIN(TestCharPositions)
#include "tst_char_positions.moc"
