#pragma once

#include <QImage>
#include <QTransform>

#include <memory>

#include "preview/zoom_view.h"
#include "toolpath/program_path.h"

namespace zel {

// The tool path over the X-Z section of the material of spindle 1, at one scale with it: the
// upper half of the material's picture (one pixel a unit, the origin in its middle, as the
// sections draw it) under the moves drawn at the view's own scale. It zooms, moves and fits
// (F) material and path as the sections do; a click on a move (without dragging) reports it.
class ToolpathView : public ZoomView {
  Q_OBJECT

 public:
  // How near (pixels) a click must come to a move to reach it.
  static constexpr double kClickTolerance = 5;

  explicit ToolpathView(QWidget* parent = nullptr);

  // The material's picture, drawn at `scale` pixels a unit around the origin in its middle; a
  // null image shows the path alone.
  void SetMaterial(QImage image, double scale = 1);
  // The path to draw; the zoom and the place stay as they are.
  void SetPath(std::shared_ptr<const ProgramPath> path);
  const ProgramPath* Path() const { return path_.get(); }
  // Draws the moves [0, count) and marks the tool's tip at the end of the last.
  void SetShownMoves(size_t count);
  // The line whose moves are drawn stronger (0-based, -1 none).
  void SetHighlightLine(int line);
  int HighlightLine() const { return highlight_line_; }
  // ToView() maps section coordinates (x = Z, y = minus X / 2) to the view's pixels.

 signals:
  void MoveClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // What fitting shows: the material's picture and the path, in section coordinates.
  QRectF Extent() const override;
  double FitMargin() const override;
  void Clicked(QPointF at) override;

 private:

  // The material and the path as last drawn, kept while only the highlight changes, so that
  // a caret moving from line to line costs no drawing of the whole path.
  struct Layer {
    QImage image;
    QTransform to_view;
    size_t shown = 0;
    quint64 path_serial = 0;
    qint64 material_key = 0;
  };
  Layer layer_;
  QImage material_;
  double material_scale_ = 1;
  QRectF path_extent_;
  std::shared_ptr<const ProgramPath> path_;
  quint64 path_serial_ = 0;  // counts the paths set
  size_t shown_ = 0;
  int highlight_line_ = -1;
};

}  // namespace zel
