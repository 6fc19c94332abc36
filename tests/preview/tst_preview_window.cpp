#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include "editor/editor_box.h"
#include "editor/graphic_skeleton.h"
#include "preview/preview_window.h"

namespace zel {

namespace {

QString WithSubprogram(const QString& block) {
  QString text = QStringLiteral("N001 CALL OZEL\r\nN002 M02\r\n") + kGraphicSkeleton;
  text.insert(text.size() - kGraphicSkeleton.size() + kSkeletonCaretOffset, block);
  return text;
}

}  // namespace

class TestPreviewWindow : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithTheProgramRead();
  void ToolsNamedByTheCatalogue();
  void ProblemClickPutsTheCaretOnItsLine();
  void RereadsOnlyAfterThePause();
  void FrontSectionDrawnAndZoomed();
};

void TestPreviewWindow::OpensWithTheProgramRead() {
  EditorBox editor;
  editor.setText(WithSubprogram("NOEX VCHKD=50 VCHKL=20\r\nNOEX VWKR=9999\r\n"));
  PreviewWindow window(editor);
  window.show();
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
  window.show();
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
  window.show();
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

void TestPreviewWindow::RereadsOnlyAfterThePause() {
  EditorBox editor;
  editor.setText(WithSubprogram(""));
  PreviewWindow window(editor);
  window.show();
  QCOMPARE(window.Program().chuck.VCHKD, std::nullopt);
  editor.setCursorPosition(4, 0);
  editor.insert(QStringLiteral("NOEX VCHKD=50\r\n"));
  // Nothing is read while the changes come faster than the pause.
  QCOMPARE(window.Program().chuck.VCHKD, std::nullopt);
  QTRY_COMPARE_WITH_TIMEOUT(window.Program().chuck.VCHKD, std::optional<double>(50),
                            PreviewWindow::kRereadDelayMs * 10);
}

// The front view's worked example: outer circle D 100, bore D 60, drawn by the dialog's
// routines one pixel a unit and shown scaled; the wheel zooms and F fits again.
void TestPreviewWindow::FrontSectionDrawnAndZoomed() {
  EditorBox editor;
  editor.setText(
      WithSubprogram("N000 DEF WORKF\r\nN000 PF 0,[0,0],100,D\r\nN000 PF 0,[0,0],60,D,0\r\n"
                     "N000 PO [0, 30]\r\nN000 CI [0,0],[0,- 30],R,0\r\nN000 END\r\n"));
  PreviewWindow window(editor);
  window.show();
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

}  // namespace zel

QTEST_MAIN(zel::TestPreviewWindow)
#include "tst_preview_window.moc"
