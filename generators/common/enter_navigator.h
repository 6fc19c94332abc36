#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

namespace zel {

// The Enter key of the generator dialogs: in an entry field (or a list) it does not reach the
// field or the dialog's default button, but moves the focus to the control that the dialog
// names for that field and then lets the dialog react. Every other key passes unchanged.
//
//   EnterNavigator* enter = new EnterNavigator(this);
//   enter->Add(d1_edit, [this] { return l1_edit_; }, [this] { Rebuild(); });
class EnterNavigator : public QObject {
  Q_OBJECT

 public:
  // Chooses where the focus goes when Enter is pressed; nullptr leaves it where it is.
  using TargetFn = std::function<QWidget*()>;
  // Runs after the focus has moved.
  using AfterFn = std::function<void()>;

  explicit EnterNavigator(QObject* parent);

  // Handles Enter in `field` from now on. `target` is asked at each press, so that it can
  // depend on what is enabled or visible at that moment.
  void Add(QWidget* field, TargetFn target, AfterFn after = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Route {
    TargetFn target;
    AfterFn after;
  };
  QHash<QObject*, Route> routes_;
};

}  // namespace zel
