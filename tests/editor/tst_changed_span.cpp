// The span in which a new program text differs from the old one, in whole characters and
// with the byte forms taken into account.
#include <QtTest>

#include "editor/changed_span.h"

using namespace zel;

namespace {

// Byte forms written as "offset=HEX,offset=HEX".
std::vector<ByteForm> Forms(const QString& list) {
  std::vector<ByteForm> forms;
  for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QStringList parts = item.split(QLatin1Char('='));
    forms.push_back(
        ByteForm{parts[0].toLongLong(), static_cast<quint16>(parts[1].toUInt(nullptr, 16))});
  }
  return forms;
}

}  // namespace

class ChangedSpanTest : public QObject {
  Q_OBJECT

 private slots:
  void FindChangedSpan_data() {
    QTest::addColumn<QString>("old_text");
    QTest::addColumn<QString>("old_forms");
    QTest::addColumn<QString>("new_text");
    QTest::addColumn<QString>("new_forms");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("old_to");
    QTest::addColumn<qint64>("new_to");
    // Offsets are bytes of UTF-8: a kanji takes three.
    // clang-format off
    QTest::newRow("the same text")                      << "G01 X1"     << ""      << "G01 X1"     << ""      << 6LL << 6LL  << 6LL;
    QTest::newRow("both empty")                         << ""           << ""      << ""           << ""      << 0LL << 0LL  << 0LL;
    QTest::newRow("from nothing")                       << ""           << ""      << "G01"        << ""      << 0LL << 0LL  << 3LL;
    QTest::newRow("to nothing")                         << "G01"        << ""      << ""           << ""      << 0LL << 3LL  << 0LL;
    QTest::newRow("a key typed in the middle")          << "G01 X1"     << ""      << "G01 aX1"    << ""      << 4LL << 4LL  << 5LL;
    QTest::newRow("a key undone")                       << "G01 aX1"    << ""      << "G01 X1"     << ""      << 4LL << 5LL  << 4LL;
    QTest::newRow("a change at the start")              << "G01 X1"     << ""      << "G00 X1"     << ""      << 2LL << 3LL  << 3LL;
    QTest::newRow("a change at the end")                << "G01 X1"     << ""      << "G01 X2"     << ""      << 5LL << 6LL  << 6LL;
    QTest::newRow("a repeated letter added")            << "XX"         << ""      << "XXX"        << ""      << 2LL << 2LL  << 3LL;
    QTest::newRow("kanji sharing their first bytes")    << "(あ)"       << ""      << "(い)"       << ""      << 1LL << 4LL  << 4LL;
    QTest::newRow("kanji sharing their last bytes")     << "(一)"       << ""      << "(帀)"       << ""      << 1LL << 4LL  << 4LL;
    QTest::newRow("kanji before a change stays")        << "外X"        << ""      << "外Y"        << ""      << 3LL << 4LL  << 4LL;
    QTest::newRow("line end split")                     << "A\r\nB"     << ""      << "A\rB"       << ""      << 2LL << 3LL  << 2LL;
    QTest::newRow("same forms kept outside")            << "纊X纊"      << "0=ED40,4=ED40" << "纊Y纊" << "0=ED40,4=ED40" << 3LL << 4LL << 4LL;
    QTest::newRow("forms shift with the change")        << "X纊"        << "1=ED40" << "XY纊"      << "2=ED40" << 1LL << 1LL << 2LL;
    QTest::newRow("a form gone from the start")         << "纊X"        << "0=ED40" << "纊Y"       << ""      << 0LL << 4LL  << 4LL;
    QTest::newRow("a form new at the end")              << "X纊"        << ""      << "Y纊"        << "1=ED40" << 0LL << 4LL << 4LL;
    QTest::newRow("a form changed, text the same")      << "AB纊CD"     << "2=ED40" << "AB纊CD"    << "2=FA5C" << 2LL << 5LL << 5LL;
    // clang-format on
  }
  void FindChangedSpan() {
    QFETCH(QString, old_text);
    QFETCH(QString, old_forms);
    QFETCH(QString, new_text);
    QFETCH(QString, new_forms);
    QFETCH(qint64, from);
    QFETCH(qint64, old_to);
    QFETCH(qint64, new_to);
    const QByteArray old_utf8 = old_text.toUtf8();
    const QByteArray new_utf8 = new_text.toUtf8();
    const ChangedSpan span =
        zel::FindChangedSpan(old_utf8, Forms(old_forms), new_utf8, Forms(new_forms));
    QCOMPARE(span.from, from);
    QCOMPARE(span.old_to, old_to);
    QCOMPARE(span.new_to, new_to);
    // Splicing the span into the old text gives the new one.
    QCOMPARE(old_utf8.first(span.from) + new_utf8.sliced(span.from, span.new_to - span.from) +
                 old_utf8.sliced(span.old_to),
             new_utf8);
  }

  void LongTextsDifferInOnePlace() {
    // Texts of megabytes are compared in blocks; the span is the same as byte by byte.
    QByteArray old_text(3 * 1000 * 1000, 'X');
    for (qsizetype i = 0; i < old_text.size(); i += 7) old_text[i] = ' ';
    QByteArray new_text = old_text;
    new_text.insert(1234567, "G01");
    const ChangedSpan span = zel::FindChangedSpan(old_text, {}, new_text, {});
    QCOMPARE(old_text.first(span.from) + new_text.sliced(span.from, span.new_to - span.from) +
                 old_text.sliced(span.old_to),
             new_text);
    QVERIFY(span.from <= 1234567);
    QVERIFY(span.new_to - span.from <= 3 + 7);
    QCOMPARE(span.new_to - span.old_to, qint64(3));
  }
};

QTEST_MAIN(ChangedSpanTest)
#include "tst_changed_span.moc"
