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

QString PaneRoundTrip(const QString& block) {
  QString text = BlockToPaneText(block);
  text.replace(QChar::Nbsp, QLatin1Char(' '));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return PaneTextToBlock(text);
}

qsizetype LastLineStart(const QString& block) {
  qsizetype end = block.size();
  if (block.endsWith(u'\n')) --end;
  if (end > 0 && block[end - 1] == u'\r') --end;
  for (qsizetype at = end; at > 0; --at) {
    if (block[at - 1] == u'\n' || block[at - 1] == u'\r') return at;
  }
  return 0;
}

qsizetype BlockPositionToPanePosition(const QString& block, qsizetype block_position) {
  return UnifyLineEnds(block.left(block_position)).size();
}

}  // namespace zel
