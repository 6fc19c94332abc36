#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "generators/tool/tool_dialog.h"
#include "generators/tool/tool_picture.h"
#include "tests/support/dialog_harness.h"

namespace zel {

namespace {

using test::Lines;

const QString kWorkedExample = Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                                      "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6"});

}  // namespace

class TestToolDialog : public QObject, test::DialogHarness<ToolDialog> {
  Q_OBJECT

 public:
  TestToolDialog() : DialogHarness(QStringLiteral("Text8")) {}

 private slots:
  void init() { QVERIFY(Open()); }
  void cleanup() { Close(); }

  void OpeningState();
  void Captions_data();
  void Captions();
  void NoseGrid_data();
  void NoseGrid();
  void WorkedExampleEndToEnd();
  void EnterInShapeNumberForKind24GoesToWriteButton();
  void ZeroTypedEmptiesTheShapeNumber();
  void PictureShownAtItsPlace_data();
  void PictureShownAtItsPlace();
  void MissingPictureLeavesAnEmptyBox();
  void NoseOutputOnlyWhileShapeIsZero();
  void ToolNumberNotANumberStays_data();
  void ToolNumberNotANumberStays();
  void WrittenTwiceAndInsertedAtTheCaret();
  void ClearAllKeepsBothCheckMarks();
  void TransferAndCancel_data();
  void TransferAndCancel();
  void NoButtonIsDefault();

 private:
  QLineEdit* Field(const QString& name) const { return Find<QLineEdit>(name); }
  // Types into the focused field and presses Enter, as the user goes down the dialog.
  void TypeEnter(const QString& text) {
    QTest::keyClicks(Focus(), text);
    QTest::keyClick(Focus(), Qt::Key_Return);
  }
  // Chooses a kind from the list as the user does.
  void ChooseKind(int kind) {
    auto* list = Find<QComboBox>("Combo1");
    list->setFocus();
    list->setCurrentIndex(kind - 1);
    emit list->activated(kind - 1);
  }
  QStringList VisibleRows() const {
    QStringList rows;
    for (int i = 3; i <= 7; ++i) {
      if (Field(QString("Text%1").arg(i))->isVisible()) {
        rows << Find<QLabel>(QString("Label%1").arg(i))->text();
      }
    }
    return rows;
  }
  QString VisiblePicture() const {
    QStringList shown;
    for (QWidget* widget : dialog_->findChildren<QWidget*>()) {
      if (widget->objectName().startsWith("Picture") && widget->isVisible()) {
        shown << widget->objectName();
      }
    }
    return shown.join(",");
  }
};

void TestToolDialog::OpeningState() {
  QCOMPARE(dialog_->objectName(), QString("frmTool"));
  QCOMPARE(dialog_->windowTitle(), QString("工具登録"));
  QCOMPARE(dialog_->width(), 611);
  QCOMPARE(Focus(), Field("Text1"));
  QCOMPARE(Field("Text1")->text(), QString());
  QCOMPARE(Field("Text2")->text(), QString());
  auto* list = Find<QComboBox>("Combo1");
  QCOMPARE(list->count(), 38);
  QCOMPARE(list->currentIndex(), -1);
  QCOMPARE(list->itemText(0), QString("1 荒引き外径 ←"));
  QCOMPARE(list->itemText(23), QString("24 センタードリル"));
  QCOMPARE(list->itemText(37), QString("38 フライス ←"));
  QCOMPARE(VisibleRows(), QStringList());
  QCOMPARE(VisiblePicture(), QString());
  QVERIFY(!Find("Frame4")->isVisible());
  QVERIFY(Find<QRadioButton>("NosePN(2)")->isChecked());
  QVERIFY(!Find<QCheckBox>("Check1")->isChecked());
  QVERIFY(!Find<QCheckBox>("Check2")->isChecked());
  QVERIFY(Find<QCheckBox>("Check2")->isEnabled());
  QCOMPARE(Pane(), QString());
  QCOMPARE(Find("Text8")->geometry(), QRect(8, 333, 333, 133));
  QCOMPARE(Field("Text1")->font().pointSizeF(), 14.25);
  QCOMPARE(Find("Command1")->font().pointSizeF(), 12.0);
}

void TestToolDialog::Captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  // clang-format off
  QTest::newRow("Check2")   << "Check2"   << "ノーズR出力";
  QTest::newRow("Check1")   << "Check1"   << "工具寿命管理";
  QTest::newRow("Label1")   << "Label1"   << "工具番号";
  QTest::newRow("Label12")  << "Label12"  << "分  類";
  QTest::newRow("Label2")   << "Label2"   << "形状番号";
  QTest::newRow("Frame4")   << "Frame4"   << "補正位置";
  QTest::newRow("Command4") << "Command4" << "全消去";
  QTest::newRow("Command1") << "Command1" << "プログラム  書き込み";
  QTest::newRow("Command3") << "Command3" << "キャンセル";
  QTest::newRow("Command2") << "Command2" << "転送/終了";
  // clang-format on
}

