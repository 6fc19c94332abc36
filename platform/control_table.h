#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <span>

namespace zel {

// What a row of a placement table makes.
enum class ControlKind {
  kLabel,    // QLabel; the caption is its text
  kEntry,    // single-line field (QLineEdit); the caption is its starting text
  kButton,   // QPushButton; the caption is its text
  kCheck,    // QCheckBox
  kOption,   // QRadioButton; the options of one frame form one group
  kCombo,    // drop-down list (QComboBox); the caption is unused
  kList,     // list box (QListWidget); the caption is unused
  kFrame,    // QGroupBox; the caption is its title; later rows may name it as their parent
  kPane,     // multi-line box (QPlainTextEdit); the caption is its starting text
  kPicture,  // picture box (QLabel); for a maker hook the caption may name what it shows
  kLine,     // a line (QFrame): horizontal when wider than high, else vertical
};

// One control of a dialog, as its layout table gives it: the control name, what it is, its
// caption, and its place in twips. parent names a frame made by an earlier row (the place is
// then inside that frame); empty means the dialog itself.
struct ControlRow {
  QStringView name;
  ControlKind kind;
  QStringView caption;
  int left;
  int top;
  int width;
  int height;
  QStringView parent = {};
};

// Makes the widget of a row whose class is the caller's own (an entry field that trims
// pasted line ends, an output pane); returns nullptr to let the table make its standard one.
// The table names, captions and places whatever the maker returns.
using ControlMaker = std::function<QWidget*(const ControlRow& row, QWidget* parent)>;

// The controls a table made, found by control name.
class ControlSet {
 public:
  // Makes, names, captions and places the controls of the rows, in the order of the table
  // (which is the first tab order), as children of dialog or of a frame named by a row.
  ControlSet(QWidget* dialog, std::span<const ControlRow> rows, const ControlMaker& maker = {});

  // The control of that name as a T; a missing name or another class is a fault in the
  // dialog's own code and stops the program with the name in the message.
  template <typename T = QWidget>
  T* Get(QStringView name) const {
    T* control = qobject_cast<T*>(Find(name));
    if (!control) Missing(name, T::staticMetaObject.className());
    return control;
  }

  // The control of that name, or nullptr.
  QWidget* Find(QStringView name) const { return controls_.value(name.toString()); }

  // Sets the tab order of the named controls, in the order given.
  void SetTabOrder(std::initializer_list<QStringView> names) const;

 private:
  [[noreturn]] static void Missing(QStringView name, const char* class_name);

  QHash<QString, QWidget*> controls_;
};

// The widget of the standard class of a kind, with no name, caption or place yet.
QWidget* MakeStandardControl(ControlKind kind, QWidget* parent);

}  // namespace zel
