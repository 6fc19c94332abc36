// The number forms: any text reads without a crash; the number text of a finite value reads
// back as the same value; the Str form puts a blank before a number of zero or more.
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "generators/common/number_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::optional<double> value = zel::LeadingNumberValue(text);
  if (value && !std::isfinite(*value)) std::abort();  // too large is reported, never infinity
  if (value) {
    (void)zel::RoundHalfEven<int>(*value);
    (void)zel::RoundDown<qint64>(*value);
  }

  // Any double from eight of the bytes (NaN and infinities included).
  if (size >= 8) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const QString number = zel::NumberText(x);
    const QString str = zel::StrForm(x);
    // StrF drops the Str form's blank; a negative number keeps its sign.
    if (zel::StrF(x) != (str.startsWith(QLatin1Char(' ')) ? str.mid(1) : str)) std::abort();
    const std::optional<int> whole = zel::RoundHalfEven<int>(x);
    if (whole && std::fabs(*whole - x) > 0.5) std::abort();
    const std::optional<int> down = zel::RoundDown<int>(x);
    if (down && (*down > x || *down + 1 <= x)) std::abort();
    // Fifteen digits round the very largest doubles (above 1.79769313486231E+308) up past
    // the largest double; their text reads back as too large, which the reader reports.
    if (std::isfinite(x) && std::fabs(x) < 1.79769313486231e308) {
      // Fifteen significant digits: the text reads back within the last of them.
      const std::optional<double> again = zel::LeadingNumberValue(number);
      if (!again) std::abort();
      if (std::fabs(*again - x) > std::fabs(x) * 1e-14 + 1e-300) std::abort();
      if (x >= 0 && !str.startsWith(QLatin1Char(' '))) std::abort();
      if (x < 0 && *again != 0 && !str.startsWith(QLatin1Char('-'))) std::abort();
    }
  }
  return 0;
}
