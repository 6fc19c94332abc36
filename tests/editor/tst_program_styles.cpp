// The word classes of the program language: the style at chosen places of sample lines.
#include <QtTest>

#include <vector>

#include "editor/program_styles.h"

using namespace zel;

Q_DECLARE_METATYPE(zel::ProgramStyle)

namespace {

// The style of the character that starts at character index `at` of the line.
ProgramStyle StyleAt(const QString& line, int at) {
  const QByteArray utf8 = line.toUtf8();
  std::vector<unsigned char> styles(static_cast<size_t>(utf8.size()) + 1, 0xFF);
  StyleProgramText(utf8, styles.data());
  return static_cast<ProgramStyle>(styles[static_cast<size_t>(line.left(at).toUtf8().size())]);
}

}  // namespace

class ProgramStylesTest : public QObject {
  Q_OBJECT

 private slots:
  void StyleAtPosition_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("at");
    QTest::addColumn<ProgramStyle>("style");
    using S = ProgramStyle;
    const QString raw = QStringLiteral("N1 X") + QChar(0xF781) + QStringLiteral("0 (A") +
                        QChar(0xF7FF) + QStringLiteral(")");
    // clang-format off
    QTest::newRow("sequence label N001")             << "N001 G00 X250"            << 0  << S::kSequence;
    QTest::newRow("sequence label to its end")       << "N001 G00 X250"            << 3  << S::kSequence;
    QTest::newRow("blank after the label")           << "N001 G00 X250"            << 4  << S::kDefault;
    QTest::newRow("sequence name NRTS")              << "NRTS RTS"                 << 1  << S::kSequence;
    QTest::newRow("RTS after it is a keyword")       << "NRTS RTS"                 << 5  << S::kKeyword;
    QTest::newRow("G code")                          << "N001 G00 X250"            << 5  << S::kGCode;
    QTest::newRow("G code number")                   << "N001 G00 X250"            << 7  << S::kGCode;
    QTest::newRow("lower-case g01")                  << "g01 x10"                  << 0  << S::kGCode;
    QTest::newRow("lower-case axis letter")          << "g01 x10"                  << 4  << S::kAddress;
    QTest::newRow("M code")                          << "N101 G96 S180 M03"        << 14 << S::kMCode;
    QTest::newRow("S word")                          << "N101 G96 S180 M03"        << 10 << S::kFeedWord;
    QTest::newRow("T word")                          << "N100 T0101"               << 5  << S::kFeedWord;
    QTest::newRow("F word with decimals")            << "G01 X14 F0.25"            << 12 << S::kFeedWord;
    QTest::newRow("axis letter bold")                << "N001 G00 X250"            << 9  << S::kAddress;
    QTest::newRow("axis number default")             << "N001 G00 X250"            << 10 << S::kDefault;
    QTest::newRow("negative axis number")            << "Z-27.8"                   << 1  << S::kDefault;
    QTest::newRow("radius letter")                   << "G02 X84 Z-28 R2"          << 13 << S::kAddress;
    QTest::newRow("letter without number")           << "N000 PF 0,[0,0],100,D"    << 20 << S::kDefault;
    QTest::newRow("comment start")                   << "N100 (外径荒加工)"        << 5  << S::kComment;
    QTest::newRow("japanese inside a comment")       << "N100 (外径荒加工)"        << 7  << S::kComment;
    QTest::newRow("closing parenthesis")             << "N100 (外径荒加工) G00"    << 11 << S::kComment;
    QTest::newRow("after the comment")               << "N100 (外径荒加工) G00"    << 13 << S::kGCode;
    QTest::newRow("unclosed comment to line end")    << "N1 (open G01\r\nG01"      << 8  << S::kComment;
    QTest::newRow("next line after unclosed")        << "N1 (open G01\r\nG01"      << 14 << S::kGCode;
    QTest::newRow("PT keyword")                      << "N000 PT SD,RC,[2,0]"      << 5  << S::kKeyword;
    QTest::newRow("PT shape word")                   << "N000 PT SD,RC,[2,0]"      << 8  << S::kDefault;
    QTest::newRow("PT bracket")                      << "N000 PT SD,RC,[2,0]"      << 14 << S::kDefault;
    QTest::newRow("NOEX keyword, not a label")       << "NOEX VTLIN[5]=14 VTLFN[5]=1" << 0 << S::kKeyword;
    QTest::newRow("V variable")                      << "NOEX VTLIN[5]=14 VTLFN[5]=1" << 5 << S::kKeyword;
    QTest::newRow("V variable index")                << "NOEX VTLIN[5]=14 VTLFN[5]=1" << 11 << S::kKeyword;
    QTest::newRow("value after =")                   << "NOEX VTLIN[5]=14 VTLFN[5]=1" << 14 << S::kDefault;
    QTest::newRow("second variable")                 << "NOEX VTLIN[5]=14 VTLFN[5]=1" << 17 << S::kKeyword;
    QTest::newRow("VSCTA")                           << "NOEX VSCTA=2 (X-Y SECTION)" << 5 << S::kKeyword;
    QTest::newRow("subprogram name at line start")   << "OZEL"                     << 0  << S::kKeyword;
    QTest::newRow("subprogram name after CALL")      << "N002 CALL OZEL"           << 10 << S::kKeyword;
    QTest::newRow("DEF keyword")                     << "N000 DEF WORK"            << 5  << S::kKeyword;
    QTest::newRow("CLEAR keyword")                   << "N000 CLEAR"               << 5  << S::kKeyword;
    QTest::newRow("line of only %")                  << "%"                        << 0  << S::kDefault;
    QTest::newRow("raw byte marked")                 << raw                        << 4  << S::kRawByte;
    QTest::newRow("raw byte inside a comment")       << raw                        << 9  << S::kRawByte;
    QTest::newRow("comment around a raw byte")       << raw                        << 8  << S::kComment;
    QTest::newRow("line end is default")             << "G01\r\nX1"                << 3  << S::kDefault;
    // clang-format on
  }
  void StyleAtPosition() {
    QFETCH(QString, line);
    QFETCH(int, at);
    QFETCH(ProgramStyle, style);
    QCOMPARE(int(StyleAt(line, at)), int(style));
  }

  void EveryByteOfACharacterHasItsStyle() {
    const QByteArray utf8 = QStringLiteral("N1 (外径) 外 X1").toUtf8();
    std::vector<unsigned char> styles(static_cast<size_t>(utf8.size()), 0xFF);
    StyleProgramText(utf8, styles.data());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
      QVERIFY(styles[size_t(i)] < kProgramStyleCount);
      // A continuation byte shares the style of its lead byte.
      if ((quint8(utf8[i]) & 0xC0) == 0x80) QCOMPARE(styles[size_t(i)], styles[size_t(i - 1)]);
    }
  }

  void ResumingGivesTheSameStyles_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("resumes_at_end");
    const QString raw = QStringLiteral("N1 X") + QChar(0xF781) + QStringLiteral("0 (A") +
                        QChar(0xF7FF) + QStringLiteral(") G01 X2");
    // clang-format off
    QTest::newRow("words and a comment")       << "N001 G01 X10.5 Z-2 F0.2 (外径 荒加工) M03 S180 T0101" << true;
    QTest::newRow("names after CALL")          << "N002 CALL OZEL X1 CALL  OABC G01"         << true;
    QTest::newRow("lower-case call")           << "O123 G01 X1 call oabc x1"                 << true;
    QTest::newRow("only a CALL and its name")  << "CALL OZEL"                                << false;
    QTest::newRow("variable indexes")          << "NOEX VTLIN[5 ]=14 VTLFN[ 5]=1 D E"        << true;
    QTest::newRow("blanks before the label")   << "   N100"                                  << false;
    QTest::newRow("label after blanks")        << "   N100 G01 X1"                           << true;
    QTest::newRow("comment first")             << "(comment only) N5 G01"                    << true;
    QTest::newRow("unclosed comment")          << "N1 (unclosed G01 X1"                      << true;
    QTest::newRow("raw bytes")                 << raw                                        << true;
    QTest::newRow("letter without number")     << "PF 0,[0,0],100,D G01 X1"                  << true;
    QTest::newRow("tabs between words")        << "G01\tX1\tZ2\tNRTS"                       << true;
    // clang-format on
  }
  void ResumingGivesTheSameStyles() {
    // From every resume point found before every place of the line, styling the rest
    // alone gives what styling the whole line gives.
    QFETCH(QString, line);
    QFETCH(bool, resumes_at_end);
    const QByteArray utf8 = line.toUtf8();
    std::vector<unsigned char> whole(static_cast<size_t>(utf8.size()));
    StyleProgramLine(utf8, whole.data());
    for (qsizetype at = 0; at <= utf8.size(); ++at) {
      const qsizetype p = FindResumePoint(utf8.first(at), whole.data());
      QVERIFY(p >= 0 && p <= at);
      if (at == utf8.size()) QCOMPARE(p > 0, resumes_at_end);
      if (p == 0) continue;
      std::vector<unsigned char> rest(static_cast<size_t>(utf8.size() - p));
      StyleProgramLineFrom(utf8.sliced(p), rest.data());
      for (size_t i = 0; i < rest.size(); ++i)
        QVERIFY2(rest[i] == whole[size_t(p) + i],
                 qPrintable(QStringLiteral("from %1 at %2").arg(p).arg(p + qsizetype(i))));
    }
  }

  // Styles written one character per byte: a digit is a style, the letter as far after
  // 'a' its twin.
  void AlternateLongRuns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<int>("max_run");
    QTest::addColumn<QByteArray>("cut");
    // clang-format off
    QTest::newRow("short runs stay")                 << "G01 X10"        << QByteArray("3330600")        << 4 << QByteArray("3330600");
    QTest::newRow("a run of the longest length")     << "(ABCD)"         << QByteArray("111111")         << 6 << QByteArray("111111");
    QTest::newRow("cut after each blank")            << "AB CD EF"       << QByteArray("00000000")       << 4 << QByteArray("000aaa00");
    QTest::newRow("blank just before the limit")     << "ABC DEF"        << QByteArray("0000000")        << 4 << QByteArray("0000aaa");
    QTest::newRow("cut at the limit without blanks") << "ABCDEFGHIJ"     << QByteArray("0000000000")     << 4 << QByteArray("0000aaaa00");
    QTest::newRow("kanji stay whole")                << "(外径荒)"       << QByteArray("11111111111")    << 5 << QByteArray("1111bbb1111");
    QTest::newRow("each long run cut on its own")    << "ABCDEF(GHIJKL)" << QByteArray("00000011111111") << 4 << QByteArray("0000aa1111bbbb");
    // clang-format on
  }
  void AlternateLongRuns() {
    QFETCH(QString, text);
    QFETCH(QByteArray, styles);
    QFETCH(int, max_run);
    QFETCH(QByteArray, cut);
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(styles.size(), utf8.size());
    std::vector<unsigned char> numbers;
    for (const char c : styles) numbers.push_back(static_cast<unsigned char>(c - '0'));
    zel::AlternateLongRuns(utf8, numbers.data(), max_run);
    QByteArray written;
    for (const unsigned char n : numbers)
      written += n >= kTwinStyleOffset ? char('a' + n - kTwinStyleOffset) : char('0' + n);
    QCOMPARE(written, cut);
    // A twin keeps its class.
    for (size_t i = 0; i < numbers.size(); ++i)
      QCOMPARE(int(ClassOfStyle(numbers[i])), styles[qsizetype(i)] - '0');
  }
};

QTEST_MAIN(ProgramStylesTest)
#include "tst_program_styles.moc"
