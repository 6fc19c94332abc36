#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDialog;
class QPushButton;
class QWidget;

namespace zel {

class BlockSink;
class OutputPane;
class Prompts;

// The button captions that all generator dialogs share.
inline const QString kTransferCaption = QStringLiteral("転送/終了");
inline const QString kCancelCaption = QStringLiteral("キャンセル");
// The warning shown when a transfer is refused for a missing value.
inline const QString kDataMissingText = QStringLiteral("データが未設定です。");

// The "転送/終了" and "キャンセル" buttons that end every generator dialog. Transfer asks the
// dialog's guard (if it has one), hands the block to the editor through InsertBlock exactly
// once and closes the dialog with Accepted; cancel closes it with Rejected and hands over
// nothing. The buttons are children of the dialog, command buttons that are never the default;
// the dialog places them.
class TransferButtons : public QObject {
  Q_OBJECT

 public:
  // Says whether the transfer may go ahead; it shows its own message when it refuses.
  using GuardFn = std::function<bool()>;
  // Produces the block to hand over.
  using BlockFn = std::function<QString()>;

  // The two buttons get the control names the dialog uses for them ("Command2", "Command1").
  TransferButtons(QDialog* dialog, BlockSink& sink, BlockFn block, const QString& transfer_name,
                  const QString& cancel_name);
  // The common case: the pane's text is handed over as it stands.
  TransferButtons(QDialog* dialog, BlockSink& sink, const OutputPane* pane,
                  const QString& transfer_name, const QString& cancel_name);
  // Takes over two buttons that the dialog's placement table made.
  TransferButtons(QDialog* dialog, BlockSink& sink, BlockFn block, QPushButton* transfer,
                  QPushButton* cancel);
  TransferButtons(QDialog* dialog, BlockSink& sink, const OutputPane* pane, QPushButton* transfer,
                  QPushButton* cancel);

  void SetGuard(GuardFn guard) { guard_ = std::move(guard); }

  QPushButton* transfer_button() const { return transfer_; }
  QPushButton* cancel_button() const { return cancel_; }

  // What a click on "転送/終了" does; true when the block was handed over.
  bool Transfer();

 private:
  QDialog* dialog_;
  BlockSink& sink_;
  BlockFn block_;
  GuardFn guard_;
  QPushButton* transfer_;
  QPushButton* cancel_;
};

// Tells the user that a required value is missing: kDataMissingText with the warning icon,
// under the application title.
void WarnDataMissing(Prompts& prompts, QWidget* parent);

}  // namespace zel