void TestToolDialog::Captions() { CompareCaption(); }

void TestToolDialog::NoseGrid_data() {
  QTest::addColumn<int>("index");
  // The left edge and the middle line of each button, in pixels inside Frame4.
  QTest::addColumn<int>("left");
  QTest::addColumn<int>("middle");
  // clang-format off
  QTest::newRow("4 top left")      << 3 << 8  << 22;
  QTest::newRow("8 top middle")    << 7 << 56 << 22;
  QTest::newRow("3 top right")     << 2 << 96 << 22;
  QTest::newRow("5 middle left")   << 4 << 8  << 46;
  QTest::newRow("9 centre")        << 8 << 56 << 46;
  QTest::newRow("7 middle right")  << 6 << 96 << 46;
  QTest::newRow("1 bottom left")   << 0 << 8  << 70;
  QTest::newRow("6 bottom middle") << 5 << 56 << 70;
  QTest::newRow("2 bottom right")  << 1 << 96 << 70;
  // clang-format on
}

void TestToolDialog::NoseGrid() {
  QFETCH(int, index);
  QFETCH(int, left);
  QFETCH(int, middle);
  auto* button = Find<QRadioButton>(QString("NosePN(%1)").arg(index));
  QCOMPARE(button->text(), QString::number(index + 1));
  QCOMPARE(button->parentWidget(), Find("Frame4"));
  QCOMPARE(button->x(), left);
  QVERIFY(qAbs(button->geometry().center().y() - middle) <= 1);
  // Room for the circle and the digit, and clear of the next column.
  QVERIFY(button->width() >= button->sizeHint().width());
  QVERIFY(button->height() >= button->sizeHint().height());
  QVERIFY(button->geometry().right() < left + 40);
}

void TestToolDialog::WorkedExampleEndToEnd() {
  Click("Check2");  // "ノーズR出力" while no shape is chosen
  Field("Text1")->setFocus();
  TypeEnter("5");
  QCOMPARE(Focus(), Find("Combo1"));
  ChooseKind(14);
  QCOMPARE(VisiblePicture(), QString("Picture1(7)"));
  QTest::keyClick(Focus(), Qt::Key_Return);
  QCOMPARE(Focus(), Field("Text2"));
  TypeEnter("1");
  QCOMPARE(VisiblePicture(), QString("Picture2(18)"));
  QCOMPARE(VisibleRows(), QStringList({"突出し量     L=", "バイト幅/径  D=", "ノーズR     NR="}));
  QVERIFY(Find("Frame4")->isVisible());
  QVERIFY(!Find("Check2")->isEnabled());
  QVERIFY(Find<QRadioButton>("NosePN(5)")->isChecked());  // position 6
  QCOMPARE(Focus(), Field("Text3"));
  TypeEnter("30");
  TypeEnter("12");
  TypeEnter("0.4");
  QCOMPARE(Focus(), Find("Command1"));
  QCOMPARE(dialog_->PN(), QString("6"));

  Click("Command1");
  QCOMPARE(Pane(), kWorkedExample);
  QCOMPARE(Focus(), Field("Text1"));
  QCOMPARE(Field("Text1")->text(), QString("6"));
  QCOMPARE(Field("Text1")->selectedText(), QString("6"));
  // The rest stays for the next tool of the same shape.
  QCOMPARE(Field("Text3")->text(), QString("30"));
  QCOMPARE(Find<QComboBox>("Combo1")->currentIndex(), 13);

  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList({kWorkedExample}));
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
}

void TestToolDialog::EnterInShapeNumberForKind24GoesToWriteButton() {
  ChooseKind(24);
  Field("Text2")->setFocus();
  TypeEnter("1");
  QCOMPARE(VisiblePicture(), QString("Picture2(24)"));
  QCOMPARE(VisibleRows(), QStringList());
  QCOMPARE(Focus(), Find("Command1"));
}

void TestToolDialog::ZeroTypedEmptiesTheShapeNumber() {
  ChooseKind(1);
  Field("Text2")->setFocus();
  QTest::keyClicks(Field("Text2"), "2");
  Field("Text3")->setText("55");
  QTest::keyClick(Field("Text2"), Qt::Key_Backspace);
  QTest::keyClicks(Field("Text2"), "0");
  QCOMPARE(Field("Text2")->text(), QString());
  QCOMPARE(VisibleRows(), QStringList());
  QCOMPARE(Field("Text3")->text(), QString());
  QCOMPARE(VisiblePicture(), QString("Picture1(0)"));
}

