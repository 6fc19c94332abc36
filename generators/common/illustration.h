#pragma once

#include <QWidget>

#include "platform/picture.h"

namespace zel {

// One of a dialog's fixed illustrations: a picture from the resources, drawn to fill the
// place it is given with its proportions kept, hidden until the dialog shows it.
class Illustration : public QWidget {
  Q_OBJECT

 public:
  // `name` is the control name ("Picture1(0)"), `resource` the picture (":/chuck_od.svg").
  Illustration(const QString& name, const QString& resource, QWidget* parent);

  // Whether the picture was found and read.
  bool HasPicture() const;

  // Puts the picture at a place given in twips (left, top, width, height) and shows it.
  void ShowAt(int left, int top, int width, int height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace zel
