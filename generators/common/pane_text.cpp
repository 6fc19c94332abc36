#include "generators/common/pane_text.h"

namespace zel {

namespace {

// Every kind of line end reduced to "\n".
QString UnifyLineEnds(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

}  // namespace

QString BlockToPaneText(const QString& block) { return UnifyLineEnds(block); }

QString PaneTextToBlock(const QString& pane_text) {
  return UnifyLineEnds(pane_text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

qsizetype BlockPositionToPanePosition(const QString& block, qsizetype block_position) {
  return UnifyLineEnds(block.left(block_position)).size();
}

}  // namespace zel