void TestToolDialog::PictureShownAtItsPlace_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("shape");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QString>("resource");
  QTest::addColumn<QPoint>("place");
  // clang-format off
  QTest::newRow("kind 1: kind picture 0")   << 1  << ""  << "Picture1(0)"  << ":/tool_kind_0.svg"   << QPoint(8, 56);
  QTest::newRow("kind 38: kind picture 26") << 38 << ""  << "Picture1(26)" << ":/tool_kind_26.svg"  << QPoint(8, 56);
  QTest::newRow("kind 13 ←: picture 6")     << 13 << ""  << "Picture1(6)"  << ":/tool_kind_6.svg"   << QPoint(8, 56);
  QTest::newRow("kind 16 →: its own arrow") << 16 << ""  << "Picture1(6)"  << ":/tool_kind_6_16.svg" << QPoint(8, 56);
  QTest::newRow("kind 18 ↑: its own arrow") << 18 << ""  << "Picture1(8)"  << ":/tool_kind_8_18.svg" << QPoint(8, 56);
  QTest::newRow("kind 1 shape 6: shape 5")  << 1  << "6" << "Picture2(5)"  << ":/tool_shape_5.svg"  << QPoint(67, 56);
  QTest::newRow("kind 6 shape 7: shape 36") << 6  << "7" << "Picture2(36)" << ":/tool_shape_36.svg" << QPoint(67, 56);
  // clang-format on
}

void TestToolDialog::PictureShownAtItsPlace() {
  QFETCH(int, kind);
  QFETCH(QString, shape);
  QFETCH(QString, picture);
  QFETCH(QString, resource);
  QFETCH(QPoint, place);
  ChooseKind(kind);
  Field("Text2")->setText(shape);
  QCOMPARE(VisiblePicture(), picture);
  auto* box = Find<ToolPicture>(picture);
  QCOMPARE(box->Resource(), resource);
  QCOMPARE(box->pos(), place);
  // With or without its picture the box has a size, and it stays clear of the field rows and
  // the output pane.
  QVERIFY2(!box->size().isEmpty(), qPrintable(resource));
  QVERIFY(box->geometry().right() < Find("Label3")->x());
  QVERIFY(box->geometry().bottom() < Find("Text8")->y() + 2);
}

void TestToolDialog::MissingPictureLeavesAnEmptyBox() {
  // Fallback 3000 by 1500 twips, room 4500 by 3000: a missing picture gives the fallback box.
  ToolPicture missing("Picture2(99)", ":/no_such_picture.svg", QSize(3000, 1500), QSize(4500, 3000),
                      dialog_.get());
  QVERIFY(!missing.HasPicture());
  missing.ShowAt(1000, 840);
  QVERIFY(missing.isVisible());
  QCOMPARE(missing.geometry(), QRect(67, 56, 200, 100));
  missing.grab();  // paints the empty box

  // A picture that is there keeps its natural size where the room allows.
  ToolPicture present("Picture2(0)", ":/tool_shape_0.svg", QSize(3000, 1500), QSize(4500, 3000),
                      dialog_.get());
  if (!QFile::exists(PictureFile(":/tool_shape_0.svg")))
    QSKIP("the tool pictures are not in the resources");
  QVERIFY(present.HasPicture());
  present.ShowAt(1000, 840);
  const int border = 2 * present.frameWidth();
  // The shape pictures are drawn at 252 x 180 px (tst_tool_pictures).
  QCOMPARE(present.size(), QSize(252, 180) + QSize(border, border));
}

void TestToolDialog::NoseOutputOnlyWhileShapeIsZero() {
  ChooseKind(1);
  Click("Check2");
  QVERIFY(Find<QCheckBox>("Check2")->isChecked());
  Field("Text2")->setText("2");
  QVERIFY(!Find("Check2")->isEnabled());
  QCOMPARE(VisibleRows().size(), 4);
  QVERIFY(Find("Frame4")->isVisible());
  Field("Text2")->clear();
  QVERIFY(Find("Check2")->isEnabled());
  QVERIFY(!Find("Frame4")->isVisible());
  Click("Check2");
  Field("Text2")->setText("2");
  QCOMPARE(VisibleRows().size(), 3);
  QVERIFY(!Find("Frame4")->isVisible());
}

void TestToolDialog::ToolNumberNotANumberStays_data() {
  QTest::addColumn<QString>("number");
  QTest::addColumn<QString>("block");
  // clang-format off
  QTest::newRow("empty")   << ""    << Lines({"NOEX VTLIN[]=24 VTLFN[]=1"});
  QTest::newRow("letters") << "abc" << Lines({"NOEX VTLIN[abc]=24 VTLFN[abc]=1"});
  QTest::newRow("5a")      << "5a"  << Lines({"NOEX VTLIN[5a]=24 VTLFN[5a]=1"});
  // clang-format on
}

