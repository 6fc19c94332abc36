// The column bound of program lines and the census of lines wider than the box.
#include <QtTest>

#include "editor/line_columns.h"

using namespace zel;

class LineColumnsTest : public QObject {
  Q_OBJECT

 private slots:
  void ColumnBound_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("bound");
    // clang-format off
    QTest::newRow("empty")                          << ""                 << 100 << 0;
    QTest::newRow("ascii one column each")          << "G01 X10.5"        << 100 << 9;
    QTest::newRow("full-width kanji three each")    << "外径"             << 100 << 6;
    QTest::newRow("half-width katakana three each") << "ｱｲ"               << 100 << 6;
    QTest::newRow("two-byte character three")       << "±"                << 100 << 3;
    QTest::newRow("raw byte stand-in three")        << QString(QChar(0xF781)) << 100 << 3;
    QTest::newRow("tab eight")                      << "\tX"              << 100 << 9;
    QTest::newRow("control character five")         << QString(QChar(1))  << 100 << 5;
    QTest::newRow("exactly the limit")              << "N001"             << 4   << 4;
    QTest::newRow("past the limit stops there")     << "N0001 G01 X10"    << 4   << 5;
    // clang-format on
  }
  void ColumnBound() {
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(int, bound);
    QCOMPARE(zel::ColumnBound(text.toUtf8(), limit), bound);
  }

  void CensusOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::addColumn<qint64>("wide");
    // clang-format off
    QTest::newRow("empty text")                   << ""                          << 4 << qint64(0);
    QTest::newRow("all narrow")                   << "N1\r\nN2\r\n"              << 4 << qint64(0);
    QTest::newRow("one wide line of three")       << "N1\r\nN0001 G01\r\nN3"     << 4 << qint64(1);
    QTest::newRow("wide last line without end")   << "N1\r\nG01 X100"            << 4 << qint64(1);
    QTest::newRow("lone cr and lf end lines")     << "ABCD\rABCD\nABCD"          << 4 << qint64(0);
    QTest::newRow("crlf is one line end")         << "ABCD\r\n\r\nABCDE"         << 4 << qint64(1);
    QTest::newRow("japanese counts wide")         << "(外径)\r\nN1"              << 6 << qint64(1);
    QTest::newRow("every line wide")              << "ABCDE\nABCDE\rABCDE\r\n"   << 4 << qint64(3);
    // clang-format on
  }
  void CensusOfText() {
    QFETCH(QString, text);
    QFETCH(int, columns);
    QFETCH(qint64, wide);
    QCOMPARE(zel::CensusOfText(text.toUtf8(), columns).wide, wide);
    // Line by line gives the same count.
    qint64 by_line = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
      by_line += CensusOfLine(line.toUtf8(), columns).wide;
    QCOMPARE(by_line, wide);
  }
};

QTEST_MAIN(LineColumnsTest)
#include "tst_line_columns.moc"
