#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/editor_box.h"
#include "editor/graphic_skeleton.h"
#include "generators/common/preview_box.h"
#include "generators/sideview/work_dialog.h"
#include "generators/sideview/work_drawing.h"
#include "preview/preview_window.h"
#include "preview/side_section.h"
#include "tests/support/preview_pixels.h"
#include "tests/support/test_support.h"

namespace zel {

namespace {

// Shows the window, or reads again, and waits until the reading is shown.
bool WaitForReading(PreviewWindow& window) {
  return QTest::qWaitFor([&window] { return !window.Reading(); }, 10000);
}
bool ShowRead(PreviewWindow& window) {
  window.show();
  return WaitForReading(window);
}
bool RereadNow(PreviewWindow& window) {
  window.Reread();
  return WaitForReading(window);
}

QString WithSubprogram(const QString& block) {
  QString text = QStringLiteral("N001 CALL OZEL\r\nN002 M02\r\n") + kGraphicSkeleton;
  text.insert(text.size() - kGraphicSkeleton.size() + kSkeletonCaretOffset, block);
  return text;
}

// Writes shapes in the side-view dialog as the user does (kind, then the texts from Text2
// down, then "プログラム  書き込み") and hands back the dialog's preview picture and the block
// its "転送/終了" hands over.
struct WorkDialogResult {
  QImage preview;
  QString block;
};
WorkDialogResult WriteInWorkDialog(const QList<std::pair<int, QStringList>>& shapes) {
  test::RecordingPrompts prompts;
  test::RecordingBlockSink sink;
  WorkDialog dialog(GeneratorContext{prompts, sink});
  dialog.show();
  auto* list = test::Child<QComboBox>(&dialog, "Combo1");
  for (const auto& [sn, texts] : shapes) {
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(sn - 1);
    emit list->activated(sn - 1);
    for (int i = 0; i < texts.size(); ++i)
      test::Child<QLineEdit>(&dialog, QStringLiteral("Text%1").arg(i + 2))->setText(texts[i]);
    test::Child<QPushButton>(&dialog, "Command4")->click();
  }
  WorkDialogResult result;
  result.preview = test::Child<PreviewBox>(&dialog, "Picture1")->canvas().Image();
  test::Child<QPushButton>(&dialog, "Command2")->click();
  result.block = sink.blocks.value(0);
  return result;
}

// The colour a section view shows at the middle of the picture pixel that holds `point`.
PreviewColor ShownColorAt(SectionView& view, QPointF point) {
  const QImage shown = view.grab().toImage();
  const QImage& image = view.Image();
  const QRectF picture = view.PictureRect();
  const double scale = picture.width() / image.width();
  const QPointF pixel(std::floor(point.x() + image.width() / 2.0) + 0.5,
                      std::floor(point.y() + image.height() / 2.0) + 0.5);
  return RgbToPreviewColor(shown.pixel((picture.topLeft() + pixel * scale).toPoint()));
}

// The point of the picture (in its pixels) that stands under `at` in the view.
QPointF PicturePointAt(const SectionView& view, QPointF at) {
  const QRectF picture = view.PictureRect();
  return (at - picture.topLeft()) / (picture.width() / view.Image().width());
}

void Wheel(SectionView& view, QPointF at, int steps) {
  QWheelEvent wheel(at, view.mapToGlobal(at), {}, QPoint(0, 120 * steps), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
}

}  // namespace

class TestPreviewWindow : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithTheProgramRead();
  void ToolsNamedByTheCatalogue();
  void ProblemClickPutsTheCaretOnItsLine();
  void ProblemLinesCountLoneCrs();
  void ProblemListEndsWithTheCount();
  void RereadsOnlyAfterThePause();
  void NothingReadWhileHidden_data();
  void NothingReadWhileHidden();
  void ProblemGoneToOnce_data();
  void ProblemGoneToOnce();
  void FrontSectionDrawnAndZoomed();
  void SideSectionIsTheDialogsPicture();
  void SpindlesSideBySideChuckOnTheFirst();
  void SpindleColumnsFromEitherRow_data();
  void SpindleColumnsFromEitherRow();
  void OnlyTheLastBlockOfASpindleIsDrawn();
  void ZoomAndPlaceKeptOverRereads_data();
  void ZoomAndPlaceKeptOverRereads();
  void SectionViewTakesTheLeftPress();
  void ShapeTheDialogCannotDrawIsAProblem();
  void WheelZoomsAboutTheMouseDragMovesFitResets_data();
  void WheelZoomsAboutTheMouseDragMovesFitResets();
  void ReducedPictureKeepsItsAxes_data();
  void ReducedPictureKeepsItsAxes();
};

void TestPreviewWindow::OpensWithTheProgramRead() {
  EditorBox editor;
  editor.setText(WithSubprogram("NOEX VCHKD=50 VCHKL=20\r\nNOEX VWKR=9999\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QCOMPARE(window.objectName(), QStringLiteral("frmPreview"));
  QVERIFY(!window.isModal());
  QVERIFY(window.Program().found);
  QCOMPARE(window.Program().chuck.VCHKD, std::optional<double>(50));
  auto* chuck = window.findChild<QLabel*>("lblChuck");
  QVERIFY(chuck->text().contains(QStringLiteral("D1=50")));
  QVERIFY(chuck->text().contains(QStringLiteral("WR=9999")));
  QCOMPARE(window.findChild<QTreeWidget*>("lstProblems")->topLevelItemCount(), 0);
}

void TestPreviewWindow::ToolsNamedByTheCatalogue() {
  EditorBox editor;
  editor.setText(
      WithSubprogram("NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12\r\n"
                     "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  auto* tools = window.findChild<QTreeWidget*>("lstTools");
  QCOMPARE(tools->topLevelItemCount(), 1);
  const QTreeWidgetItem* tool = tools->topLevelItem(0);
  QCOMPARE(tool->text(0), QStringLiteral("5"));
  QCOMPARE(tool->text(1), QStringLiteral("14 ネジ内径 ←"));
  QCOMPARE(tool->text(2), QStringLiteral("1"));
  QCOMPARE(tool->text(3), QStringLiteral("L=30 D=12"));
  QCOMPARE(tool->text(4), QStringLiteral("0.4"));
  QCOMPARE(tool->text(5), QStringLiteral("6"));
}

void TestPreviewWindow::ProblemClickPutsTheCaretOnItsLine() {
  EditorBox editor;
  editor.setText(WithSubprogram(
      "N000 DEF WORK\r\nN000 PS RC,[0,0],[50,80]\r\nN000 PS RC,[0,0],[50,80\r\nN000 END\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  auto* problems = window.findChild<QTreeWidget*>("lstProblems");
  QCOMPARE(problems->topLevelItemCount(), 1);
  QTreeWidgetItem* item = problems->topLevelItem(0);
  // Two lines of main program, the skeleton's two head lines, DEF, one good PS: line 7.
  QCOMPARE(item->text(0), QStringLiteral("7"));
  QCOMPARE(item->text(1), ReadProblemText(ReadProblem::kBadPs));
  QCOMPARE(item->text(2), QStringLiteral("N000 PS RC,[0,0],[50,80"));
  const QRect row = problems->visualItemRect(item);
  QTest::mouseClick(problems->viewport(), Qt::LeftButton, {}, row.center());
  int line = -1;
  int index = -1;
  editor.getCursorPosition(&line, &index);
  QCOMPARE(line, 6);
  QCOMPARE(index, 0);
}

// Lines ended by a lone CR are lines in the editor box, and so in the list and for the caret.
void TestPreviewWindow::ProblemLinesCountLoneCrs() {
  EditorBox editor;
  editor.setText("A\rB\rC\r" + WithSubprogram("N000 DEF WROK\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QVERIFY(window.findChild<QLabel*>("lblStatus")->text().startsWith("OZEL: 7 行目～"));
  auto* problems = test::Child<QTreeWidget>(&window, "lstProblems");
  QTreeWidgetItem* item = problems->topLevelItem(0);
  QCOMPARE(item->text(0), QStringLiteral("8"));
  QTest::mouseClick(problems->viewport(), Qt::LeftButton, {},
                    problems->visualItemRect(item).center());
  int line = -1;
  int index = -1;
  editor.getCursorPosition(&line, &index);
  QCOMPARE(line, 7);
  QCOMPARE(editor.text(line).trimmed(), QStringLiteral("N000 DEF WROK"));
}

// Beyond the listed problems a last row says how many more there are; it goes nowhere.
void TestPreviewWindow::ProblemListEndsWithTheCount() {
  QString block;
  for (int i = 0; i < kMaxListedProblems + 6; ++i) block += "N000 DEF WROK\r\n";
  EditorBox editor;
  editor.setText(WithSubprogram(block));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QVERIFY(window.findChild<QLabel*>("lblStatus")->text().endsWith("問題 1006 件"));
  auto* problems = test::Child<QTreeWidget>(&window, "lstProblems");
  QCOMPARE(problems->topLevelItemCount(), kMaxListedProblems + 1);
  QTreeWidgetItem* more = problems->topLevelItem(kMaxListedProblems);
  QCOMPARE(more->text(1), QStringLiteral("ほか 6 件の問題は表示していません"));
  QSignalSpy shown(&window, &PreviewWindow::ProblemShown);
  problems->scrollToItem(more);
  QTest::mouseClick(problems->viewport(), Qt::LeftButton, {},
                    problems->visualItemRect(more).center());
  QCOMPARE(shown.size(), 0);
}

void TestPreviewWindow::RereadsOnlyAfterThePause() {
  EditorBox editor;
  editor.setText(WithSubprogram(""));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QCOMPARE(window.Program().chuck.VCHKD, std::nullopt);
  editor.setCursorPosition(4, 0);
  editor.insert(QStringLiteral("NOEX VCHKD=50\r\n"));
  // Nothing is read while the changes come faster than the pause.
  QCOMPARE(window.Program().chuck.VCHKD, std::nullopt);
  QTRY_COMPARE_WITH_TIMEOUT(window.Program().chuck.VCHKD, std::optional<double>(50),
                            PreviewWindow::kRereadDelayMs * 10);
}

// The window made once and kept by the main window reads nothing while it is hidden, also
// when it is hidden during the pause; showing it again reads the text.
void TestPreviewWindow::NothingReadWhileHidden_data() {
  QTest::addColumn<bool>("change_first");
  // clang-format off
  QTest::newRow("changed while hidden")        << false;
  QTest::newRow("hidden during the pause")     << true;
  // clang-format on
}

void TestPreviewWindow::NothingReadWhileHidden() {
  QFETCH(bool, change_first);
  EditorBox editor;
  editor.setText(WithSubprogram(""));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  const auto change = [&editor] {
    editor.setCursorPosition(4, 0);
    editor.insert(QStringLiteral("NOEX VCHKD=50\r\n"));
  };
  if (change_first) change();
  window.hide();
  if (!change_first) change();
  QTest::qWait(PreviewWindow::kRereadDelayMs * 3);
  QCOMPARE(window.Program().chuck.VCHKD, std::nullopt);
  QVERIFY(ShowRead(window));
  QCOMPARE(window.Program().chuck.VCHKD, std::optional<double>(50));
}

// A click on a problem, a double click and Enter on it each put the caret on its line once.
void TestPreviewWindow::ProblemGoneToOnce_data() {
  QTest::addColumn<QString>("how");
  // clang-format off
  QTest::newRow("click")        << "click";
  QTest::newRow("double click") << "double click";
  QTest::newRow("Enter")        << "Enter";
  QTest::newRow("keypad Enter") << "keypad Enter";
  // clang-format on
}

void TestPreviewWindow::ProblemGoneToOnce() {
  QFETCH(QString, how);
  EditorBox editor;
  editor.setText(WithSubprogram("N000 DEF WROK\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* problems = test::Child<QTreeWidget>(&window, "lstProblems");
  QTreeWidgetItem* item = problems->topLevelItem(0);
  QVERIFY(item);
  QSignalSpy shown(&window, &PreviewWindow::ProblemShown);
  const QPoint at = problems->visualItemRect(item).center();
  if (how == "click") {
    QTest::mouseClick(problems->viewport(), Qt::LeftButton, {}, at);
  } else if (how == "double click") {
    // As the window system delivers it: a click, then the double click and its release.
    QTest::mouseClick(problems->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(problems->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(problems->viewport(), Qt::LeftButton, {}, at);
  } else {
    problems->setCurrentItem(item);
    problems->setFocus();
    QTest::keyClick(problems, how == "Enter" ? Qt::Key_Return : Qt::Key_Enter,
                    how == "Enter" ? Qt::NoModifier : Qt::KeypadModifier);
  }
  QCOMPARE(shown.size(), 1);
  // Two lines of main program, the skeleton's two head lines: line 4.
  QCOMPARE(shown.front().front().toInt(), 4);
  int line = -1;
  int index = -1;
  editor.getCursorPosition(&line, &index);
  QCOMPARE(line, 4);
}

// The front view's worked example: outer circle D 100, bore D 60, drawn by the dialog's
// routines one pixel a unit and shown scaled; the wheel zooms and F fits again.
void TestPreviewWindow::FrontSectionDrawnAndZoomed() {
  EditorBox editor;
  editor.setText(
      WithSubprogram("N000 DEF WORKF\r\nN000 PF 0,[0,0],100,D\r\nN000 PF 0,[0,0],60,D,0\r\n"
                     "N000 PO [0, 30]\r\nN000 CI [0,0],[0,- 30],R,0\r\nN000 END\r\n"));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  auto* view = window.findChild<SectionView*>("picFront");
  QVERIFY(view);
  const QImage& image = view->Image();
  const QPoint centre(image.width() / 2, image.height() / 2);
  const QRgb yellow = qRgb(255, 255, 0);
  const QRgb black = qRgb(0, 0, 0);
  QCOMPARE(image.pixel(centre + QPoint(40, 20)), yellow);              // in the ring
  QCOMPARE(image.pixel(centre + QPoint(15, 15)), black);               // in the bore
  QCOMPARE(image.pixel(centre + QPoint(45, 45)), black);               // outside the material
  QCOMPARE(image.pixel(centre + QPoint(40, 0)), qRgb(255, 255, 255));  // the axis over it
  QWheelEvent wheel(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, 240),
                    Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  QVERIFY(view->Zoom() > 1.5);
  view->setFocus();
  QTest::keyClick(view, Qt::Key_F);
  QCOMPARE(view->Zoom(), 1.0);
}

// The side view's worked example typed into the dialog and the block it hands over read by the
// preview: the same picture around the origin, shown scaled in the window.
void TestPreviewWindow::SideSectionIsTheDialogsPicture() {
  const WorkDialogResult dialog = WriteInWorkDialog(
      {{1, {"0", "80", "50"}}, {2, {"-50", "80", "60", "20"}}, {5, {"0", "30", "40"}}});
  QCOMPARE(dialog.block, test::Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]",
                                      "N000 PT LF,RC,[-50,0],[80,60],[20,0]",
                                      "N000 PS RC,[0,0],[40,30],0", "N000 END"}));
  EditorBox editor;
  editor.setText(WithSubprogram(dialog.block));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  auto* view = test::Child<SectionView>(&window, "picWork");
  QVERIFY(!window.findChild<SectionView*>("picWorkS"));
  // Every pixel both pictures hold, away from the edges where each writes its axis labels.
  const std::optional<QPoint> difference =
      test::FirstDifferenceAroundOrigin(view->Image(), dialog.preview, 16);
  QVERIFY2(!difference, qPrintable(QStringLiteral("pictures differ at (%1, %2)")
                                       .arg(difference ? difference->x() : 0)
                                       .arg(difference ? difference->y() : 0)));
  QVERIFY(test::CountPixels(view->Image(), kPreviewYellow) > 3000);
  // Shown scaled: the material yellow, the bore black, the axis white.
  QCOMPARE(ShownColorAt(*view, {-25, -30}), kPreviewYellow);
  QCOMPARE(ShownColorAt(*view, {-20, -10}), kPreviewBlack);
  QCOMPARE(ShownColorAt(*view, {-60, 0}), kPreviewWhite);
}

// Both spindles' blocks: spindle 1 left of spindle 2, the chuck jaw on the first only.
void TestPreviewWindow::SpindlesSideBySideChuckOnTheFirst() {
  EditorBox editor;
  editor.setText(WithSubprogram(
      test::Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-80", "NOEX VWKR=9999",
                   "N000 DEF WORK[S]", "N000 PS LC,[0,0],[60,70]", "N000 END",  //
                   "N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END",     //
                   "N000 DEF WORKF[S]", "N000 PF 0,[0,0],70,D", "N000 END",     //
                   "N000 DEF WORKF", "N000 PF 0,[0,0],80,D", "N000 END"})));
  PreviewWindow window(editor);
  window.resize(900, 800);
  QVERIFY(ShowRead(window));
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* first = test::Child<SectionView>(&window, "picWork");
  auto* second = test::Child<SectionView>(&window, "picWorkS");
  auto* first_front = test::Child<SectionView>(&window, "picFront");
  auto* second_front = test::Child<SectionView>(&window, "picFrontS");
  QVERIFY(first->geometry().right() < second->geometry().left());
  QVERIFY(first_front->geometry().right() < second_front->geometry().left());
  QVERIFY(first->geometry().bottom() < first_front->geometry().top());
  QVERIFY(test::CountPixels(first->Image(), kJawColor) > 100);
  QCOMPARE(test::CountPixels(second->Image(), kJawColor), 0);
  QCOMPARE(test::ColorAt(second->Image(), {30, -30}), kPreviewYellow);
  QCOMPARE(test::ColorAt(first->Image(), {-30, -30}), kPreviewYellow);
}

// The columns belong to the spindles that appear in either row, spindle 1 on the left, so
// that a spindle's X-Y section stands under its own X-Z section also when the rows hold
// different spindles.
void TestPreviewWindow::SpindleColumnsFromEitherRow_data() {
  QTest::addColumn<QStringList>("defs");   // each a block with one shape
  QTest::addColumn<QStringList>("views");  // "name column": the sections shown and where
  QTest::addColumn<int>("columns");
  // clang-format off
  QTest::newRow("both sides, front 2 only")  << QStringList{"DEF WORK", "DEF WORK[S]", "DEF WORKF[S]"}  << QStringList{"picWork 0", "picWorkS 1", "picFrontS 1"} << 2;
  QTest::newRow("side 2 only, both fronts")  << QStringList{"DEF WORK[S]", "DEF WORKF", "DEF WORKF[S]"} << QStringList{"picWorkS 1", "picFront 0", "picFrontS 1"} << 2;
  QTest::newRow("side 1, front 2")           << QStringList{"DEF WORK", "DEF WORKF[S]"}                 << QStringList{"picWork 0", "picFrontS 1"}                << 2;
  QTest::newRow("side 2, front 1")           << QStringList{"DEF WORK[S]", "DEF WORKF"}                 << QStringList{"picWorkS 1", "picFront 0"}                << 2;
  QTest::newRow("spindle 2 alone")           << QStringList{"DEF WORK[S]", "DEF WORKF[S]"}              << QStringList{"picWorkS 0", "picFrontS 0"}               << 1;
  QTest::newRow("spindle 1 alone")           << QStringList{"DEF WORK", "DEF WORKF"}                    << QStringList{"picWork 0", "picFront 0"}                 << 1;
  // clang-format on
}

void TestPreviewWindow::SpindleColumnsFromEitherRow() {
  QFETCH(QStringList, defs);
  QFETCH(QStringList, views);
  QFETCH(int, columns);
  QStringList lines;
  for (const QString& def : defs) {
    lines << "N000 " + def
          << (def.contains("WORKF") ? "N000 PF 0,[0,0],80,D" : "N000 PS RC,[0,0],[50,80]")
          << "N000 END";
  }
  EditorBox editor;
  editor.setText(WithSubprogram(test::Lines(lines)));
  PreviewWindow window(editor);
  window.resize(900, 800);
  QVERIFY(ShowRead(window));
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* sections = test::Child<QWidget>(&window, "fraSections");
  const QList<SectionView*> shown = sections->findChildren<SectionView*>();
  QCOMPARE(std::count_if(shown.begin(), shown.end(), [](SectionView* v) { return v->isVisible(); }),
           views.size());
  const double column_width = double(sections->width()) / columns;
  for (const QString& entry : views) {
    const QString name = entry.section(u' ', 0, 0);
    const int column = entry.section(u' ', 1, 1).toInt();
    auto* view = test::Child<SectionView>(&window, name);
    const double middle = view->geometry().center().x();
    QVERIFY2(std::abs(middle - (column + 0.5) * column_width) < column_width / 4,
             qPrintable(name + QStringLiteral(" stands at %1").arg(middle)));
    // The X-Z row above the X-Y row.
    QCOMPARE(view->geometry().center().y() < sections->height() / 2, name.startsWith("picWork"));
  }
}

// Of two side-view blocks of spindle 1 the last one is drawn, in one view; the first is
// listed as replaced.
void TestPreviewWindow::OnlyTheLastBlockOfASpindleIsDrawn() {
  EditorBox editor;
  editor.setText(
      WithSubprogram(test::Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END",
                                  "N000 DEF WORK", "N000 PS RC,[0,0],[50,40]", "N000 END"})));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  const QList<SectionView*> views = window.findChildren<SectionView*>();
  QCOMPARE(std::count_if(views.begin(), views.end(), [](SectionView* v) { return v->isVisible(); }),
           1);
  auto* view = test::Child<SectionView>(&window, "picWork");
  QCOMPARE(test::ColorAt(view->Image(), {-25, -15}), kPreviewYellow);
  QCOMPARE(test::ColorAt(view->Image(), {-25, -30}), kPreviewBlack);
  auto* problems = test::Child<QTreeWidget>(&window, "lstProblems");
  QCOMPARE(problems->topLevelItemCount(), 1);
  // Two lines of main program, the skeleton's two head lines: the first DEF is line 5.
  QCOMPARE(problems->topLevelItem(0)->text(0), QStringLiteral("5"));
  QCOMPARE(problems->topLevelItem(0)->text(1), ReadProblemText(ReadProblem::kBlockReplaced));
}

// A zoomed and moved section keeps its zoom and place when the program is read again, also
// when it changes or its block is gone for a while.
void TestPreviewWindow::ZoomAndPlaceKeptOverRereads_data() {
  QTest::addColumn<QStringList>("edits");  // the side-view block after each edit
  const QStringList block = {"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END"};
  const QStringList longer = {"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]",
                              "N000 PS RC,[-50,0],[30,60]", "N000 END"};
  // clang-format off
  QTest::newRow("read again")           << QStringList{test::Lines(block)};
  QTest::newRow("a shape added")        << QStringList{test::Lines(longer)};
  QTest::newRow("block gone and back")  << QStringList{QString(), test::Lines(longer)};
  // clang-format on
}

void TestPreviewWindow::ZoomAndPlaceKeptOverRereads() {
  QFETCH(QStringList, edits);
  EditorBox editor;
  editor.setText(
      WithSubprogram(test::Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END"})));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* view = test::Child<SectionView>(&window, "picWork");
  Wheel(*view, QPointF(40, 30), 2);
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(50, 50));
  QMouseEvent move(QEvent::MouseMove, QPointF(70, 60), view->mapToGlobal(QPointF(70, 60)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(view, &move);
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(70, 60));
  const double zoom = view->Zoom();
  const auto offset = [view] {
    return view->PictureRect().center() - QRectF(view->rect()).center();
  };
  const QPointF moved = offset();
  QVERIFY(zoom > 1.5);
  QVERIFY(moved.manhattanLength() > 10);
  for (const QString& edit : edits) {
    editor.setText(WithSubprogram(edit));
    QVERIFY(RereadNow(window));
  }
  QCOMPARE(test::Child<SectionView>(&window, "picWork"), view);
  QVERIFY(view->isVisible());
  QCOMPARE(view->Zoom(), zoom);
  QCOMPARE(offset(), moved);
}

// A left press on a section starts a drag there and goes no further.
void TestPreviewWindow::SectionViewTakesTheLeftPress() {
  QImage image(121, 61, QImage::Format_RGB32);
  image.fill(Qt::black);
  SectionView view(image);
  view.resize(300, 200);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100),
                    view.mapToGlobal(QPointF(100, 100)), Qt::LeftButton, Qt::LeftButton, {});
  press.ignore();
  QApplication::sendEvent(&view, &press);
  QVERIFY(press.isAccepted());
}

// An arc whose radius is below half its chord: the dialog answers "計算エラー"; the preview
// lists its line and draws the other shapes.
void TestPreviewWindow::ShapeTheDialogCannotDrawIsAProblem() {
  EditorBox editor;
  editor.setText(WithSubprogram(test::Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]",
                                             "N000 PT SS,LC,[0,0],[40,40],[20,10]", "N000 END"})));
  PreviewWindow window(editor);
  QVERIFY(ShowRead(window));
  auto* problems = test::Child<QTreeWidget>(&window, "lstProblems");
  QCOMPARE(problems->topLevelItemCount(), 1);
  // Two lines of main program, the skeleton's two head lines, DEF, the cylinder: line 7.
  QCOMPARE(problems->topLevelItem(0)->text(0), QStringLiteral("7"));
  QCOMPARE(problems->topLevelItem(0)->text(1), ReadProblemText(ReadProblem::kShapeNotComputable));
  QCOMPARE(problems->topLevelItem(0)->text(2),
           QStringLiteral("N000 PT SS,LC,[0,0],[40,40],[20,10]"));
  auto* view = test::Child<SectionView>(&window, "picWork");
  QCOMPARE(test::ColorAt(view->Image(), {-25, -30}), kPreviewYellow);
}

// The wheel zooms about the point under the mouse, a drag moves the picture, F fits it again.
void TestPreviewWindow::WheelZoomsAboutTheMouseDragMovesFitResets_data() {
  QTest::addColumn<QPointF>("mouse");
  QTest::addColumn<int>("steps");
  // clang-format off
  QTest::newRow("in, middle")        << QPointF(150, 100) << 2;
  QTest::newRow("in, top left")      << QPointF(20, 15)   << 3;
  QTest::newRow("in, outside image") << QPointF(290, 190) << 1;
  QTest::newRow("out, right")        << QPointF(250, 100) << -2;
  // clang-format on
}

void TestPreviewWindow::WheelZoomsAboutTheMouseDragMovesFitResets() {
  QFETCH(QPointF, mouse);
  QFETCH(int, steps);
  QImage image(121, 61, QImage::Format_RGB32);
  image.fill(Qt::black);
  SectionView view(image);
  view.resize(300, 200);
  const QRectF fitted = view.PictureRect();
  const QPointF under = PicturePointAt(view, mouse);
  Wheel(view, mouse, steps);
  QCOMPARE(view.Zoom(), std::pow(1.25, steps));
  QVERIFY(std::abs(view.PictureRect().width() / fitted.width() - view.Zoom()) < 1e-9);
  const QPointF still = PicturePointAt(view, mouse);
  QVERIFY(std::abs(still.x() - under.x()) < 1e-6 && std::abs(still.y() - under.y()) < 1e-6);
  const QRectF zoomed = view.PictureRect();
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 80), view.mapToGlobal(QPointF(130, 80)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &move);
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(130, 80));
  QCOMPARE(view.PictureRect(), zoomed.translated(30, -20));
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_F);
  QCOMPARE(view.Zoom(), 1.0);
  QCOMPARE(view.PictureRect(), fitted);
}