void TestToolDialog::ToolNumberNotANumberStays() {
  QFETCH(QString, number);
  QFETCH(QString, block);
  Field("Text1")->setText(number);
  ChooseKind(24);
  Field("Text2")->setText("1");
  Click("Command1");
  QCOMPARE(Pane(), block);
  QCOMPARE(Field("Text1")->text(), number);
  QCOMPARE(Field("Text1")->selectedText(), number);
  QCOMPARE(Focus(), Field("Text1"));
}

void TestToolDialog::WrittenTwiceAndInsertedAtTheCaret() {
  Field("Text1")->setText("1");
  ChooseKind(29);
  Field("Text2")->setText("1");
  Field("Text3")->setText("100");
  Field("Text4")->setText("20");
  Click("Command1");
  Click("Command1");
  const QString first = "NOEX VTLIN[1]=29 VTLFN[1]=1 VTLL[1]=100 VTLD[1]=20";
  const QString second = "NOEX VTLIN[2]=29 VTLFN[2]=1 VTLL[2]=100 VTLD[2]=20";
  QCOMPARE(Pane(), Lines({first, second}));
  // The caret put back between the two blocks (a line end counts two): the third block goes
  // there, not at the end.
  OutputPane* pane = PaneBox();
  pane->SetCaret(first.size() + 2);
  Click("Command1");
  const QString third = "NOEX VTLIN[3]=29 VTLFN[3]=1 VTLL[3]=100 VTLD[3]=20";
  QCOMPARE(Pane(), Lines({first, third, second}));
  QCOMPARE(pane->textCursor().position(), 2 * (first.size() + 1));
}

void TestToolDialog::ClearAllKeepsBothCheckMarks() {
  Click("Check2");
  Click("Check1");
  Field("Text1")->setText("3");
  ChooseKind(1);
  Field("Text2")->setText("2");
  Find<QRadioButton>("NosePN(0)")->click();
  Click("Command1");
  QVERIFY(!Pane().isEmpty());

  Click("Command4");
  QVERIFY(Find<QCheckBox>("Check2")->isChecked());
  QVERIFY(Find<QCheckBox>("Check1")->isChecked());
  QVERIFY(Find("Check2")->isEnabled());
  QCOMPARE(Pane(), QString());
  QCOMPARE(Field("Text1")->text(), QString());
  QCOMPARE(Field("Text2")->text(), QString());
  QCOMPARE(Find<QComboBox>("Combo1")->currentIndex(), -1);
  QCOMPARE(VisibleRows(), QStringList());
  QCOMPARE(VisiblePicture(), QString());
  QVERIFY(!Find("Frame4")->isVisible());
  QVERIFY(Find<QRadioButton>("NosePN(2)")->isChecked());  // kind 1's default, 3
  QCOMPARE(Focus(), Field("Text1"));
}

void TestToolDialog::TransferAndCancel_data() {
  QTest::addColumn<bool>("write");  // a tool of kind 24, shape 1, written first
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("blocks");
  QTest::addColumn<int>("result");
  // clang-format off
  QTest::newRow("empty pane transferred")        << false << "Command2" << QStringList{QString()} << int(QDialog::Accepted);
  QTest::newRow("cancel after a write: nothing") << true  << "Command3" << QStringList()          << int(QDialog::Rejected);
  // clang-format on
}

void TestToolDialog::TransferAndCancel() {
  QFETCH(bool, write);
  QFETCH(QString, button);
  QFETCH(QStringList, blocks);
  QFETCH(int, result);
  if (write) {
    ChooseKind(24);
    Field("Text2")->setText("1");
    Click("Command1");
  }
  Click(button);
  QCOMPARE(sink_.blocks, blocks);
  QCOMPARE(dialog_->result(), result);
  QVERIFY(!dialog_->isVisible());
}

void TestToolDialog::NoButtonIsDefault() {
  // Enter on a check box, an option or the list never writes or transfers.
  for (QPushButton* button : dialog_->findChildren<QPushButton*>()) {
    QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
  }
  ChooseKind(24);
  Field("Text2")->setText("1");
  for (const char* name : {"Check1", "NosePN(4)"}) {
    Find(name)->setFocus();
    QTest::keyClick(Find(name), Qt::Key_Return);
  }
  QCOMPARE(Pane(), QString());
  QCOMPARE(sink_.blocks, QStringList());
  QVERIFY(dialog_->isVisible());
}

}  // namespace zel

QTEST_MAIN(zel::TestToolDialog)
#include "tst_tool_dialog.moc"
