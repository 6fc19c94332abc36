#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "reopen/written_block.h"

class QDialog;
class QWidget;

namespace zel {

class EditorBox;
class Prompts;
struct GeneratorContext;

// The fixed texts of the block editing command.
namespace block_edit_text {
inline const QString kNoBlock = QStringLiteral("カーソル位置に編集できるブロックがありません。");
// The line (1-based), the reason and the line's text, as the preview's problem list has them.
inline const QString kProblem = QStringLiteral("%1 行目: %2\n%3");
inline const QString kRewriteHead =
    QStringLiteral("このブロックは、転送するとダイアログの書き方で書き直されます。");
inline const QString kRewriteLine = QStringLiteral("%1 行目\n現在: %2\n転送後: %3");
inline const QString kRewriteLineEnds = QStringLiteral("%1 行目から、行末が CR LF になります。");
inline const QString kRewriteNoLine = QStringLiteral("(なし)");
inline const QString kRewriteQuestion = QStringLiteral("開きますか ?");
}  // namespace block_edit_text

// The block on a line of the editor, ready to be opened, with its place in the text.
struct BlockEdit {
  WrittenBlock block;
  qint64 start = 0;  // characters, as the editor box counts them
  qint64 length = 0;
};

// Looks for the block that a generator dialog wrote on line `line` (0-based) of `box`. When
// there is none, or the block has a line that cannot be read, it tells the user so and gives
// nullopt; when the dialog would write the block back in another form than it stands, it
// asks first whether to open it (nullopt on No).
std::optional<BlockEdit> PrepareBlockEdit(const EditorBox& box, int line, Prompts& prompts,
                                          QWidget* parent);

// The block's dialog, filled from the block; its "転送/終了" goes to ctx.sink.
std::unique_ptr<QDialog> MakeReopenedDialog(const WrittenBlock& block, const GeneratorContext& ctx,
                                            QWidget* parent);

}  // namespace zel