// A picture larger than its view is shown reduced; its one-pixel axes must not drop out with
// the rows and columns a plain reduction leaves away.
void TestPreviewWindow::ReducedPictureKeepsItsAxes_data() {
  QTest::addColumn<QSize>("view_size");
  // clang-format off
  QTest::newRow("to a third")    << QSize(267, 200);
  QTest::newRow("to a quarter")  << QSize(200, 150);
  QTest::newRow("to 0.31")       << QSize(247, 185);
  QTest::newRow("to 0.7")        << QSize(561, 421);
  QTest::newRow("to 0.15")       << QSize(120, 90);
  // clang-format on
}

void TestPreviewWindow::ReducedPictureKeepsItsAxes() {
  QFETCH(QSize, view_size);
  PreviewCanvas canvas(QSize(801, 601));
  InitWorkPreview(canvas);
  SectionView view(canvas.Image());
  view.resize(view_size);
  const QImage shown = view.grab().toImage();
  const QRect picture = view.PictureRect().toRect().adjusted(1, 1, -1, -1);
  const QPoint middle = picture.center();
  // Across the middle band of rows every column, down the middle band of columns every row
  // shows the white axis, in white.
  const auto lit = [&shown](int x, int y) { return shown.pixel(x, y) == qRgb(255, 255, 255); };
  for (int x = picture.left(); x <= picture.right(); ++x) {
    bool any = false;
    for (int y = middle.y() - 2; y <= middle.y() + 2; ++y) any |= lit(x, y);
    QVERIFY2(any, qPrintable(QStringLiteral("column %1").arg(x)));
  }
  for (int y = picture.top(); y <= picture.bottom(); ++y) {
    bool any = false;
    for (int x = middle.x() - 2; x <= middle.x() + 2; ++x) any |= lit(x, y);
    QVERIFY2(any, qPrintable(QStringLiteral("row %1").arg(y)));
  }
}

}  // namespace zel

QTEST_MAIN(zel::TestPreviewWindow)
#include "tst_preview_window.moc"
