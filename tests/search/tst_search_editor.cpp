// The find and replace windows over the real editor box: character positions with
// double-byte characters and "\r\n" line ends, and one editor update for "全て変更".
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "editor/editor_box.h"
#include "search/find_dialog.h"
#include "search/replace_dialog.h"
#include "search/search_commands.h"
#include "search/string_search_target.h"
#include "tests/support/test_support.h"

using zel::EditorBox;
using zel::SearchCommands;
using zel::SearchTarget;
using zel::StringSearchTarget;

namespace {

using zel::test::BoxText;
using zel::test::Child;
using zel::test::SetBoxText;

// One press in a script: "find:<text>" opens the find dialog with <text> and presses
// "検 索", "F3" presses F3, "select:<start>,<length>" sets the selection, and
// "replace:<find>|<replacement>|<button>[|keep]" runs the replace dialog with one press of
// Change, NextFind or AllChange (keep: "先頭から開始" unchecked first).
struct ScriptOutcome {
  QString text;
  qint64 selection_start = 0;
  QStringList messages;
  qint64 search_pos = 0;
  qint64 hit_count = 0;

  bool operator==(const ScriptOutcome&) const = default;
};

ScriptOutcome RunScript(QWidget& window, SearchTarget& target, const QStringList& script,
                        const std::function<QString()>& text_of) {
  zel::test::RecordingPrompts prompts;
  SearchCommands commands(&window, target, prompts, [] {});
  for (const QString& step : script) {
    if (step == "F3") {
      commands.FindNext();
    } else if (step.startsWith("find:")) {
      commands.OpenFind();
      Child<QLineEdit>(commands.ActiveFindDialog(), "txtFind")->setText(step.mid(5));
      QTest::mouseClick(Child<QPushButton>(commands.ActiveFindDialog(), "NextFind"),
                        Qt::LeftButton);
    } else if (step.startsWith("select:")) {
      const QStringList parts = step.mid(7).split(',');
      target.Select(parts[0].toLongLong(), parts[1].toLongLong());
    } else if (step.startsWith("replace:")) {
      const QStringList parts = step.mid(8).split('|');
      zel::ReplaceDialog dialog(&window, commands.State(), target, prompts);
      Child<QLineEdit>(&dialog, "txtFind")->setText(parts[0]);
      Child<QLineEdit>(&dialog, "txtReplace")->setText(parts[1]);
      if (parts.size() > 3) Child<QCheckBox>(&dialog, "Check1")->setChecked(false);
      for (const QString& press : parts[2].split('+'))
        QTest::mouseClick(Child<QPushButton>(&dialog, press), Qt::LeftButton);
    }
  }
  QStringList messages;
  for (const zel::PromptRequest& request : prompts.requests) messages << request.text;
  return {text_of(), target.SelectionStart(), messages, commands.State().SearchPos,
          commands.State().HitCount};
}

}  // namespace

class TestSearchEditor : public QObject {
  Q_OBJECT

 private slots:
  void SameAsOverAPlainString_data();
  void SameAsOverAPlainString();
  void PositionsCountCharacters();
  void AstralCharacterIsOneCharacter();
  void AllChangeIsOneEditorUpdate();
  void AllChangeWithoutOccurrenceLeavesTheEditorAlone();
};

void TestSearchEditor::SameAsOverAPlainString_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("script");

  const QString program =
      "(ﾁｬｯｸ 爪)\r\nN001 G00 X100.\r\nN002 G01 Ｚ-5.\r\nN003 G01 X50.\r\nM30\r\n";
  QTest::newRow("find and F3 to the count") << program << QStringList{"find:G01", "F3", "F3"};
  QTest::newRow("not found, exact case") << program << QStringList{"find:g01", "F3"};
  QTest::newRow("full width") << program << QStringList{"find:Ｚ", "F3"};
  QTest::newRow("line end in the search text")
      << program << QStringList{"find:.\r\nN00", "F3", "F3", "F3"};
  QTest::newRow("overlapping") << "aaaa" << QStringList{"find:aa", "F3", "F3", "F3"};
  QTest::newRow("F3 before an occurrence")
      << program << QStringList{"find:N00", "select:12,0", "F3", "F3"};
  QTest::newRow("at the very end") << program << QStringList{"find:M30\r\n", "F3"};
  QTest::newRow("change three times")
      << program << QStringList{"replace:G01|G1|Change+Change+Change"};
  QTest::newRow("change japanese")
      << program << QStringList{"replace:ﾁｬｯｸ|チャック|Change+Change+Change"};
  QTest::newRow("skip then change")
      << program << QStringList{"replace:N00|N1|NextFind+Change+Change+NextFind"};
  QTest::newRow("all from the top")
      << program << QStringList{"select:40,0", "replace:G0|Ｇ|AllChange"};
  QTest::newRow("all line ends") << program << QStringList{"replace:\r\n|;\r\n|AllChange"};
  QTest::newRow("all adjacent") << "ABABABX" << QStringList{"replace:AB|B|AllChange"};
  QTest::newRow("all growing") << "ab\r\nab" << QStringList{"replace:ab|abab|AllChange"};
  QTest::newRow("all empty replacement") << program << QStringList{"replace:.||AllChange"};
  QTest::newRow("all from the selection")
      << program << QStringList{"select:30,3", "replace:N00|n|AllChange|keep"};
  QTest::newRow("change then all") << program << QStringList{"replace:X|x|Change+Change+AllChange"};
  const QString astral = "a😀B c\r\n(𩸽の切削) 😀😀\r\n";
  QTest::newRow("astral find and F3") << astral << QStringList{"find:😀", "F3", "F3", "F3"};
  QTest::newRow("astral after astral") << astral << QStringList{"find:B", "F3"};
  QTest::newRow("astral change") << astral << QStringList{"replace:𩸽|ホッケ|Change+Change+Change"};
  QTest::newRow("astral replaced by astral")
      << astral << QStringList{"replace:😀|𩸽|Change+Change+Change+Change"};
  QTest::newRow("astral all") << astral << QStringList{"replace:😀|x|AllChange"};
  QTest::newRow("skip twice then all")
      << astral << QStringList{"replace:😀|x|NextFind+NextFind+AllChange"};
}

