#pragma once

#include <QDialog>
#include <QStringList>
#include <QTest>

#include <memory>

#include "generators/common/generator_context.h"
#include "generators/common/output_pane.h"
#include "tests/support/test_support.h"

class QWidget;

namespace zel::test {

// The caption a control shows: a label's or a button's text, a frame's title, a dialog's
// window title, and for an entry field the text of the label that names it (its buddy).
QString Caption(const QWidget* control);

// The object names of the controls that Tab visits, from `start` round the focus chain until
// it comes back to `start` (an unnamed control as "").
QStringList TabChain(QWidget* start);

// A mouse click 8 pixels in from the control's left edge, at half its height: on the box of a
// check box or option, inside a button.
void ClickAt(QWidget* control);

// A generator dialog of class D under test, made afresh for each test function with recording
// prompts and a recording block sink, and the ways a test reaches its controls by name.
//
//   class TestChuckDialog : public QObject, test::DialogHarness<ChuckDialog> {
//     void init() { QVERIFY(Open()); }
//     void cleanup() { Close(); }
template <typename D>
class DialogHarness {
 protected:
  // `pane_name` is the control name of the dialog's output pane.
  explicit DialogHarness(QString pane_name = QStringLiteral("Text1"))
      : pane_name_(std::move(pane_name)) {}

  // Makes the dialog with nothing recorded yet and shows it; false when it does not become
  // the active window.
  bool Open() {
    prompts_.requests.clear();
    sink_.blocks.clear();
    dialog_ = std::make_unique<D>(GeneratorContext{prompts_, sink_});
    dialog_->show();
    return QTest::qWaitForWindowActive(dialog_.get());
  }
  void Close() { dialog_.reset(); }

  template <typename T = QWidget>
  T* Find(const QString& name) const {
    return Child<T>(dialog_.get(), name);
  }
  QWidget* Focus() const { return dialog_->focusWidget(); }
  void Click(const QString& name) const { ClickAt(Find(name)); }
  OutputPane* PaneBox() const { return Find<OutputPane>(pane_name_); }
  // The output pane's text with "\r\n" line ends, as a block.
  QString Pane() const { return PaneBox()->Block(); }
  // The body of a Captions test: the control named in the row's "name" (or the dialog itself)
  // shows the row's "caption".
  void CompareCaption() const {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const QWidget* control = name == dialog_->objectName() ? dialog_.get() : Find(name);
    QCOMPARE(Caption(control), caption);
  }
  // Whether the dialog has closed, with that result.
  bool ClosedWith(QDialog::DialogCode result) const {
    return !dialog_->isVisible() && dialog_->result() == result;
  }

  RecordingPrompts prompts_;
  RecordingBlockSink sink_;
  std::unique_ptr<D> dialog_;

 private:
  QString pane_name_;
};

}  // namespace zel::test
