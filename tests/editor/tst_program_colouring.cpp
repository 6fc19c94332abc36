// The colouring of the program words in the editor box: what Scintilla is given to show,
// re-styling after edits, styling only the screen after a far jump, and switching it off.
#include <QtTest>

#include "editor/editor_box.h"
#include "editor/program_styles.h"
#include "platform/fonts.h"

Q_DECLARE_METATYPE(unsigned int)

using namespace zel;

namespace {

void Prepare(EditorBox& box, const QByteArray& text) {
  box.setFont(ProgramFont(12));
  box.resize(600, 300);
  box.SetSyntaxColour(true);
  box.SetDocument(DecodedText{text, {}});
}

// Has Scintilla style the text up to `end` as it does before showing it: from where the
// styled part ends.
void StyleTo(EditorBox& box, long end) {
  box.SendScintilla(QsciScintillaBase::SCI_COLOURISE,
                    box.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), end);
}

// The class of the style at a character; a twin counts as its style.
ProgramStyle StyleAt(const EditorBox& box, qint64 pos) {
  return ClassOfStyle(static_cast<unsigned char>(box.SendScintilla(
      QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(box.ByteFromChar(pos)))));
}

long Attribute(const EditorBox& box, unsigned int message, unsigned long style) {
  return box.SendScintilla(message, style);
}

}  // namespace

class ProgramColouringTest : public QObject {
  Q_OBJECT