void TestSearchEditor::SameAsOverAPlainString() {
  QFETCH(QString, text);
  QFETCH(QStringList, script);

  QWidget window;
  EditorBox box(&window);
  SetBoxText(box, text);
  const ScriptOutcome editor = RunScript(window, box, script, [&] { return BoxText(box); });

  StringSearchTarget plain(text);
  const ScriptOutcome reference = RunScript(window, plain, script, [&] { return plain.Text(); });

  QCOMPARE(editor.text, reference.text);
  QCOMPARE(editor.selection_start, reference.selection_start);
  QCOMPARE(editor.messages, reference.messages);
  QCOMPARE(editor.search_pos, reference.search_pos);
  QCOMPARE(editor.hit_count, reference.hit_count);
  QVERIFY(!editor.messages.isEmpty() || editor.text != text || editor.selection_start != 0);
}

void TestSearchEditor::PositionsCountCharacters() {
  QWidget window;
  EditorBox box(&window);
  SetBoxText(box, "(ﾜｰｸ)\r\nＧ０１\r\nG01");
  zel::test::RecordingPrompts prompts;
  SearchCommands commands(&window, box, prompts, [] {});
  commands.OpenFind();
  Child<QLineEdit>(commands.ActiveFindDialog(), "txtFind")->setText("G01");
  QTest::mouseClick(Child<QPushButton>(commands.ActiveFindDialog(), "NextFind"), Qt::LeftButton);
  // "(ﾜｰｸ)" is five characters, each "\r\n" two, "Ｇ０１" three.
  QCOMPARE(box.SelectionStart(), 12);
  QCOMPARE(box.SelectionLength(), 3);
  QCOMPARE(box.SelectedText(), QString("G01"));
  QCOMPARE(commands.State().SearchPos, 15);
  QCOMPARE(commands.State().SearchPos, box.Length());
}

void TestSearchEditor::AstralCharacterIsOneCharacter() {
  QWidget window;
  EditorBox box(&window);
  SetBoxText(box, "a😀B c");
  zel::test::RecordingPrompts prompts;
  zel::SearchState state;
  zel::ReplaceDialog dialog(&window, state, box, prompts);
  Child<QLineEdit>(&dialog, "txtFind")->setText("😀");
  Child<QLineEdit>(&dialog, "txtReplace")->setText("x");
  QTest::mouseClick(Child<QPushButton>(&dialog, "Change"), Qt::LeftButton);
  QCOMPARE(box.SelectedText(), QString("😀"));
  QCOMPARE(box.SelectionStart(), 1);
  QCOMPARE(box.SelectionLength(), 1);
  QCOMPARE(state.SearchPos, 2);
  QTest::mouseClick(Child<QPushButton>(&dialog, "Change"), Qt::LeftButton);
  QCOMPARE(BoxText(box), QString("axB c"));
  QCOMPARE(prompts.requests.last().text, QString("1 回　変更しました。"));
}

void TestSearchEditor::AllChangeIsOneEditorUpdate() {
  // The editor's change notifications do not grow with the number of occurrences.
  QList<int> notifications;
  for (int occurrences : {1, 40}) {
    QWidget window;
    EditorBox box(&window);
    QString text;
    for (int i = 0; i < occurrences; ++i) text += "N1 G01 X1.\r\n";
    SetBoxText(box, text);
    box.SetCaret(box.Length());
    zel::test::RecordingPrompts prompts;
    zel::SearchState state;
    zel::ReplaceDialog dialog(&window, state, box, prompts);
    Child<QLineEdit>(&dialog, "txtFind")->setText("G01");
    Child<QLineEdit>(&dialog, "txtReplace")->setText("G1");
    QSignalSpy changes(&box, &EditorBox::textChanged);
    QTest::mouseClick(Child<QPushButton>(&dialog, "AllChange"), Qt::LeftButton);
    QCOMPARE(prompts.requests.last().text, QString::number(occurrences) + " 回 変更しました。");
    QString expected = text;
    QCOMPARE(BoxText(box), expected.replace("G01", "G1"));
    // The caret stands after the last inserted text.
    QCOMPARE(box.SelectionStart(), box.Length() - 6);
    QVERIFY(changes.count() > 0);
    notifications << changes.count();
  }
  QCOMPARE(notifications[1], notifications[0]);
}

void TestSearchEditor::AllChangeWithoutOccurrenceLeavesTheEditorAlone() {
  QWidget window;
  EditorBox box(&window);
  SetBoxText(box, "N1 G00 X0\r\n");
  box.Select(3, 3);
  zel::test::RecordingPrompts prompts;
  zel::SearchState state;
  zel::ReplaceDialog dialog(&window, state, box, prompts);
  Child<QLineEdit>(&dialog, "txtFind")->setText("G01");
  QSignalSpy changes(&box, &EditorBox::textChanged);
  QTest::mouseClick(Child<QPushButton>(&dialog, "AllChange"), Qt::LeftButton);
  QCOMPARE(prompts.requests.last().text, QString("\"G01\" 見つかりませんでした。"));
  QCOMPARE(changes.count(), 0);
  QCOMPARE(box.SelectionStart(), 3);
  QCOMPARE(box.SelectionLength(), 3);
}

QTEST_MAIN(TestSearchEditor)
#include "tst_search_editor.moc"
