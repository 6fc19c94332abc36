#pragma once

#include <QSvgWidget>

namespace zel {

// One of a dialog's fixed illustrations: an SVG picture from the resources, drawn to fill
// the place it is given with its proportions kept, hidden until the dialog shows it.
class Illustration : public QSvgWidget {
  Q_OBJECT

 public:
  // `name` is the control name ("Picture1(0)"), `resource` the picture (":/chuck_od.svg").
  Illustration(const QString& name, const QString& resource, QWidget* parent);

  // Puts the picture at a place given in twips (left, top, width, height) and shows it.
  void ShowAt(int left, int top, int width, int height);
};

}  // namespace zel
