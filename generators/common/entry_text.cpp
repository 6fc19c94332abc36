#include "generators/common/entry_text.h"

namespace zel {

QString SingleLineOf(const QString& pasted) {
  for (qsizetype i = 0; i < pasted.size(); ++i) {
    if (pasted[i] == QLatin1Char('\r') || pasted[i] == QLatin1Char('\n')) return pasted.left(i);
  }
  return pasted;
}

}  // namespace zel
