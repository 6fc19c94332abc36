#include "generators/common/entry_text.h"

namespace zel {

QString SingleLineOf(const QString& pasted) {
  for (qsizetype i = 0; i < pasted.size(); ++i) {
    if (pasted[i] == QLatin1Char('\r') || pasted[i] == QLatin1Char('\n')) return pasted.left(i);
  }
  return pasted;
}

QChar StatementBreakingChar(QStringView text) {
  for (const QChar character : text) {
    if (character == u',' || character == u'[' || character == u']') return character;
  }
  return {};
}

QString StatementBreakingCharText(const QString& caption, QChar character) {
  return QStringLiteral("「%1」に「%2」は入力できません。").arg(caption.simplified(), character);
}

}  // namespace zel
