#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <cstdint>

namespace zel {

// A preview colour as the drawing routines give it: 0x00BBGGRR, red in the low byte, so that
// yellow (red and green full) is 0x00FFFF.
using PreviewColor = std::uint32_t;

inline constexpr PreviewColor kPreviewBlack = 0x000000;
inline constexpr PreviewColor kPreviewWhite = 0xFFFFFF;
inline constexpr PreviewColor kPreviewYellow = 0x00FFFF;

// The colour as an image pixel value, and back.
QRgb PreviewColorToRgb(PreviewColor color);
PreviewColor RgbToPreviewColor(QRgb rgb);

// Part of a circle, run through counter-clockwise as seen on the screen from `start_angle`
// to `end_angle` (radians, 0 pointing to the right). A point at angle t lies at
// (centre.x + radius * cos t, centre.y - radius * sin t), y pointing down. Equal angles mean
// the whole circle.
struct PreviewArc {
  QPointF centre;
  double radius = 0;
  double start_angle = 0;
  double end_angle = 0;

  // The arc's first and last point.
  QPointF StartPoint() const;
  QPointF EndPoint() const;
};

// The pixels of a material preview. The picture is worked out in pixel units around an
// origin at the centre of the box: the left coordinate is minus half the width and the top
// coordinate minus half the height (half a pixel of an odd size included), x runs to the
// right and y downwards. A point belongs to the pixel whose square holds it, so that with an
// odd size the origin is the middle of the centre pixel.
//
// Everything is drawn without smoothing, in whole pixels of one colour, so that a colour can
// be told from the background pixel by pixel. The fills paint exactly the area of their own
// outline, outline included: unlike a flood fill started from a seed point they cannot run
// out over the background, however thin or small the shape is or wherever it lies. Nothing
// here grows with the size of a shape: a shape far outside the box, or larger than any
// number of pixels, costs no more than one that fits.
class PreviewCanvas {
 public:
  // A canvas of `size` pixels, cleared to black.
  explicit PreviewCanvas(QSize size = QSize());

  QSize Size() const { return image_.size(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  // The coordinates of the box's left and top edge.
  double Left() const { return -(Width() / 2.0); }
  double Top() const { return -(Height() / 2.0); }

  const QImage& Image() const { return image_; }

  // The pixel (column, row of the image) that holds the point; it may lie outside the box.
  QPoint DevicePixel(QPointF point) const;
  // The colour of the pixel that holds the point; black outside the box.
  PreviewColor PixelAt(QPointF point) const;

  // The font of the labels.
  void SetFont(const QFont& font) { font_ = font; }

  // Paints the whole box in one colour.
  void Clear(PreviewColor color = kPreviewBlack);
  // Writes `text` with the top left corner of its first character cell at `top_left`.
  void Print(QPointF top_left, const QString& text, PreviewColor color);
  // One pixel.
  void SetPixel(QPointF point, PreviewColor color);
  // A straight line, both end pixels included.
  void Line(QPointF from, QPointF to, PreviewColor color);
  // The outline of a circle: the pixels whose middle lies within half a pixel of it. A
  // radius of 0 is the pixel of the centre; a negative radius draws nothing.
  void Circle(QPointF centre, double radius, PreviewColor color);
  // An arc drawn like the circle, the pixels of its two end points always included.
  void Arc(const PreviewArc& arc, PreviewColor color);

  // The circle with everything inside it; an infinite radius covers the whole box.
  void FillCircle(QPointF centre, double radius, PreviewColor color);
  // The closed polygon through `corners` (the last joined back to the first) with
  // everything inside it.
  void FillPolygon(const QList<QPointF>& corners, PreviewColor color);
  // The section closed by two arcs and two lines: along `first`, straight on to the start of
  // `second`, along `second` and straight back to the start of `first`; outline and inside.
  void FillArcSection(const PreviewArc& first, const PreviewArc& second, PreviewColor color);

 private:
  // Pixel middles in the canvas coordinates.
  double PixelMiddleX(int column) const { return column + 0.5 + Left(); }
  double PixelMiddleY(int row) const { return row + 0.5 + Top(); }
  void Plot(int column, int row, QRgb rgb);
  // The pixels first … last of a row, cut to the box.
  void PlotRun(int row, int first, int last, QRgb rgb);
  // The pixel columns and rows of the canvas that a circle (with a pixel to spare round it)
  // can touch; first above last where it misses the canvas.
  struct PixelSpan {
    int first_column;
    int last_column;
    int first_row;
    int last_row;
  };
  PixelSpan SpanAround(QPointF centre, double radius) const;
  // The columns of the span whose pixel middles lie from `from_dx` to `to_dx` right of
  // `centre_x`, with a pixel to spare either side; first above last where there are none.
  struct ColumnRange {
    int first;
    int last;
  };
  ColumnRange ColumnsBetween(double centre_x, double from_dx, double to_dx,
                             const PixelSpan& span) const;
  // The pixels of a circle's ring (or of an arc's share of it when `arc` is given).
  void Ring(QPointF centre, double radius, const PreviewArc* arc, QRgb rgb);
  // The inside of a closed polygon, outline not included.
  void FillInside(const QList<QPointF>& corners, QRgb rgb);

  QImage image_;
  QFont font_;
};

// Sets up an empty preview: clears it, writes the two axis labels in white, `top_label` just
// right of the vertical axis at the top edge and `right_label` just above the horizontal axis
// at the right edge, and draws the axes.
void InitPreview(PreviewCanvas& canvas, const QString& top_label, const QString& right_label);

// The two white axes through the origin, across the whole box. Drawn last by every drawing
// routine, so that they stay visible over filled areas.
void DrawAxes(PreviewCanvas& canvas);

}  // namespace zel