 private slots:
  void TheBoxShowsTheStyles() {
    EditorBox box;
    Prepare(box, QStringLiteral("N001 G01 X10 (外径)\r\nNOEX VTLIN[5]=14\r\n").toUtf8());
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, 0), ProgramStyle::kSequence);
    QCOMPARE(StyleAt(box, 5), ProgramStyle::kGCode);
    QCOMPARE(StyleAt(box, 9), ProgramStyle::kAddress);
    QCOMPARE(StyleAt(box, 14), ProgramStyle::kComment);
    QCOMPARE(StyleAt(box, 19), ProgramStyle::kKeyword);
    QCOMPARE(StyleAt(box, 24), ProgramStyle::kKeyword);
    // The address letter is bold, in the box's font.
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD,
                              static_cast<unsigned long>(ProgramStyle::kAddress)) != 0);
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD,
                              static_cast<unsigned long>(ProgramStyle::kGCode)) == 0);
    QCOMPARE(box.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL,
                               static_cast<unsigned long>(ProgramStyle::kComment)),
             box.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, 0UL));
  }

  void EditsRestyleTheirLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("remove");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<int>("probe");
    QTest::addColumn<ProgramStyle>("before");
    QTest::addColumn<ProgramStyle>("after");
    // clang-format off
    QTest::newRow("opening a parenthesis makes a comment")   << "N1 G01 X1\r\nG02" << 3 << 0 << "(" << 4  << ProgramStyle::kGCode   << ProgramStyle::kComment;
    QTest::newRow("the comment ends with its line")          << "N1 G01 X1\r\nG02" << 3 << 0 << "(" << 12 << ProgramStyle::kGCode   << ProgramStyle::kGCode;
    QTest::newRow("closing it ends the comment")             << "N1 (A G01 X1"     << 5 << 0 << ")" << 7  << ProgramStyle::kComment << ProgramStyle::kGCode;
    QTest::newRow("deleting the opening ends the comment")   << "N1 (A) G01"       << 3 << 1 << ""  << 4  << ProgramStyle::kComment << ProgramStyle::kDefault;
    // In a long line (a file without line ends) styling resumes shortly before the edit.
    const QString words = QStringLiteral("G01 X1 ").repeated(300);
    const int n = int(words.size());
    QTest::newRow("long line: opening a parenthesis")        << words + "G02 X5"        << n     << 0 << "(" << n + 1 << ProgramStyle::kGCode   << ProgramStyle::kComment;
    QTest::newRow("long line: closing a comment")            << words + "(A G02 X5"     << n + 2 << 0 << ")" << n + 4 << ProgramStyle::kComment << ProgramStyle::kGCode;
    QTest::newRow("long line: CALL before a name")           << words + "CALX OZEL X5"  << n + 3 << 1 << "L" << n + 5 << ProgramStyle::kDefault << ProgramStyle::kKeyword;
    QTest::newRow("long line: a name no longer called")      << words + "CALL OZEL X5"  << n     << 5 << ""  << n     << ProgramStyle::kKeyword << ProgramStyle::kDefault;
    // clang-format on
  }
  void EditsRestyleTheirLine() {
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(int, remove);
    QFETCH(QString, insert);
    QFETCH(int, probe);
    QFETCH(ProgramStyle, before);
    QFETCH(ProgramStyle, after);
    EditorBox box;
    Prepare(box, text.toUtf8());
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, probe), before);
    box.ReplaceRange(at, remove, insert);
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, probe), after);
  }

  void AnEditInALongLineRestylesFromNearIt_data() {
    QTest::addColumn<QByteArray>("head");       // the line before the edit
    QTest::addColumn<ProgramStyle>("start");  // the line's first word afterwards
    // clang-format off
    QTest::newRow("a long line, from shortly before the edit") << QByteArray("G01 X1 ").repeated(3000) << ProgramStyle::kMCode;
    QTest::newRow("a line of ordinary length, whole")          << QByteArray("G01 X1 ")                << ProgramStyle::kGCode;
    // clang-format on
  }
  void AnEditInALongLineRestylesFromNearIt() {
    QFETCH(QByteArray, head);
    QFETCH(ProgramStyle, start);
    EditorBox box;
    Prepare(box, head + "G02");
    StyleTo(box, -1);
    // A stand-in style at the start shows whether the start is styled again.
    box.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL);
    box.SendScintilla(QsciScintillaBase::SCI_SETSTYLING, 3UL,
                      static_cast<long>(ProgramStyle::kMCode));
    box.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING,
                      static_cast<unsigned long>(head.size() + 3));
    box.ReplaceRange(head.size(), 0, QStringLiteral("("));
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, head.size() + 1), ProgramStyle::kComment);
    QCOMPARE(StyleAt(box, 0), start);
  }

  void AnEditIsStyledAtOnce_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<int>("probe");
    QTest::addColumn<ProgramStyle>("style");
    const QString words = QStringLiteral("G01 X1 ").repeated(300);
    const int n = int(words.size());
    // clang-format off
    QTest::newRow("a short line")                  << "N1 X1 G02\r\nG03"   << 6 << "(" << 7     << ProgramStyle::kComment;
    QTest::newRow("the end of a long line")        << words + "G02"        << n << "(" << n + 1 << ProgramStyle::kComment;
    QTest::newRow("a letter before a number")      << words + "12"         << n << "M" << n     << ProgramStyle::kMCode;
    // clang-format on
  }
  void AnEditIsStyledAtOnce() {
    // Before Scintilla lays the line out to show the caret, not only when it paints.
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QString, insert);
    QFETCH(int, probe);
    QFETCH(ProgramStyle, style);
    EditorBox box;
    Prepare(box, text.toUtf8());
    StyleTo(box, -1);
    box.SetCaret(at);
    box.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, uintptr_t{0},
                      insert.toUtf8().constData());
    QCOMPARE(StyleAt(box, probe), style);
    const long line = box.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                        static_cast<unsigned long>(box.ByteFromChar(at)));
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) >=
            box.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION,
                              static_cast<unsigned long>(line)));
  }

  void AFarJumpStylesOnlyTheScreen() {
    EditorBox box;
    QByteArray text;
    while (text.size() < 3 * 1024 * 1024) text += "N100 G01 X10.5 Z-2 F0.2\r\n";
    Prepare(box, text);
    StyleTo(box, 1000);
    const long lines = box.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    box.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                      static_cast<unsigned long>(lines - 10));
    StyleTo(box, -1);
    // The last lines are coloured, the middle is not yet, and Scintilla will ask again.
    QCOMPARE(StyleAt(box, text.size() - 20), ProgramStyle::kGCode);
    QCOMPARE(StyleAt(box, text.size() / 2 + 5), ProgramStyle::kDefault);
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < 2000);
    // Scrolling to the middle colours it.
    box.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                      static_cast<unsigned long>(lines / 2 - 1));
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, text.size() / 2 + 5), ProgramStyle::kGCode);
  }

  void TwinsLookTheSame_data() {
    QTest::addColumn<unsigned int>("message");
    // clang-format off
    QTest::newRow("colour")      << uint(QsciScintillaBase::SCI_STYLEGETFORE);
    QTest::newRow("background")  << uint(QsciScintillaBase::SCI_STYLEGETBACK);
    QTest::newRow("weight")      << uint(QsciScintillaBase::SCI_STYLEGETWEIGHT);
    QTest::newRow("size")        << uint(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL);
    QTest::newRow("italic")      << uint(QsciScintillaBase::SCI_STYLEGETITALIC);
    QTest::newRow("character set") << uint(QsciScintillaBase::SCI_STYLEGETCHARACTERSET);
    // clang-format on
  }
  void TwinsLookTheSame() {
    QFETCH(unsigned int, message);
    EditorBox box;
    Prepare(box, "N1");
    for (unsigned long style = 0; style < kProgramStyleCount; ++style)
      QCOMPARE(Attribute(box, message, style + kTwinStyleOffset), Attribute(box, message, style));
    // The font as well, after the box's font changed.
    box.setFont(ProgramFont(16));
    for (unsigned long style = 0; style < kProgramStyleCount; ++style) {
      QByteArray font(256, '\0'), twin_font(256, '\0');
      box.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, static_cast<uintptr_t>(style),
                        font.data());
      box.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT,
                        static_cast<uintptr_t>(style + kTwinStyleOffset), twin_font.data());
      QCOMPARE(twin_font, font);
      QCOMPARE(
          Attribute(box, QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, style + kTwinStyleOffset),
          Attribute(box, QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, style));
    }
  }

  void LongRunsGoToScintillaInShortPieces_data() {
    QTest::addColumn<bool>("words");
    QTest::newRow("colours on") << true;
    QTest::newRow("colours off") << false;
  }
  void LongRunsGoToScintillaInShortPieces() {
    // Scintilla keeps the measured widths of pieces under 30 bytes only.
    QFETCH(bool, words);
    EditorBox box;
    const QByteArray text =
        QStringLiteral(
            "N1 (外径荒加工 工具摩耗補正 確認 外径荒加工) X12345678901234567890123456789")
            .toUtf8();
    Prepare(box, text);
    box.SetSyntaxColour(words);
    StyleTo(box, -1);
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const long style =
          box.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(i));
      run = i > 0 && style == box.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                                static_cast<unsigned long>(i - 1))
                ? run + 1
                : 1;
      QVERIFY2(run < 30, qPrintable(QString::number(i)));
    }
    if (!words) {
      for (qint64 pos = 0; pos < box.Length(); ++pos)
        QCOMPARE(StyleAt(box, pos), ProgramStyle::kDefault);
      return;
    }
    // The classes are those of the words.
    QCOMPARE(StyleAt(box, 3), ProgramStyle::kComment);
    QCOMPARE(StyleAt(box, 25), ProgramStyle::kComment);
    QCOMPARE(StyleAt(box, 27), ProgramStyle::kAddress);
    QCOMPARE(StyleAt(box, 50), ProgramStyle::kDefault);
  }

  void OpeningColoursTheFirstScreen() {
    // Before anything is shown: Scintilla lays the first lines out for the caret at once.
    EditorBox box;
    QByteArray text;
    for (int n = 0; n < 2000; ++n) text += "N" + QByteArray::number(n) + " G01 X10 (A)\r\n";
    Prepare(box, text);
    const long lines = box.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    QVERIFY(lines > 0);
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) >=
            box.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                              static_cast<unsigned long>(lines)));
    QCOMPARE(StyleAt(box, 0), ProgramStyle::kSequence);
    // Not the whole text.
    QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < text.size() / 2);
  }

  void SwitchingOffLeavesPlainText() {
    EditorBox box;
    Prepare(box, "N1 G01 X1 (A)");
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, 3), ProgramStyle::kGCode);
    box.SetSyntaxColour(false);
    QVERIFY(!box.SyntaxColour());
    StyleTo(box, -1);
    for (qint64 pos = 0; pos < box.Length(); ++pos)
      QCOMPARE(StyleAt(box, pos), ProgramStyle::kDefault);
    box.SetSyntaxColour(true);
    StyleTo(box, -1);
    QCOMPARE(StyleAt(box, 3), ProgramStyle::kGCode);
  }
};

QTEST_MAIN(ProgramColouringTest)
#include "tst_program_colouring.moc"
