#include "reopen/block_editing.h"

#include <QDialog>

#include "editor/editor_box.h"
#include "generators/chuck/chuck_dialog.h"
#include "generators/frontview/front_view_dialog.h"
#include "generators/sideview/work_dialog.h"
#include "generators/tool/tool_dialog.h"
#include "platform/prompts.h"

namespace zel {

namespace {

// A line shown in a message: a very long one is cut, so that the box stays readable.
constexpr qsizetype kShownLineLength = 200;

QString Shown(const QString& line) {
  if (line.size() <= kShownLineLength) return line;
  return line.left(kShownLineLength) + QStringLiteral("…");
}

qint64 LineStart(const EditorBox& box, int line) {
  return box.CharFromByte(
      box.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
}

QString RewriteNotice(const WrittenBlock& block) {
  using namespace block_edit_text;
  const RewrittenLine first = FirstRewrittenLine(block);
  const QString number = QString::number(first.line + 1);
  const QString detail =
      first.line_end_only
          ? kRewriteLineEnds.arg(number)
          : kRewriteLine.arg(number, first.before.isEmpty() ? kRewriteNoLine : Shown(first.before),
                             first.after.isEmpty() ? kRewriteNoLine : Shown(first.after));
  return kRewriteHead + QStringLiteral("\n\n") + detail + QStringLiteral("\n\n") + kRewriteQuestion;
}

}  // namespace

std::optional<BlockEdit> PrepareBlockEdit(const EditorBox& box, int line, Prompts& prompts,
                                          QWidget* parent) {
  using namespace block_edit_text;
  const ProgramLines lines{box.lines(), [&box](int i) { return box.text(i); }};
  const FoundBlock found = FindWrittenBlock(lines, line);
  if (found.problem) {
    const BlockProblem& problem = *found.problem;
    prompts.Message(
        parent,
        kProblem.arg(QString::number(problem.line + 1), problem.reason, Shown(problem.text)),
        kAppTitle, PromptIcon::kWarning);
    return std::nullopt;
  }
  if (!found.block) {
    prompts.Message(parent, kNoBlock, kAppTitle, PromptIcon::kInformation);
    return std::nullopt;
  }
  const WrittenBlock& block = *found.block;
  if (!block.Exact() && !prompts.AskYesNo(parent, RewriteNotice(block), kAppTitle, true))
    return std::nullopt;
  const qint64 start = LineStart(box, block.first_line);
  const qint64 end =
      block.last_line + 1 < box.lines() ? LineStart(box, block.last_line + 1) : box.Length();
  return BlockEdit{block, start, end - start};
}

std::unique_ptr<QDialog> MakeReopenedDialog(const WrittenBlock& block, const GeneratorContext& ctx,
                                            QWidget* parent) {
  switch (block.kind) {
    case WrittenKind::kTool: {
      auto dialog = std::make_unique<ToolDialog>(ctx, parent);
      dialog->Reopen(block.tool);
      return dialog;
    }
    case WrittenKind::kChuck: {
      auto dialog = std::make_unique<ChuckDialog>(ctx, parent);
      dialog->Reopen(block.chuck);
      return dialog;
    }
    case WrittenKind::kWork: {
      auto dialog = std::make_unique<WorkDialog>(ctx, parent);
      dialog->Reopen(block.work);
      return dialog;
    }
    case WrittenKind::kWorkFace: {
      auto dialog = std::make_unique<FrontViewDialog>(ctx, parent);
      dialog->Reopen(block.front);
      return dialog;
    }
  }
  return nullptr;
}

}  // namespace zel
