// The editor box's character positions and its search and replace over its own buffer.
#include <Qsci/qscicommandset.h>

#include <QClipboard>
#include <QtTest>

#include "editor/editor_box.h"
#include "editor/line_columns.h"
#include "editor/plain_input.h"
#include "platform/fonts.h"

using namespace zel;

namespace {

DecodedText Utf8(const QString& text) { return DecodedText{text.toUtf8(), {}}; }

QString Text(const EditorBox& box) { return QString::fromUtf8(box.Utf8View()); }

// A text with its line ends written out, for a failure message.
QString Shown(QString text) {
  return text.replace(QLatin1Char('\r'), QLatin1String("\\r"))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// The ways a range of the box's text gets replaced: the replace command's, Scintilla's own
// (typing, and what comes through the keys), and a whole new text (open, undo, replace all:
// only the part that differs goes to Scintilla, unannounced).
enum class Way { kReplaceRange, kTyped, kNewText };
constexpr Way kWays[] = {Way::kReplaceRange, Way::kTyped, Way::kNewText};

void Edit(EditorBox& box, Way way, qint64 start, qint64 length, const QString& text,
          const QString& after) {
  switch (way) {
    case Way::kReplaceRange:
      box.ReplaceRange(start, length, text);
      break;
    case Way::kTyped:
      box.Select(start, length);
      box.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, uintptr_t{0}, text.toUtf8().constData());
      break;
    case Way::kNewText:
      box.SetDocument(Utf8(after));
      break;
  }
}

// What is wrong with the box's text or its positions, which must count the characters of
// `expected`; empty when nothing is.
QString PositionProblem(const EditorBox& box, const QString& expected) {
  if (Text(box) != expected) return QStringLiteral("text \"%1\"").arg(Shown(Text(box)));
  for (qint64 pos = 0; pos <= expected.size(); ++pos) {
    const qint64 byte = expected.left(pos).toUtf8().size();
    if (box.ByteFromChar(pos) != byte || box.CharFromByte(byte) != pos)
      return QStringLiteral("position %1").arg(pos);
  }
  return QString();
}

// Sends a mouse event with the given modifiers to the box's viewport, as a real pointer does.
void SendMouse(EditorBox& box, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(type, at, box.viewport()->mapToGlobal(at), button, buttons, modifiers);
  QApplication::sendEvent(box.viewport(), &event);
}

// A shown box of a fixed size with text, so that clicks find their characters.
void ShowWith(EditorBox& box, const QString& text) {
  box.resize(400, 200);
  box.SetDocument(Utf8(text));
  box.show();
  QVERIFY(QTest::qWaitForWindowExposed(&box));
  box.setFocus();
}

QPoint PointOf(EditorBox& box, qint64 pos) {
  const long byte = static_cast<long>(box.ByteFromChar(pos));
  const int x =
      static_cast<int>(box.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, byte));
  const int y =
      static_cast<int>(box.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, byte));
  return QPoint(x + 1, y + 4);
}

bool StreamSelection(EditorBox& box) {
  return box.SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE) == 0 &&
         box.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS) == 1;
}

// A box as the main window has it: the program font, 40 columns or so wide.
void Prepare(EditorBox& box) {
  box.setFont(ProgramFont(12));
  box.resize(420, 300);
  box.show();
  QVERIFY(QTest::qWaitForWindowExposed(&box));
}

// The census counted afresh over the whole text.
qint64 WideLinesCounted(const EditorBox& box) {
  return CensusOfText(box.Utf8View(), box.FitColumnCount()).wide;
}

}  // namespace

class EditorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void PositionsCountCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("length");
    QTest::newRow("ascii") << "G00 X10" << qint64(7);
    QTest::newRow("crlf counts two") << "A\r\nB\r\n" << qint64(6);
    QTest::newRow("lone line ends") << "A\rB\nC" << qint64(5);
    QTest::newRow("japanese counts one each") << "(外径荒加工)\r\nN1" << qint64(11);
    QTest::newRow("half-width katakana") << "ｱｲｳ" << qint64(3);
    QTest::newRow("raw byte stand-ins") << QString(QChar(0xF781)) + "x" << qint64(2);
  }
  void PositionsCountCharacters() {
    QFETCH(QString, text);
    QFETCH(qint64, length);
    EditorBox box;
    box.SetDocument(Utf8(text));
    QCOMPARE(box.Length(), length);
    // Every character position maps to a byte position and back.
    for (qint64 pos = 0; pos <= length; ++pos) {
      QCOMPARE(box.CharFromByte(box.ByteFromChar(pos)), pos);
      box.Select(pos, length - pos);
      QCOMPARE(box.SelectionStart(), pos);
      QCOMPARE(box.SelectedText(), text.mid(pos));
    }
    QCOMPARE(box.ByteFromChar(length + 5), qint64(text.toUtf8().size()));
  }

  void TextWithNulBytesIsKeptWhole() {
    EditorBox box;
    const QByteArray bytes("a\0b\r\n\0", 6);
    box.SetDocument(DecodedText{bytes, {}});
    QCOMPARE(box.Utf8View().toByteArray(), bytes);
    QCOMPARE(box.Length(), qint64(6));
  }

  void FindForward_data() {
    QTest::addColumn<QString>("needle");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("hit");
    // text: "G01 X10\r\n(切削)\r\nG01 Z-5"
    QTest::newRow("first") << "G01" << qint64(0) << qint64(0);
    QTest::newRow("past the first") << "G01" << qint64(1) << qint64(15);
    QTest::newRow("japanese") << "削)" << qint64(0) << qint64(11);
    QTest::newRow("across a line end") << "\r\nG01" << qint64(3) << qint64(13);
    QTest::newRow("at the very end") << "-5" << qint64(0) << qint64(20);
    QTest::newRow("case must match") << "g01" << qint64(0) << qint64(-1);
    QTest::newRow("width must match") << "Ｇ01" << qint64(0) << qint64(-1);
    QTest::newRow("empty finds nothing") << "" << qint64(0) << qint64(-1);
    QTest::newRow("from beyond the end") << "G01" << qint64(99) << qint64(-1);
  }
  void FindForward() {
    QFETCH(QString, needle);
    QFETCH(qint64, from);
    QFETCH(qint64, hit);
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("G01 X10\r\n(切削)\r\nG01 Z-5")));
    QCOMPARE(box.FindForward(needle, from), hit);
  }

  // A change that makes a CR and an LF neighbours (or parts them) joins (or parts) two
  // lines: every later position must still count both (one was lost or counted twice, and
  // search hits, selections and replacements after it landed one character off). Each row
  // is edited in each way in a fresh box; the text ends in a word searched for.
  void PositionsSurviveLineEndsJoining_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("text");
    QTest::newRow("lf after a lone cr") << "\r" << qint64(1) << qint64(0) << "\n";
    QTest::newRow("lf and more after cr") << "X1\r2" << qint64(3) << qint64(1) << "\nN";
    QTest::newRow("cr before a lone lf") << "a\nb" << qint64(1) << qint64(0) << "\r";
    QTest::newRow("cr lf before a lone lf") << "a\nb" << qint64(1) << qint64(0) << "\r\n\r";
    QTest::newRow("deletion between them") << "a\rX\nb" << qint64(2) << qint64(1) << "";
    QTest::newRow("replacement between them") << "a\rb\nc" << qint64(2) << qint64(2) << "\nb";
    QTest::newRow("japanese after the join") << "(切削)\rＺ10" << qint64(5) << qint64(0) << "\nG";
    QTest::newRow("both ends join") << "\r\n" << qint64(1) << qint64(0) << "\n\r";
    QTest::newRow("text between cr and lf") << "a\r\nb" << qint64(2) << qint64(0) << "X";
    QTest::newRow("no join: cr lf after cr") << "a\r" << qint64(2) << qint64(0) << "\r\n";
  }
  void PositionsSurviveLineEndsJoining() {
    QFETCH(QString, before);
    QFETCH(qint64, start);
    QFETCH(qint64, length);
    QFETCH(QString, text);
    const QString tail = QStringLiteral("末尾");
    const QString after = QString(before).replace(start, length, text) + tail;
    for (const Way way : kWays) {
      EditorBox box;
      box.SetDocument(Utf8(before + tail));
      Edit(box, way, start, length, text, after);
      QCOMPARE(PositionProblem(box, after), QString());
      QCOMPARE(box.Length(), qint64(after.size()));
      QCOMPARE(box.FindForward(tail, 0), qint64(after.size() - tail.size()));
      box.Select(start, after.size() - start);
      QCOMPARE(box.SelectedText(), after.mid(start));
    }
  }

  // Every edit of every text of up to four CRs, LFs and Japanese characters, in each way,
  // one box throughout (each text replaces whatever the last edit left, as opening a file
  // does): the box's positions stay the text's characters.
  void EveryShortEditKeepsPositions() {
    QStringList texts{QString()};
    for (qsizetype from = 0; texts.last().size() < 4;) {
      const qsizetype to = texts.size();
      for (qsizetype i = from; i < to; ++i)
        for (const char16_t* piece : {u"\r", u"\n", u"あ"})
          texts << texts[i] + QString::fromUtf16(piece);
      from = to;
    }
    const QStringList inserts = texts.mid(0, 13);  // up to two pieces
    EditorBox box;
    QString last;
    for (const QString& before : texts)
      for (qint64 start = 0; start <= before.size(); ++start)
        for (qint64 length = 0; start + length <= before.size(); ++length)
          for (const QString& insert : inserts)
            for (const Way way : kWays) {
              const QString after = QString(before).replace(start, length, insert);
              box.SetDocument(Utf8(before));
              QString problem = PositionProblem(box, before);
              if (problem.isEmpty()) {
                Edit(box, way, start, length, insert, after);
                problem = PositionProblem(box, after);
              }
              if (!problem.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("%1 (box held \"%2\"; \"%3\" [%4, +%5) by \"%6\", way %7)")
                        .arg(problem, Shown(last), Shown(before))
                        .arg(start)
                        .arg(length)
                        .arg(Shown(insert))
                        .arg(static_cast<int>(way))));
              last = after;
            }
  }

  void ReplaceRangeLeavesCaretAfterText() {
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("(荒加工) G01")));
    box.ReplaceRange(1, 3, QStringLiteral("仕上げ加工"));
    QCOMPARE(QString::fromUtf8(box.Utf8View()), QStringLiteral("(仕上げ加工) G01"));
    QCOMPARE(box.SelectionStart(), qint64(6));
    QCOMPARE(box.SelectionLength(), qint64(0));
  }

  void ReplaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<QString>("result");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("last_end");
    QTest::newRow("far apart") << "X1 ... X1 ... X1"
                               << "X1"
                               << "X2" << qint64(0) << "X2 ... X2 ... X2" << qint64(3)
                               << qint64(16);
    QTest::newRow("adjacent") << "aaaa"
                              << "aa"
                              << "b" << qint64(0) << "bb" << qint64(2) << qint64(2);
    QTest::newRow("empty replacement") << "G01 G01 G00"
                                       << "G01 "
                                       << "" << qint64(0) << "G00" << qint64(2) << qint64(0);
    QTest::newRow("replacement contains needle")
        << "ab ab"
        << "ab"
        << "abab" << qint64(0) << "abab abab" << qint64(2) << qint64(9);
    QTest::newRow("from the middle")
        << "T1 T1 T1"
        << "T1"
        << "工具" << qint64(1) << "T1 工具 工具" << qint64(2) << qint64(8);
    QTest::newRow("none") << "G00"
                          << "G01"
                          << "x" << qint64(0) << "G00" << qint64(0) << qint64(-1);
  }
  void ReplaceAll() {
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(QString, replacement);
    QFETCH(qint64, from);
    QFETCH(QString, result);
    QFETCH(qint64, count);
    QFETCH(qint64, last_end);
    EditorBox box;
    box.SetDocument(Utf8(text));
    int changes = 0;
    connect(&box, &QsciScintilla::textChanged, this, [&changes] { ++changes; });
    const SearchTarget::ReplaceAllResult done = box.ReplaceAll(needle, replacement, from);
    QCOMPARE(QString::fromUtf8(box.Utf8View()), result);
    QCOMPARE(done.count, count);
    QCOMPARE(done.last_end, last_end);
    if (count > 0) QCOMPARE(box.SelectionStart(), last_end);
    QVERIFY(count == 0 ? changes == 0 : changes > 0);
  }

  void OnlyThePlainBoxKeysAreBound() {
    EditorBox box;
    QStringList bound;
    for (QsciCommand* command : box.standardCommands()->commands()) {
      for (int key : {command->key(), command->alternateKey()})
        if (key)
          bound << QKeySequence(key).toString(QKeySequence::PortableText) + QStringLiteral(" ") +
                       command->description();
    }
    bound.sort();
    // clang-format off
    QStringList allowed = {
        "Left Move left one character",             "Shift+Left Extend selection left one character",
        "Right Move right one character",           "Shift+Right Extend selection right one character",
        "Up Move up one line",                      "Shift+Up Extend selection up one line",
        "Down Move down one line",                  "Shift+Down Extend selection down one line",
        "Ctrl+Left Move left one word",             "Ctrl+Shift+Left Extend selection left one word",
        "Ctrl+Right Move right one word",           "Ctrl+Shift+Right Extend selection right one word",
        "Home Move to start of display line",       "Shift+Home Extend selection to start of display line",
        "End Move to end of display line",          "Shift+End Extend selection to end of display line",
        "Ctrl+Home Move to start of document",      "Ctrl+Shift+Home Extend selection to start of document",
        "Ctrl+End Move to end of document",         "Ctrl+Shift+End Extend selection to end of document",
        "PgUp Move up one page",                    "Shift+PgUp Extend selection up one page",
        "PgDown Move down one page",                "Shift+PgDown Extend selection down one page",
        "Del Delete current character",             "Backspace Delete previous character",
        "Return Insert newline",                    "Shift+Return Insert newline",
    };
    // clang-format on
    allowed.sort();
    QCOMPARE(bound, allowed);
    QCOMPARE(int(PlainBoxKeys().size()), allowed.size());
  }

  void KeysOfAProgrammersEditorChangeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    // clang-format off
    QTest::newRow("Ctrl+U would lower-case the selection")  << int(Qt::Key_U) << ctrl;
    QTest::newRow("Ctrl+Shift+U would upper-case it")       << int(Qt::Key_U) << (ctrl | shift);
    QTest::newRow("Ctrl+D would duplicate it")              << int(Qt::Key_D) << ctrl;
    QTest::newRow("Ctrl+T would swap two lines")            << int(Qt::Key_T) << ctrl;
    QTest::newRow("Ctrl+Shift+T would copy a line")         << int(Qt::Key_T) << (ctrl | shift);
    QTest::newRow("Ctrl+L would cut a line")                << int(Qt::Key_L) << ctrl;
    QTest::newRow("Ctrl+Shift+L would delete a line")       << int(Qt::Key_L) << (ctrl | shift);
    QTest::newRow("Ctrl+Z would undo behind the snapshot")  << int(Qt::Key_Z) << ctrl;
    QTest::newRow("Ctrl+Y would redo")                      << int(Qt::Key_Y) << ctrl;
    QTest::newRow("Ctrl+Backspace would delete a word")     << int(Qt::Key_Backspace) << ctrl;
    QTest::newRow("Ctrl+Shift+Del would delete to the end") << int(Qt::Key_Delete) << (ctrl | shift);
    QTest::newRow("Ctrl+= types no equals sign")            << int(Qt::Key_Equal) << ctrl;
    QTest::newRow("Alt+Z types no z")                       << int(Qt::Key_Z) << alt;
    QTest::newRow("Shift+Tab would unindent")               << int(Qt::Key_Backtab) << shift;
    QTest::newRow("Escape")                                 << int(Qt::Key_Escape) << 0;
    // clang-format on
  }
  void KeysOfAProgrammersEditorChangeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    EditorBox box;
    const QString text = QStringLiteral("\tG01 x1.\r\n\tG00 Z2.\r\nM02");
    box.SetDocument(Utf8(text));
    box.Select(3, 10);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Text(box), text);
    QCOMPARE(box.SelectionStart(), qint64(3));
    QCOMPARE(box.SelectionLength(), qint64(10));
  }

  void OvertypeAndZoomAreOff() {
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("X1.")));
    box.SetCaret(0);
    QTest::keyClick(&box, Qt::Key_Insert);
    QTest::keyClicks(&box, "G");
    QCOMPARE(Text(box), QStringLiteral("GX1."));
    QTest::keyClick(&box, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Minus, Qt::ControlModifier);
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box.viewport(), &wheel);
    QCOMPARE(box.SendScintilla(QsciScintillaBase::SCI_GETZOOM), 0L);
    QCOMPARE(Text(box), QStringLiteral("GX1."));
  }

  void TabTypesATabOverTheSelection() {
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("N1\r\nN2\r\nN3")));
    box.Select(0, 8);
    QTest::keyClick(&box, Qt::Key_Tab);
    QCOMPARE(Text(box), QStringLiteral("\tN3"));
    QCOMPARE(box.SelectionStart(), qint64(1));
  }

  void PlainKeysStillWork() {
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("G01 X1.\r\nM02")));
    box.SetCaret(0);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(box.SelectedText(), QStringLiteral("G01 "));
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&box, "X");
    QCOMPARE(Text(box), QStringLiteral("X1\r\n\r\nM02X"));
  }

  void RectangularSelectionIsOff_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Alt+drag") << int(Qt::AltModifier);
    QTest::newRow("Ctrl+drag") << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Alt+drag") << int(Qt::ControlModifier | Qt::AltModifier);
  }
  void RectangularSelectionIsOff() {
    QFETCH(int, modifiers);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    EditorBox box;
    ShowWith(box, QStringLiteral("ABCD\r\nEFGH\r\nIJKL"));
    // From between A and B to between K and L.
    SendMouse(box, QEvent::MouseButtonPress, PointOf(box, 1), Qt::LeftButton, Qt::LeftButton, mods);
    SendMouse(box, QEvent::MouseMove, PointOf(box, 15), Qt::NoButton, Qt::LeftButton, mods);
    SendMouse(box, QEvent::MouseButtonRelease, PointOf(box, 15), Qt::LeftButton, Qt::NoButton,
              mods);
    QVERIFY(StreamSelection(box));
    QCOMPARE(box.SelectedText(), QStringLiteral("BCD\r\nEFGH\r\nIJK"));
    box.ReplaceSelection(QString());
    QCOMPARE(Text(box), QStringLiteral("AL"));
  }

  void RectangleKeysAreOff() {
    EditorBox box;
    ShowWith(box, QStringLiteral("ABCD\r\nEFGH"));
    box.SetCaret(1);
    QTest::keyClick(&box, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(StreamSelection(box));
  }

  void MiddleClickPastesNothing() {
    EditorBox box;
    ShowWith(box, QStringLiteral("G01 X1."));
    QGuiApplication::clipboard()->setText(QStringLiteral("Z9"), QClipboard::Selection);
    box.SetCaret(0);
    SendMouse(box, QEvent::MouseButtonPress, PointOf(box, 4), Qt::MiddleButton, Qt::MiddleButton,
              Qt::NoModifier);
    SendMouse(box, QEvent::MouseButtonRelease, PointOf(box, 4), Qt::MiddleButton, Qt::NoButton,
              Qt::NoModifier);
    QCOMPARE(Text(box), QStringLiteral("G01 X1."));
    QCOMPARE(box.SelectionStart(), qint64(0));
  }

  // While the box is destroyed its viewport still gets events (its children go); the box's
  // plain-input filter must not take the half-destroyed box for a scroll area then. The
  // sanitized test run fails here on a filter that asks the box for its viewport.
  void BoxGoesWithItsViewport_data() {
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("in_window");
    QTest::addColumn<bool>("zoom_wheel");
    // clang-format off
    QTest::newRow("hidden box alone")                 << false << false << false;
    QTest::newRow("shown box alone")                  << true  << false << false;
    QTest::newRow("shown box with its window")        << true  << true  << false;
    QTest::newRow("after a ctrl-wheel, with window")  << true  << true  << true;
    // clang-format on
  }
  void BoxGoesWithItsViewport() {
    QFETCH(bool, shown);
    QFETCH(bool, in_window);
    QFETCH(bool, zoom_wheel);
    auto* window = new QWidget;
    auto* box = new EditorBox(in_window ? window : nullptr);
    box->SetDocument(Utf8(QStringLiteral("G01 X1.\r\n(外径)")));
    if (shown) {
      (in_window ? static_cast<QWidget*>(window) : box)->show();
      QVERIFY(QTest::qWaitForWindowExposed(box));
    }
    if (zoom_wheel) {
      QWheelEvent wheel(QPointF(10, 10), box->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                        QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                        false);
      QApplication::sendEvent(box->viewport(), &wheel);
      QCOMPARE(box->SendScintilla(QsciScintillaBase::SCI_GETZOOM), 0L);
    }
    // Counts what the viewport gets once the box is on its way out.
    struct Counter : QObject {
      bool eventFilter(QObject*, QEvent*) override {
        ++events;
        return false;
      }
      int events = 0;
    } counter;
    QPointer<QWidget> viewport = box->viewport();
    QPointer<EditorBox> alive = box;
    viewport->installEventFilter(&counter);
    if (in_window)
      delete window;
    else
      delete box;
    QVERIFY(alive.isNull());
    QVERIFY(viewport.isNull());
    QVERIFY(counter.events > 0);
    if (!in_window) delete window;
  }

  void TypedCharacterTakesTheStandardForm_data() {
    QTest::addColumn<qint64>("caret");
    QTest::addColumn<QByteArray>("saved");
    // The file holds 纊 twice as ED 40; the typed 纊 is written FA 5C wherever it goes.
    // clang-format off
    QTest::newRow("between two read in the second form") << qint64(2) << QByteArray("(\xed\x40\xfa\x5c\xed\x40)");
    QTest::newRow("just after them")                     << qint64(3) << QByteArray("(\xed\x40\xed\x40\xfa\x5c)");
    QTest::newRow("just before them")                    << qint64(1) << QByteArray("(\xfa\x5c\xed\x40\xed\x40)");
    // clang-format on
  }
  void TypedCharacterTakesTheStandardForm() {
    QFETCH(qint64, caret);
    QFETCH(QByteArray, saved);
    EditorBox box;
    box.SetDocument(Cp932().Decode(QByteArray("(\xed\x40\xed\x40)")));
    QCOMPARE(box.Forms().size(), size_t(2));
    box.SetCaret(caret);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("纊"));
    QApplication::sendEvent(&box, &typed);
    QCOMPARE(Text(box), QStringLiteral("(纊纊纊)"));
    QCOMPARE(Cp932().Encode(box.Utf8View(), box.Forms()).bytes, saved);
    // A pasted one likewise.
    box.SetCaret(caret);
    box.ReplaceSelection(QStringLiteral("纊"));
    QCOMPARE(box.Forms().size(), size_t(2));
  }

  void ByteFormsFollowEdits() {
    // "ED 40" (a second form of U+7E8A) on line 2 survives edits elsewhere, also a
    // replace-all that shifts it.
    const DecodedText doc{QByteArray("X1\r\n(\xe7\xba\x8a) X1"), {ByteForm{5, 0xED40}}};
    EditorBox box;
    box.SetDocument(doc);
    box.SetCaret(0);
    box.ReplaceSelection(QStringLiteral("N10 "));
    std::vector<ByteForm> forms = box.Forms();
    QCOMPARE(forms.size(), size_t(1));
    QCOMPARE(forms[0].offset, qint64(9));
    QCOMPARE(forms[0].bytes, quint16(0xED40));
    box.ReplaceAll(QStringLiteral("X1"), QStringLiteral("X100"), 0);
    forms = box.Forms();
    QCOMPARE(forms.size(), size_t(1));
    QCOMPARE(forms[0].offset, qint64(11));
    // Replacing the character itself drops its form.
    box.ReplaceAll(QStringLiteral("纊"), QStringLiteral("x"), 0);
    QVERIFY(box.Forms().empty());
  }

  void ColumnBoundIsNeverBelowTheDrawnWidth_data() {
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("digits and letters")   << "N0001 G01 X100.5 Z-20.0 F0.2 WMWMWM";
    QTest::newRow("japanese comment")     << "(外径荒加工 工具摩耗補正 確認)";
    QTest::newRow("full-width letters")   << "ＭＳ ゴシック ＡＢＣ";
    QTest::newRow("half-width katakana")  << "ｶﾞｲｹｲ ｱﾗｶｺｳ";
    QTest::newRow("greek and cyrillic")   << "αβγ ЖЩЮ ±×÷";
    QTest::newRow("raw byte stand-ins")   << QString(4, QChar(0xF781));
    // clang-format on
  }
  void ColumnBoundIsNeverBelowTheDrawnWidth() {
    QFETCH(QString, text);
    EditorBox box;
    Prepare(box);
    box.SetDocument(Utf8(text));
    // Where the box says the line fits, Scintilla's own layout agrees.
    const qint64 bytes = text.toUtf8().size();
    const long drawn = box.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL,
                                         static_cast<long>(bytes)) -
                       box.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 0L);
    const int columns = ColumnBound(text.toUtf8(), 1000);
    QVERIFY2(box.ColumnPixels() * columns >= drawn,
             qPrintable(QStringLiteral("%1 columns of %2 px, drawn %3 px")
                            .arg(columns)
                            .arg(box.ColumnPixels())
                            .arg(drawn)));
  }

  void WideLinesFollowEdits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("insert");
    const QString wide(60, QLatin1Char('X'));
    const QString text = "N1\r\n" + wide + "\r\nN3\r\n" + wide + "\rN5\nN6";
    // clang-format off
    QTest::newRow("type into a narrow line")         << text << 1  << 0  << "G01";
    QTest::newRow("make a narrow line wide")         << text << 2  << 0  << wide;
    QTest::newRow("split a wide line")               << text << 30 << 0  << "\r\n";
    QTest::newRow("join two lines into a wide one")  << text << 2  << 2  << "";
    QTest::newRow("delete a wide line whole")        << text << 4  << 62 << "";
    QTest::newRow("insert lf after a lone cr")       << text << 132 << 0 << "\n";
    QTest::newRow("insert between cr and lf")        << text << 3  << 0  << "ABC";
    QTest::newRow("delete the cr of a crlf")         << text << 2  << 1  << "";
    QTest::newRow("delete across every line")        << text << 1  << 130 << "";
    QTest::newRow("insert many wide lines")          << text << 0  << 0  << QString(80, QLatin1Char('\n')).replace("\n", wide + "\n");
    QTest::newRow("replace all by one quiet change") << text << 0  << int(text.size()) << QString(70000, QLatin1Char('Y'));
    // clang-format on
  }
  void WideLinesFollowEdits() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, insert);
    EditorBox box;
    Prepare(box);
    QVERIFY(box.FitColumnCount() > 10);
    QVERIFY(box.FitColumnCount() < 60);
    box.SetDocument(Utf8(text));
    QCOMPARE(box.WideLineCount(), WideLinesCounted(box));
    box.ReplaceRange(start, length, insert);
    QCOMPARE(box.WideLineCount(), WideLinesCounted(box));
    // The same after keystrokes around the change.
    box.SetCaret(start);
    QTest::keyClicks(&box, "AB");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.WideLineCount(), WideLinesCounted(box));
  }

  void WideLinesChooseTheLayout_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("one_wide");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("wrap");
    QTest::addColumn<bool>("scroll_bar");
    const int none = int(EditorBox::WideLines::kNone);
    const int wrapped = int(EditorBox::WideLines::kWrapped);
    const int scrolled = int(EditorBox::WideLines::kScrolled);
    // clang-format off
    QTest::newRow("small, all narrow: nothing to wrap") << 100    << false << none     << int(QsciScintilla::WrapNone) << false;
    QTest::newRow("large, all narrow: nothing to wrap") << 100000 << false << none     << int(QsciScintilla::WrapNone) << false;
    QTest::newRow("small with a wide line: wrapped")    << 100    << true  << wrapped  << int(QsciScintilla::WrapWord) << false;
    QTest::newRow("large with a wide line: scrolled")   << 100000 << true  << scrolled << int(QsciScintilla::WrapNone) << true;
    // clang-format on
  }
  void WideLinesChooseTheLayout() {
    QFETCH(int, lines);
    QFETCH(bool, one_wide);
    QFETCH(int, layout);
    QFETCH(int, wrap);
    QFETCH(bool, scroll_bar);
    EditorBox box;
    Prepare(box);
    QByteArray text;
    for (int i = 0; i < lines; ++i) text += "N" + QByteArray::number(i) + " G01 X10\r\n";
    const qsizetype middle = text.size() / 2;
    if (one_wide) text.insert(middle, QByteArray(100, 'W'));
    box.SetDocument(DecodedText{text, {}});
    QCOMPARE(int(box.WideLineLayout()), layout);
    QCOMPARE(int(box.wrapMode()), wrap);
    QCOMPARE(box.SendScintilla(QsciScintillaBase::SCI_GETHSCROLLBAR) != 0, scroll_bar);
    // Taking the wide line out brings back the plain layout.
    if (one_wide) {
      box.ReplaceRange(middle, 100, QString());
      QCOMPARE(box.WideLineLayout(), EditorBox::WideLines::kNone);
      QCOMPARE(box.wrapMode(), QsciScintilla::WrapNone);
      QCOMPARE(box.SendScintilla(QsciScintillaBase::SCI_GETHSCROLLBAR), 0L);
    }
  }

  void NewTextChangesOnlyWhatDiffers_data() {
    QTest::addColumn<QString>("old_text");
    QTest::addColumn<QString>("new_text");
    QTest::addColumn<int>("from");    // bytes
    QTest::addColumn<int>("new_to");  // bytes
    // clang-format off
    QTest::newRow("a typed key undone")      << "N1 G01 aX10" << "N1 G01 X10"  << 7 << 7;
    QTest::newRow("a deleted key undone")    << "N1 G01 10"   << "N1 G01 X10"  << 7 << 8;
    QTest::newRow("a change on another line") << "G01\r\nX1\r\nZ2" << "G01\r\nX5\r\nZ2" << 6 << 7;
    QTest::newRow("a kanji changed")         << "(一)"        << "(帀)"        << 1 << 4;
    QTest::newRow("the same text")           << "N1 G01"      << "N1 G01"      << 6 << 6;
    QTest::newRow("everything new")          << "ABC"         << "XYZ"         << 0 << 3;
    // clang-format on
  }
  void NewTextChangesOnlyWhatDiffers() {
    // An undo replaces the whole text by its snapshot; Scintilla is given only the part
    // that differs, and what is outside it stays as it was (here: a mark over all of it).
    QFETCH(QString, old_text);
    QFETCH(QString, new_text);
    QFETCH(int, from);
    QFETCH(int, new_to);
    constexpr unsigned long kMark = 12;
    EditorBox box;
    box.SetDocument(Utf8(old_text));
    box.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, kMark);
    box.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, 0UL,
                      static_cast<long>(box.Utf8View().size()));
    QSignalSpy changed(&box, &QsciScintilla::textChanged);
    box.SetDocument(Utf8(new_text));
    QCOMPARE(Text(box), new_text);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(box.SelectionStart(), qint64(0));
    // (Scintilla widens a mark over text inserted next to it, so the new part is not
    // looked at.)
    for (qsizetype byte = 0; byte < box.Utf8View().size(); ++byte)
      if (byte < from || byte >= new_to)
        QVERIFY(box.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, kMark,
                                  static_cast<long>(byte)) != 0);
    QCOMPARE(box.WideLineCount(), WideLinesCounted(box));
  }

  void NewTextKeepsItsByteForms() {
    // The forms of the new text hold, also where the text itself is the same.
    const QByteArray text("X1\r\n(\xe7\xba\x8a) (\xe7\xba\x8a)");
    EditorBox box;
    box.SetDocument(DecodedText{text, {ByteForm{5, 0xED40}}});
    box.SetDocument(DecodedText{text, {ByteForm{11, 0xED40}}});
    std::vector<ByteForm> forms = box.Forms();
    QCOMPARE(forms.size(), size_t(1));
    QCOMPARE(forms[0].offset, qint64(11));
    box.SetDocument(DecodedText{"Y" + text, {ByteForm{6, 0xFA5C}, ByteForm{12, 0xED40}}});
    forms = box.Forms();
    QCOMPARE(forms.size(), size_t(2));
    QCOMPARE(forms[0].offset, qint64(6));
    QCOMPARE(forms[0].bytes, quint16(0xFA5C));
    QCOMPARE(forms[1].offset, qint64(12));
    QCOMPARE(forms[1].bytes, quint16(0xED40));
  }

  void LargeChangeSignalsOnceAndKeepsTheText() {
    EditorBox box;
    QSignalSpy changed(&box, &QsciScintilla::textChanged);
    const QByteArray text = QByteArray(100000, 'N') + "\r\n外径";
    box.SetDocument(DecodedText{text, {}});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(box.Utf8View().toByteArray(), text);
    QCOMPARE(box.Length(), qint64(100000 + 4));
    box.ReplaceRange(0, 100000, QString());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(box.Utf8View().toByteArray(), QByteArray("\r\n外径"));
  }
};

QTEST_MAIN(EditorBoxTest)
#include "tst_editor_box.moc"
