// The tool path in the preview window as the user sees it: the sample's path, times and
// tools, a click on a move, the step control, the block-skip switch and the machine rates.
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/settings.h"
#include "editor/editor_box.h"
#include "editor/text_codec.h"
#include "preview/preview_window.h"
#include "preview/toolpath_panel.h"
#include "preview/toolpath_view.h"
#include "tests/support/test_support.h"
#include "toolpath/path_drawing.h"

namespace zel {

namespace {

QString SampleText() {
  QFile file(qEnvironmentVariable("ZEL_SOURCE_DIR") + "/examples/SAMPLE.MIN");
  if (!file.open(QIODevice::ReadOnly)) qFatal("no sample program");
  return QString::fromUtf8(Cp932().Decode(file.readAll()).utf8);
}

// The window shown over the editor's text, once its first path has come.
struct Shown {
  explicit Shown(const QString& text) : window(editor) {
    editor.setText(text);
    panel = window.Toolpath();
    QSignalSpy shown(panel, &ToolpathPanel::PathShown);
    window.show();
    if (!shown.wait(10000)) qFatal("no path shown");
  }
  // Waits for the path of a change.
  bool Reinterpreted() { return QSignalSpy(panel, &ToolpathPanel::PathShown).wait(10000); }

  EditorBox editor;
  PreviewWindow window;
  ToolpathPanel* panel = nullptr;
};

int LineOf(const EditorBox& editor, const QString& start) {
  for (int line = 0; line < editor.lines(); ++line)
    if (editor.text(line).startsWith(start)) return line;
  return -1;
}

}  // namespace

class TestToolpathPanel : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { test::IsolateSettings(); }
  void SampleShowsTimesAndTools();
  void ClickOnAMovePutsTheCaretOnItsLine();
  void StepControlWalksTheMoves();
  void BlockSkipAndRatesInterpretAgain();
  void StoredRates_data();
  void StoredRates();
};

void TestToolpathPanel::SampleShowsTimesAndTools() {
  Shown shown(SampleText());
  const ProgramPath& path = *shown.panel->Path();
  QCOMPARE(test::Child<QLabel>(shown.panel, "lblCycleTime")->text(),
           QStringLiteral("サイクルタイム %1（切削 %2）")
               .arg(CycleTimeText(path.times.Total()), CycleTimeText(path.times.cutting)));
  QVERIFY(test::Child<QLabel>(shown.panel, "lblTimeParts")->text().contains("加減速なし"));
  auto* tools = test::Child<QTreeWidget>(shown.panel, "lstToolTimes");
  QCOMPARE(tools->topLevelItemCount(), 6);
  // The T word, the tool it selects and the tool the subprogram registers under that number.
  QCOMPARE(tools->topLevelItem(3)->text(0), QStringLiteral("T04 (T0404)"));
  QCOMPARE(tools->topLevelItem(3)->text(1), QStringLiteral("[4] 13 ネジ外径 ←"));
  QCOMPARE(tools->topLevelItem(3)->text(4), QStringLiteral("66.0"));
  QCOMPARE(test::Child<QTreeWidget>(shown.panel, "lstPathNotes")->topLevelItemCount(), 0);
}

