#include "generators/common/transfer_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "platform/prompts.h"
#include "editor/block_sink.h"
#include "generators/common/output_pane.h"

namespace zel {

TransferButtons::TransferButtons(QDialog* dialog, BlockSink& sink, BlockFn block,
                                 const QString& transfer_name, const QString& cancel_name)
    : QObject(dialog),
      dialog_(dialog),
      sink_(sink),
      block_(std::move(block)),
      transfer_(new QPushButton(kTransferCaption, dialog)),
      cancel_(new QPushButton(kCancelCaption, dialog)) {
  transfer_->setObjectName(transfer_name);
  cancel_->setObjectName(cancel_name);
  connect(transfer_, &QPushButton::clicked, this, [this] { Transfer(); });
  connect(cancel_, &QPushButton::clicked, dialog_, &QDialog::reject);
}

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
