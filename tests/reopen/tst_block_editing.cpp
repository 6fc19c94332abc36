#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/editor_box.h"
#include "editor/range_block_sink.h"
#include "generators/common/generator_context.h"
#include "generators/common/output_pane.h"
#include "reopen/block_editing.h"
#include "tests/support/test_support.h"

namespace zel {

namespace {

using test::Lines;

// clang-format off
const QString kProgram = Lines({
    "O1000",                                                // 0
    "NOEX VCHIO=0 (OD CLAMP)",                              // 1
    "NOEX VCHSW=1 (CENTER WORK)",
    "NOEX VCHKD=50 VCHKL=20",
    "NOEX VCHKX=100 VCHKZ=-150",
    "NOEX VTSDA=10 VTSDB=30",
    "NOEX VTSL=40 VWKR=200",                                // 6
    "NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",    // 7
    "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6",
    "N000 DEF WORK",                                        // 9
    "N000 PS RC,[0,0],[50,80]",
    "N000 END",
    "NOEX VSCTA=2 (X-Y SECTION)",                           // 12
    "N000 DEF WORKF",                                       // 13
    "N000 PF 0,[0,0],100,D",
    "N000 END",                                             // 15
    "N000 DEF WORK[S]",                                     // 16
    "N000 PT SS,RC,[0,0],[40,40],[20,5]",
    "N000 END",                                             // 18
    "N000 DEF WORKF[S]\nN000 END"});                        // 19, 20
// clang-format on

}  // namespace

class TestBlockEditing : public QObject {
  Q_OBJECT

 private slots:
  void MessagesBeforeOpening_data();
  void MessagesBeforeOpening();
  void EditAndTransferBack_data();
  void EditAndTransferBack();
};

void TestBlockEditing::MessagesBeforeOpening_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("told");
  // clang-format off
  QTest::newRow("no block at the caret") << 0
      << "カーソル位置に編集できるブロックがありません。 | ZEL_Editor | information | OK";
  QTest::newRow("a shape that cannot be worked out") << 18
      << "18 行目: 計算エラー: この図形は描けません\nN000 PT SS,RC,[0,0],[40,40],[20,5] | ZEL_Editor | warning | OK";
  QTest::newRow("an LF line end, asked and answered No") << 20
      << "このブロックは、転送するとダイアログの書き方で書き直されます。\n\n20 行目から、行末が CR LF になります。\n\n開きますか ? | ZEL_Editor | warning | Yes/No, default Yes";
  // clang-format on
}

void TestBlockEditing::MessagesBeforeOpening() {
  QFETCH(int, line);
  QFETCH(QString, told);
  EditorBox box;
  test::SetBoxText(box, kProgram);
  test::RecordingPrompts prompts;
  prompts.Script({PromptAnswer::kNo});
  QVERIFY(!PrepareBlockEdit(box, line, prompts, nullptr));
  QCOMPARE(prompts.requests.size(), 1);
  QCOMPARE(test::Describe(prompts.requests.front()), told);
}

void TestBlockEditing::EditAndTransferBack_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("field");  // a field that opens filled in, and its text
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("typed");  // field, new text; "" clicks the write button
  QTest::addColumn<QString>("before");     // what the program then holds in place of `before`
  QTest::addColumn<QString>("after");
  // clang-format off
  QTest::newRow("chuck, CZ changed") << 6 << "frmChuck" << "Text5" << "-150" << QStringList{"Text5", "-140"}
      << "VCHKZ=-150" << "VCHKZ=-140";
  QTest::newRow("tool, D changed")  << 7 << "frmTool" << "Text4" << "12" << QStringList{"Text4", "14", ""}
      << "VTLD[5]=12" << "VTLD[5]=14";
  QTest::newRow("side view, one more cylinder at the chain's Z") << 10 << "frmWork" << "Text2" << "-50"
      << QStringList{"Text3", "60", "Text4", "10", ""}
      << "[50,80]\r\n" << "[50,80]\r\nN000 PS RC,[-50,0],[10,60]\r\n";
  QTest::newRow("tool transferred before written: refused") << 8 << "frmTool" << "Text3" << "30"
      << QStringList{} << "" << "";
  QTest::newRow("front view unchanged") << 14 << "frmWorkFace" << "Text1" << Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 END"})
      << QStringList{} << "" << "";
  // clang-format on
}

void TestBlockEditing::EditAndTransferBack() {
  QFETCH(int, line);
  QFETCH(QString, dialog);
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(QStringList, typed);
  QFETCH(QString, before);
  QFETCH(QString, after);
  EditorBox box;
  test::SetBoxText(box, kProgram);
  test::RecordingPrompts prompts;
  const std::optional<BlockEdit> edit = PrepareBlockEdit(box, line, prompts, nullptr);
  QVERIFY(edit && prompts.requests.isEmpty());
  RangeBlockSink sink(box, edit->start, edit->length);
  const std::unique_ptr<QDialog> opened =
      MakeReopenedDialog(edit->block, GeneratorContext{prompts, sink}, nullptr);
  opened->show();
  QVERIFY(QTest::qWaitForWindowActive(opened.get()));
  QCOMPARE(opened->objectName(), dialog);
  const QWidget* shown = test::Child<QWidget>(opened.get(), field);
  const auto* pane = qobject_cast<const OutputPane*>(shown);
  QCOMPARE(pane ? pane->Block() : static_cast<const QLineEdit*>(shown)->text(), text);
  for (qsizetype i = 0; i < typed.size(); ++i) {
    if (!typed[i].isEmpty()) {
      const QString& name = typed[i++];
      test::Child<QLineEdit>(opened.get(), name)->setText(typed[i]);
      continue;
    }
    const char* write = dialog == "frmTool" ? "Command1" : "Command4";
    QTest::mouseClick(test::Child<QPushButton>(opened.get(), write), Qt::LeftButton);
  }
  QTest::mouseClick(test::Child<QPushButton>(opened.get(), "Command2"), Qt::LeftButton);
  // A reopened tool's pane starts empty: handed over unwritten, it would only delete the tool.
  const bool refused = dialog == "frmTool" && typed.isEmpty();
  QCOMPARE(opened->isVisible(), refused);
  QCOMPARE(prompts.requests.size(), refused ? 1 : 0);
  if (refused) QVERIFY(prompts.requests[0].text.startsWith("書き込まれたブロックがありません。"));
  QString expected = kProgram;
  QCOMPARE(test::BoxText(box), expected.replace(before, after));
  if (!refused)
    QCOMPARE(box.SelectionStart(), edit->start + edit->length + after.size() - before.size());
}

}  // namespace zel

QTEST_MAIN(zel::TestBlockEditing)
#include "tst_block_editing.moc"
