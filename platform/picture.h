#pragma once

#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace zel {

// The program's pictures are SVG files in the resources (":/chuck_od.svg"). A build without
// Qt's SVG module (the Windows build) carries them as PNG files rendered from the same SVG
// files when it was built, at 1x and 2x for scaled screens (":/chuck_od.png",
// ":/chuck_od@2x.png"). Everything that shows a picture goes through these two, by its SVG
// name.

// The file to load for the picture: the SVG name itself, or its PNG where there is no SVG.
QString PictureFile(const QString& svg_resource);

// One picture, drawn into a rectangle with its proportions kept and centred there.
class Picture {
 public:
  Picture();
  explicit Picture(const QString& svg_resource);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Shows svg_resource from now on; false when it is missing or unreadable.
  bool Load(const QString& svg_resource);
  // Whether the picture was found and read.
  bool IsValid() const;
  // Its size at scale 1, in pixels (empty when not valid).
  QSize NaturalSize() const;
  void Paint(QPainter& painter, const QRect& rect) const;

 private:
#ifdef ZEL_PNG_PICTURES
  QIcon icon_;
  QSize size_;
#else
  std::unique_ptr<QSvgRenderer> renderer_;
#endif
};

}  // namespace zel
