#include "platform/control_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "platform/twips.h"

namespace zel {

namespace {

QFrame* MakeLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  return line;
}

// Gives a control its caption by what it is, so that a maker's own classes get theirs too.
void ApplyCaption(QWidget* control, const QString& caption) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(caption);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(caption);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(caption);
  } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
    field->setText(caption);
  } else if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) {
    pane->setPlainText(caption);
  }
}

}  // namespace

QWidget* MakeStandardControl(ControlKind kind, QWidget* parent) {
  switch (kind) {
    case ControlKind::kLabel:
    case ControlKind::kPicture:
      return new QLabel(parent);
    case ControlKind::kEntry:
      return new QLineEdit(parent);
    case ControlKind::kButton:
      return new QPushButton(parent);
    case ControlKind::kCheck:
      return new QCheckBox(parent);
    case ControlKind::kOption:
      return new QRadioButton(parent);
    case ControlKind::kCombo:
      return new QComboBox(parent);
    case ControlKind::kList:
      return new QListWidget(parent);
    case ControlKind::kFrame:
      return new QGroupBox(parent);
    case ControlKind::kPane:
      return new QPlainTextEdit(parent);
    case ControlKind::kLine:
      return MakeLine(parent);
  }
  return nullptr;
}

ControlSet::ControlSet(QWidget* dialog, std::span<const ControlRow> rows,
                       const ControlMaker& maker) {
  controls_.reserve(rows.size());
  for (const ControlRow& row : rows) {
    QWidget* parent = row.parent.isEmpty() ? dialog : Get<QGroupBox>(row.parent);
    QWidget* control = maker ? maker(row, parent) : nullptr;
    if (!control) control = MakeStandardControl(row.kind, parent);
    const QString name = row.name.toString();
    control->setObjectName(name);
    if (row.kind != ControlKind::kPicture && !row.caption.isEmpty()) {
      ApplyCaption(control, row.caption.toString());
    }
    if (row.kind == ControlKind::kLine) {
      if (auto* line = qobject_cast<QFrame*>(control)) {
        line->setFrameShape(row.width >= row.height ? QFrame::HLine : QFrame::VLine);
      }
      // A line of no thickness is one pixel thick.
      QRect place = TwipsRect(row.left, row.top, row.width, row.height);
      place.setWidth(std::max(place.width(), 1));
      place.setHeight(std::max(place.height(), 1));
      control->setGeometry(place);
    } else {
      control->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
    }
    controls_.insert(name, control);
  }
}

void ControlSet::SetTabOrder(std::initializer_list<QStringView> names) const {
  QWidget* previous = nullptr;
  for (QStringView name : names) {
    QWidget* control = Get(name);
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void ControlSet::Missing(QStringView name, const char* class_name) {
  qFatal("The dialog has no control %s of class %s", qPrintable(name.toString()), class_name);
}

}  // namespace zel
