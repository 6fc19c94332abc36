#include "editor/line_columns.h"

#include <array>

namespace zel {
namespace {

// Columns per byte; 0 marks a line end.
constexpr std::array<quint8, 256> MakeWeights() {
  std::array<quint8, 256> w{};
  for (int b = 0; b < 256; ++b) {
    if (b == '\r' || b == '\n')
      w[b] = 0;
    else if (b == '\t')
      w[b] = 8;
    else if (b < 0x20 || b == 0x7F)
      w[b] = 5;
    else if (b >= 0xC0 && b <= 0xDF)
      w[b] = 2;  // two-byte character: 2 + 1 for its continuation byte
    else if (b >= 0xF5)
      w[b] = 5;  // never in UTF-8: shown as a named box like a control character
    else
      w[b] = 1;
  }
  return w;
}

constexpr std::array<quint8, 256> kWeights = MakeWeights();

}  // namespace

int ColumnBound(QByteArrayView text, int limit) {
  qint64 columns = 0;
  for (const char c : text) {
    columns += kWeights[static_cast<quint8>(c)];
    if (columns > limit) return limit + 1;
  }
  return static_cast<int>(columns);
}

LineCensus CensusOfLine(QByteArrayView line, int columns) {
  return LineCensus{ColumnBound(line, columns) > columns ? 1 : 0};
}

LineCensus CensusOfText(QByteArrayView text, int columns) {
  LineCensus census;
  const auto* p = reinterpret_cast<const quint8*>(text.data());
  const qsizetype n = text.size();
  qint64 width = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const quint8 b = p[i];
    const quint8 w = kWeights[b];
    if (w != 0) {
      width += w;
      continue;
    }
    // A line end: count the line that ends here.
    if (width > columns) ++census.wide;
    if (b == '\r' && i + 1 < n && p[i + 1] == '\n') ++i;
    width = 0;
  }
  if (width > columns) ++census.wide;
  return census;
}

}  // namespace zel
