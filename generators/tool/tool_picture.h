#pragma once

#include <QFrame>
#include <QSize>
#include <QString>

#include "platform/picture.h"

namespace zel {

// One of the tool dialog's illustrations (Picture1(i), Picture2(i)): a picture box with a
// three-dimensional border that shows its picture at the picture's natural size. A picture
// that is missing from the resources (or unreadable) leaves an empty box of the fallback size;
// the dialog works the same either way.
class ToolPicture : public QFrame {
  Q_OBJECT

 public:
  // `name` is the control name, `resource` the picture (":/tool_kind_0.svg"); `fallback` is
  // the box's size in twips when the picture is missing, and `largest` the room the box may
  // take at most, in twips, which a larger picture is scaled down to fit (proportions kept).
  ToolPicture(const QString& name, const QString& resource, QSize fallback, QSize largest,
              QWidget* parent);

  // Whether the picture was found and read.
  bool HasPicture() const;

  // Shows `resource` from now on instead of the picture it shows (the same when it is).
  void Load(const QString& resource);
  // The picture the box shows.
  const QString& Resource() const { return resource_; }

  // Puts the box at (left, top), in twips, at its natural size and shows it.
  void ShowAt(int left, int top);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
  QString resource_;
  QSize fallback_;
  QSize largest_;
};

}  // namespace zel
