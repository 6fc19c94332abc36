// The editor box as a plain multi-line text box. Scintilla brings many editing keys of a
// programmer's editor (case conversion, line duplication and transposition, overtype,
// indentation, zoom, rectangular selection); each of them changes the program without the
// one-step undo snapshot or in ways the operators do not expect, so only the keys of a
// plain text box stay.
#include "editor/plain_input.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace zel {
namespace {

using C = QsciCommand;

// Modifiers that make Scintilla start a rectangular selection with the mouse (Ctrl on X11,
// Alt on Windows), or that have no meaning for a click in a plain box.
constexpr Qt::KeyboardModifiers kClickModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsMouseButtonEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

// Watches the box (keys) and its viewport (mouse and wheel). The viewport is kept from the
// start: while the box is destroyed its viewport still gets events (its children go), and
// the box is then no scroll area any more that could be asked for it.
class PlainInputFilter : public QObject {
 public:
  explicit PlainInputFilter(QsciScintilla* box)
      : QObject(box), box_(box), viewport_(box->viewport()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_ && event->type() == QEvent::KeyPress)
      return FilterKey(static_cast<QKeyEvent*>(event));
    if (watched == viewport_) {
      if (IsMouseButtonEvent(event->type())) return FilterMouse(static_cast<QMouseEvent*>(event));
      if (event->type() == QEvent::Wheel) return FilterWheel(static_cast<QWheelEvent*>(event));
    }
    return false;
  }

 private:
  bool FilterKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Tab && mods == Qt::NoModifier) {
      if (!box_->isReadOnly())
        box_->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, uintptr_t{0}, "\t");
      return true;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return true;
    // Ctrl or Alt (not both: that is AltGr on Windows, which types characters) with a key
    // that is no binding would type its character; a plain box types nothing then.
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    if ((ctrl != alt || (mods & Qt::MetaModifier)) &&
        !box_->standardCommands()->boundTo(
            QKeyCombination(mods, Qt::Key(event->key())).toCombined())) {
      event->ignore();
      return true;
    }
    return false;
  }

  bool FilterMouse(QMouseEvent* event) {
    // X11's middle-click paste would change the text without the undo snapshot.
    if (event->button() == Qt::MiddleButton ||
        (event->type() == QEvent::MouseMove && (event->buttons() & Qt::MiddleButton)))
      return true;
    if (!(event->modifiers() & kClickModifiers)) return false;
    QMouseEvent plain(event->type(), event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers() & ~kClickModifiers, event->pointingDevice());
    plain.setTimestamp(event->timestamp());
    QCoreApplication::sendEvent(viewport_, &plain);
    event->setAccepted(plain.isAccepted());
    return true;
  }

  bool FilterWheel(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return false;
    QWheelEvent plain(event->position(), event->globalPosition(), event->pixelDelta(),
                      event->angleDelta(), event->buttons(),
                      event->modifiers() & ~Qt::ControlModifier, event->phase(), event->inverted(),
                      event->source(), event->pointingDevice());
    QCoreApplication::sendEvent(viewport_, &plain);
    event->setAccepted(plain.isAccepted());
    return true;
  }

  QsciScintilla* box_;
  QWidget* viewport_;
};

}  // namespace

const std::vector<PlainKey>& PlainBoxKeys() {
  // clang-format off
  static const std::vector<PlainKey> keys = {
      {C::CharLeft, Qt::Key_Left},                 {C::CharLeftExtend, Qt::SHIFT | Qt::Key_Left},
      {C::CharRight, Qt::Key_Right},               {C::CharRightExtend, Qt::SHIFT | Qt::Key_Right},
      {C::LineUp, Qt::Key_Up},                     {C::LineUpExtend, Qt::SHIFT | Qt::Key_Up},
      {C::LineDown, Qt::Key_Down},                 {C::LineDownExtend, Qt::SHIFT | Qt::Key_Down},
      {C::WordLeft, Qt::CTRL | Qt::Key_Left},      {C::WordLeftExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_Left},
      {C::WordRight, Qt::CTRL | Qt::Key_Right},    {C::WordRightExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_Right},
      // Home and End go to the ends of the line as shown, as in a plain box with wrapping.
      {C::HomeDisplay, Qt::Key_Home},              {C::HomeDisplayExtend, Qt::SHIFT | Qt::Key_Home},
      {C::LineEndDisplay, Qt::Key_End},            {C::LineEndDisplayExtend, Qt::SHIFT | Qt::Key_End},
      {C::DocumentStart, Qt::CTRL | Qt::Key_Home}, {C::DocumentStartExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_Home},
      {C::DocumentEnd, Qt::CTRL | Qt::Key_End},    {C::DocumentEndExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_End},
      {C::PageUp, Qt::Key_PageUp},                 {C::PageUpExtend, Qt::SHIFT | Qt::Key_PageUp},
      {C::PageDown, Qt::Key_PageDown},             {C::PageDownExtend, Qt::SHIFT | Qt::Key_PageDown},
      {C::Delete, Qt::Key_Delete},                 {C::DeleteBack, Qt::Key_Backspace},
      {C::Newline, Qt::Key_Return},                {C::Newline, Qt::SHIFT | Qt::Key_Return},
  };
  // clang-format on
  return keys;
}

void MakePlainTextBox(QsciScintilla* box) {
  // Unbind everything first: binding a key and then clearing another command that had the
  // same key would clear the new binding.
  QsciCommandSet* commands = box->standardCommands();
  for (QsciCommand* command : commands->commands()) {
    command->setKey(0);
    command->setAlternateKey(0);
  }
  for (const PlainKey& plain : PlainBoxKeys()) {
    QsciCommand* command = commands->find(plain.command);
    if (command->key() == 0)
      command->setKey(plain.key.toCombined());
    else
      command->setAlternateKey(plain.key.toCombined());
  }
  box->SendScintilla(QsciScintillaBase::SCI_SETMULTIPLESELECTION, 0UL);
  box->SendScintilla(QsciScintillaBase::SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 0UL);
  box->SendScintilla(QsciScintillaBase::SCI_SETOVERTYPE, 0UL);
  auto* filter = new PlainInputFilter(box);
  box->installEventFilter(filter);
  box->viewport()->installEventFilter(filter);
}

}  // namespace zel
