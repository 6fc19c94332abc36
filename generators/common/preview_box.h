#pragma once

#include <QFrame>

#include <functional>

#include "generators/common/preview_canvas.h"

namespace zel {

// The black picture box in which a material dialog draws its preview. It shows the pixels of
// its PreviewCanvas and paints them again whenever the window needs it (after being covered
// or minimised), so that nothing drawn is lost until the dialog clears the canvas itself. On
// a high-density screen every canvas pixel becomes a block of screen pixels, never a blur.
class PreviewBox : public QFrame {
  Q_OBJECT

 public:
  // `name` is the box's control name ("Picture1").
  PreviewBox(const QString& name, QWidget* parent);

  const PreviewCanvas& canvas() const { return canvas_; }
  // Draws on the canvas and shows the result. The canvas has the pixels inside the box's
  // border; a box placed (or sized) anew starts with a black canvas of its new size.
  void Draw(const std::function<void(PreviewCanvas&)>& paint);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Gives the canvas the size of the box's inside, if it has not got it yet.
  void FitCanvas();

  PreviewCanvas canvas_;
};

}  // namespace zel
