#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/control_table.h"

namespace zel {

namespace {

using enum ControlKind;
// clang-format off
constexpr ControlRow kRows[] = {
    {u"Label1",  kLabel,   u"工具番号",   4920,  240, 1095, 255},
    {u"Text1",   kEntry,   u"10",         6840,  120, 1935, 495},
    {u"Command1", kButton, u"全消去",     5400, 5400, 1455, 615},
    {u"Check1",  kCheck,   u"ノーズR出力", 600,  120, 1935, 495},
    {u"Combo1",  kCombo,   u"",           5880,  840, 3135, 405},
    {u"List1",   kList,    u"",            120,  120, 1500, 1500},
    {u"Frame4",  kFrame,   u"補正位置",   1300, 3600, 1935, 1215},
    {u"NosePN(1)", kOption, u"",           120,  240,  375,  180, u"Frame4"},
    {u"NosePN(2)", kOption, u"",           840,  240,  375,  180, u"Frame4"},
    {u"Line1",   kLine,    u"",            480,  675, 1080,    0, u"Frame4"},
    {u"Line2",   kLine,    u"",            940,  420,    0,  540, u"Frame4"},
    {u"Text8",   kPane,    u"NOEX",        120, 5000, 5000, 2000},
    {u"Picture1", kPicture, u":/none.svg", 120,  840, 3000, 1500},
};
// clang-format on

// A class of the dialog's own for entry fields, to see the maker hook at work.
class OwnField : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
};

}  // namespace

class TestControlTable : public QObject {
  Q_OBJECT

 private slots:
  void ClassNameCaptionPlace_data();
  void ClassNameCaptionPlace();
  void FrameRowsHoldTheirChildren();
  void LinesAreOnePixelThick();
  void MakerHookTakesItsKinds();
  void TabOrderFollowsTheNames();
};

void TestControlTable::ClassNameCaptionPlace_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("class_name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("place");
  // clang-format off
  QTest::newRow("label shows its caption")    << "Label1"   << "QLabel"         << "工具番号"   << QRect(328, 16, 73, 17);
  QTest::newRow("entry starts with it")       << "Text1"    << "QLineEdit"      << "10"         << QRect(456, 8, 129, 33);
  QTest::newRow("button")                     << "Command1" << "QPushButton"    << "全消去"     << QRect(360, 360, 97, 41);
  QTest::newRow("check box")                  << "Check1"   << "QCheckBox"      << "ノーズR出力" << QRect(40, 8, 129, 33);
  QTest::newRow("combo box")                  << "Combo1"   << "QComboBox"      << ""           << QRect(392, 56, 209, 27);
  QTest::newRow("list box")                   << "List1"    << "QListWidget"    << ""           << QRect(8, 8, 100, 100);
  QTest::newRow("frame titled")               << "Frame4"   << "QGroupBox"      << "補正位置"   << QRect(87, 240, 129, 81);
  QTest::newRow("option inside its frame")    << "NosePN(1)" << "QRadioButton"  << ""           << QRect(8, 16, 25, 12);
  QTest::newRow("pane starts with it")        << "Text8"    << "QPlainTextEdit" << "NOEX"       << QRect(8, 333, 333, 133);
  QTest::newRow("picture has no caption")     << "Picture1" << "QLabel"         << ""           << QRect(8, 56, 200, 100);
  // clang-format on
}

QString CaptionOf(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
  if (auto* field = qobject_cast<QLineEdit*>(control)) return field->text();
  if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) return pane->toPlainText();
  return QString();
}

void TestControlTable::ClassNameCaptionPlace() {
  QFETCH(QString, name);
  QFETCH(QString, class_name);
  QFETCH(QString, caption);
  QFETCH(QRect, place);
  QWidget dialog;
  const ControlSet controls(&dialog, kRows);
  QWidget* control = controls.Find(name);
  QVERIFY(control);
  QCOMPARE(control->objectName(), name);
  QCOMPARE(QString::fromLatin1(control->metaObject()->className()), class_name);
  QCOMPARE(CaptionOf(control), caption);
  QCOMPARE(control->geometry(), place);
  QCOMPARE(dialog.findChild<QWidget*>(name), control);
}

void TestControlTable::FrameRowsHoldTheirChildren() {
  QWidget dialog;
  const ControlSet controls(&dialog, kRows);
  auto* frame = controls.Get<QGroupBox>(u"Frame4");
  QCOMPARE(controls.Get<QRadioButton>(u"NosePN(1)")->parentWidget(), frame);
  QCOMPARE(controls.Get<QRadioButton>(u"NosePN(2)")->parentWidget(), frame);
  QCOMPARE(controls.Get<QLabel>(u"Label1")->parentWidget(), &dialog);
  QCOMPARE(controls.Find(u"NoSuchControl"), nullptr);
  // A found control of another class is not given out as the class asked for.
  QCOMPARE(qobject_cast<QLabel*>(controls.Find(u"Text1")), nullptr);
}

void TestControlTable::LinesAreOnePixelThick() {
  QWidget dialog;
  const ControlSet controls(&dialog, kRows);
  auto* across = controls.Get<QFrame>(u"Line1");
  auto* down = controls.Get<QFrame>(u"Line2");
  QCOMPARE(across->frameShape(), QFrame::HLine);
  QCOMPARE(across->geometry(), QRect(32, 45, 72, 1));
  QCOMPARE(down->frameShape(), QFrame::VLine);
  QCOMPARE(down->geometry(), QRect(63, 28, 1, 36));
}

void TestControlTable::MakerHookTakesItsKinds() {
  QWidget dialog;
  QList<QString> asked;
  const ControlSet controls(&dialog, kRows, [&asked](const ControlRow& row, QWidget* parent) {
    asked.append(row.name.toString());
    return row.kind == kEntry ? new OwnField(parent) : nullptr;
  });
  QCOMPARE(asked.size(), qsizetype(std::size(kRows)));
  auto* field = controls.Get<QLineEdit>(u"Text1");
  QVERIFY(dynamic_cast<OwnField*>(field));
  // The table still names, captions and places what the hook made.
  QCOMPARE(field->objectName(), QStringLiteral("Text1"));
  QCOMPARE(field->text(), QStringLiteral("10"));
  QCOMPARE(field->geometry(), QRect(456, 8, 129, 33));
  QCOMPARE(QString::fromLatin1(controls.Find(u"Label1")->metaObject()->className()),
           QStringLiteral("QLabel"));
}

void TestControlTable::TabOrderFollowsTheNames() {
  QWidget dialog;
  const ControlSet controls(&dialog, kRows);
  controls.SetTabOrder({u"Text1", u"Combo1", u"Command1"});
  QCOMPARE(controls.Find(u"Text1")->nextInFocusChain(), controls.Find(u"Combo1"));
  QCOMPARE(controls.Find(u"Combo1")->nextInFocusChain(), controls.Find(u"Command1"));
}

}  // namespace zel

QTEST_MAIN(zel::TestControlTable)
#include "tst_control_table.moc"
