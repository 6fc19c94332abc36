#include "generators/common/transfer_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "editor/block_sink.h"
#include "generators/common/command_button.h"
#include "generators/common/output_pane.h"
#include "platform/prompts.h"

namespace zel {

namespace {

QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* dialog) {
  return new CommandButton(name, caption, dialog);
}

}  // namespace

TransferButtons::TransferButtons(QDialog* dialog, BlockSink& sink, BlockFn block,
                                 QPushButton* transfer, QPushButton* cancel)
    : QObject(dialog),
      dialog_(dialog),
      sink_(sink),
      block_(std::move(block)),
      transfer_(transfer),
      cancel_(cancel) {
  connect(transfer_, &QPushButton::clicked, this, [this] { Transfer(); });
  connect(cancel_, &QPushButton::clicked, dialog_, &QDialog::reject);
}

TransferButtons::TransferButtons(QDialog* dialog, BlockSink& sink, const OutputPane* pane,
                                 QPushButton* transfer, QPushButton* cancel)
    : TransferButtons(
          dialog, sink, [pane] { return pane->Block(); }, transfer, cancel) {}

TransferButtons::TransferButtons(QDialog* dialog, BlockSink& sink, BlockFn block,
                                 const QString& transfer_name, const QString& cancel_name)
    : TransferButtons(dialog, sink, std::move(block),
                      NamedButton(kTransferCaption, transfer_name, dialog),
                      NamedButton(kCancelCaption, cancel_name, dialog)) {}

TransferButtons::TransferButtons(QDialog* dialog, BlockSink& sink, const OutputPane* pane,
                                 const QString& transfer_name, const QString& cancel_name)
    : TransferButtons(
          dialog, sink, [pane] { return pane->Block(); }, transfer_name, cancel_name) {}

bool TransferButtons::Transfer() {
  if (guard_ && !guard_()) return false;
  sink_.InsertBlock(block_());
  dialog_->accept();
  return true;
}

void WarnDataMissing(Prompts& prompts, QWidget* parent) {
  prompts.Message(parent, kDataMissingText, kAppTitle, PromptIcon::kWarning);
}

}  // namespace zel
