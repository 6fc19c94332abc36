#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>

#include "preview/graphic_reader.h"
#include "preview/preview_reading.h"
#include "preview/zoom_view.h"

class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace zel {

class BackgroundJobs;
class EditorBox;
class ToolpathPanel;

// A section picture drawn by a dialog's own routines at one pixel a unit, shown scaled to fit
// the view; it zooms, moves and fits again (F) as every picture view does.
class SectionView : public ZoomView {
  Q_OBJECT

 public:
  explicit SectionView(QImage image, QWidget* parent = nullptr);
  const QImage& Image() const { return image_; }
  // Shows another picture of the same section: the zoom and the place stay as they are.
  void SetImage(QImage image);
  // Where the picture stands in the view.
  QRectF PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  QRectF Extent() const override;

 private:
  QImage image_;
  QImage reduced_;  // the picture as last shown reduced
};

// The preview of the program's graphic subprogram (frmPreview): what the chuck and tailstock
// variables, the registered tools and the material blocks say, the X-Z section of each
// spindle's side-view block (with the chuck jaw and tailstock centre on the first spindle's)
// and the X-Y section of its front-view block, spindle 1 left of spindle 2, and every line of
// the subprogram that cannot be read or drawn, read afresh a short moment after each change of
// the program text while the window is shown (and when it is shown again). A click on a
// problem, or Enter on it, puts the editor's caret on its line. Modeless; it follows the
// editor box it is given and never changes the text.
//
// The reading and drawing run away from the main thread (BackgroundJobs, job kind
// kReadingJob), on a copy of the text: typing never waits for them. A reading that a newer
// change overtakes is dropped unseen; what the window shows is always the latest reading
// that finished.
class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // The pause after the last change before the text is read again: typing faster than this
  // costs nothing.
  static constexpr int kRereadDelayMs = 300;

  // The kinds of background work of the window.
  enum JobKind { kReadingJob };

  explicit PreviewWindow(EditorBox& editor, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // What the last reading shown found.
  const GraphicProgram& Program() const { return program_; }
  // Starts reading the text now (the timer does this after a change).
  void Reread();
  // Whether a reading runs or waits whose result has yet to be shown.
  bool Reading() const;
  // The main program's tool path and cycle time beside the graphic.
  ToolpathPanel* Toolpath() const { return toolpath_; }

 signals:
  // The editor's caret was put on the line of a problem (0-based).
  void ProblemShown(int line);
  // A tool or a material block was double-clicked: the editor's caret is on its line, for
  // the block to be edited in its dialog.
  void EditBlockWanted();
  // A reading was shown.
  void ReadingShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows a finished reading.
  void Show(PreviewReading reading);
  void ShowChuck();
  void ShowTools();
  void ShowMaterial();
  void ShowSections(std::array<QImage, kSectionCount> images);
  void ShowProblems();
  void GoToProblem(QTreeWidgetItem* item);
  void EditBlockOf(QTreeWidgetItem* item);

  EditorBox& editor_;
  GraphicProgram program_;
  // Made when their section first appears and kept, with their zoom and place, while the
  // program is edited; hidden while their section is missing. By PreviewSection.
  std::array<SectionView*, kSectionCount> views_{};
  BackgroundJobs* jobs_ = nullptr;
  QTimer* timer_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* chuck_ = nullptr;
  QTreeWidget* tools_ = nullptr;
  QTreeWidget* material_ = nullptr;
  QTreeWidget* problems_ = nullptr;
  QWidget* sections_ = nullptr;
  ToolpathPanel* toolpath_ = nullptr;
};

// The texts the window shows for the values it read.
namespace preview_text {
// The tool kind as the kind list names it ("14 ネジ内径 ←"), or the bare number outside 1..38.
QString ToolKindName(const std::optional<int>& kind);
// The dimensions of a tool that are assigned, in row order: "A1=80 A2=5 L=40".
QString ToolDimensions(const ToolData& tool);
// A side-view shape as the shape list names it, with its values: "1 外径円筒 RC Z=0 D=80 L=50".
QString ContourDescription(const ContourShape& shape);
}  // namespace preview_text

}  // namespace zel