void TestToolpathPanel::ClickOnAMovePutsTheCaretOnItsLine() {
  Shown shown(SampleText());
  // The view laid out at its size, so that the point below is where the click lands.
  QApplication::processEvents();
  auto* view = test::Child<ToolpathView>(shown.panel, "picPath");
  // The middle of N106 G01 Z-27.8 from X81.6 Z2.
  const int line = LineOf(shown.editor, "N106");
  // Zoomed in about it, so that the rapid 0.2 mm above it (N410) lies pixels apart.
  QPoint at = view->ToView().map(SectionPoint(81.6, -12.9)).toPoint();
  QWheelEvent wheel(at, view->mapToGlobal(at), {}, QPoint(0, 120 * 10), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  at = view->ToView().map(SectionPoint(81.6, -12.9)).toPoint();
  QTest::mouseClick(view, Qt::LeftButton, {}, at);
  int caret_line = -1, index = -1;
  shown.editor.getCursorPosition(&caret_line, &index);
  QCOMPARE(caret_line, line);
  // The caret's line is highlighted as the editor reports the caret's move, which it does
  // when it is shown.
  shown.editor.show();
  QTRY_COMPARE(view->HighlightLine(), line);
  // A drag moves the picture and goes nowhere.
  shown.editor.setCursorPosition(0, 0);
  QTest::mousePress(view, Qt::LeftButton, {}, at);
  QTest::mouseMove(view, at + QPoint(30, 0));
  QTest::mouseRelease(view, Qt::LeftButton, {}, at + QPoint(30, 0));
  shown.editor.getCursorPosition(&caret_line, &index);
  QCOMPARE(caret_line, 0);
}

void TestToolpathPanel::StepControlWalksTheMoves() {
  Shown shown("G00 X100 Z10\nG01 X80 F0.2 S500 M03\nZ-20\nG00 X100\n");
  auto* step = test::Child<QSlider>(shown.panel, "sldStep");
  auto* back = test::Child<QToolButton>(shown.panel, "cmdStepBack");
  auto* next = test::Child<QToolButton>(shown.panel, "cmdStepNext");
  auto* text = test::Child<QLabel>(shown.panel, "lblStep");
  // The whole path, the tip at its end.
  QCOMPARE(step->value(), 3);
  QVERIFY(!next->isEnabled());
  QCOMPARE(text->text(), QStringLiteral("移動 3 / 3  4 行目: G00 X100"));
  back->click();
  back->click();
  QCOMPARE(text->text(), QStringLiteral("移動 1 / 3  2 行目: G01 X80 F0.2 S500 M03"));
  back->click();
  QVERIFY(!back->isEnabled());
  QCOMPARE(text->text(), QStringLiteral("移動 0 / 3"));
  // An edit keeps the step where it was.
  shown.editor.append("Z-30\n");
  shown.window.Reread();
  QVERIFY(shown.Reinterpreted());
  QCOMPARE(step->value(), 0);
  QCOMPARE(step->maximum(), 4);
}

void TestToolpathPanel::BlockSkipAndRatesInterpretAgain() {
  Shown shown("G00 X100 Z10\nT0101 G42\n/G01 X80 F0.2 S500 M03\n");
  QCOMPARE(shown.panel->Path()->moves.size(), size_t(1));
  // Said once: the drawing is the programmed path, and the program has no end.
  QCOMPARE(test::Child<QLabel>(shown.panel, "lblPathNote")->text(),
           QStringLiteral("2 行目 G41/G42: 工具ノーズR補正は描かず、プログラムの経路を描きます。\n"
                          "M02/M30 がありません: 最後の行まで実行しました。"));
  test::Child<QCheckBox>(shown.panel, "chkBlockSkip")->setChecked(true);
  QVERIFY(shown.Reinterpreted());
  QCOMPARE(shown.panel->Path()->moves.size(), size_t(0));
  // A rate changed in the window is reported for the settings and counts at once.
  QSignalSpy changed(shown.panel, &ToolpathPanel::RatesChanged);
  test::Child<QDoubleSpinBox>(shown.panel, "txtToolChange")->setValue(7.5);
  QCOMPARE(changed.size(), 1);
  QCOMPARE(changed.at(0).at(0).value<MachineRates>().tool_change, 7.5);
  QVERIFY(shown.Reinterpreted());
  QVERIFY(test::Child<QLabel>(shown.panel, "lblTimeParts")->text().contains("工具交換 0:00:07.5"));
}

void TestToolpathPanel::StoredRates_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<double>("rapid_x");
  QTest::addColumn<double>("tool_change");
  const MachineRates defaults;
  QTest::newRow("numbers are read") << "12.5" << 12.5 << 12.5;
  QTest::newRow("zero: no tool change time, a rate by default") << "0" << defaults.rapid_x << 0.0;
  QTest::newRow("negative: the defaults") << "-3" << defaults.rapid_x << defaults.tool_change;
  QTest::newRow("not a number: the defaults") << "fast" << defaults.rapid_x << defaults.tool_change;
}

void TestToolpathPanel::StoredRates() {
  QFETCH(QString, stored);
  QFETCH(double, rapid_x);
  QFETCH(double, tool_change);
  {
    QSettings store(QStringLiteral("ZEL_Editor"), QStringLiteral("ZEL_Editor"));
    store.setValue(QStringLiteral("Settings/RapidX"), stored);
    store.setValue(QStringLiteral("Settings/ToolChange"), stored);
  }
  const MachineRates read = ReadMachineRates();
  QCOMPARE(read.rapid_x, rapid_x);
  QCOMPARE(read.tool_change, tool_change);
  WriteMachineRates(MachineRates{30, 36, 2500, 1.5});
  QCOMPARE(ReadMachineRates(), (MachineRates{30, 36, 2500, 1.5}));
}

}  // namespace zel

QTEST_MAIN(zel::TestToolpathPanel)
#include "tst_toolpath_panel.moc"
