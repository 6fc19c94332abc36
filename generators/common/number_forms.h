#pragma once

#include <QString>
#include <QStringView>

#include <cmath>
#include <concepts>
#include <limits>
#include <optional>

namespace zel {

// The number forms the generator dialogs share: reading the number a field starts with,
// making whole numbers of it, and writing computed numbers back as text.

// The value of the number at the start of a text.
// - Blanks, tabs and line feeds are dropped wherever they stand: "3 2" reads 32, "- 5" reads -5.
// - A number is an optional sign, digits with at most one decimal point (".5" and "5." are
//   numbers), and an optional exponent: "E" or "D" (either case), an optional sign and at
//   least one digit, so "1E3" and "1D3" read 1000, "2.5e-1" reads 0.25. An "E" or "D" that no
//   digit follows ends the number before it: "1E" and "1E+" read 1, "3D" reads 3.
// - Reading stops at the first character that cannot continue the number: "3a" reads 3,
//   "1.2.3" reads 1.2, "--5" reads 0. Only the ASCII digits count; "&H" prefixes are not read.
// - An empty or non-numeric text gives 0. A value too small for a double gives 0.
// Returns nullopt when the value is too large for a double ("1E400"), rather than infinity.
std::optional<double> LeadingNumberValue(QStringView text);

namespace number_forms_detail {

// Whether a whole number (already rounded) fits the integer type Int.
template <std::integral Int>
std::optional<Int> FitWhole(double whole) {
  constexpr int kDigits = std::numeric_limits<Int>::digits;
  // 2^digits is exact as a double, unlike the type's largest value.
  const double upper = std::ldexp(1.0, kDigits);
  const double lower = std::numeric_limits<Int>::is_signed ? -upper : 0.0;
  if (!(whole >= lower && whole < upper)) return std::nullopt;
  return static_cast<Int>(whole);
}

}  // namespace number_forms_detail

// x rounded to the nearest whole number, a half going to the even neighbour (1.5 and 2.5 give
// 2, 0.5 gives 0, -2.5 gives -2). Returns nullopt when x is not finite or the result does not
// fit Int.
template <std::integral Int>
std::optional<Int> RoundHalfEven(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double below = std::floor(x);
  const double fraction = x - below;  // exact for every double
  double whole = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) whole = below + 1.0;
  return number_forms_detail::FitWhole<Int>(whole);
}

// x rounded down, towards minus infinity (37.5 gives 37, -37.5 gives -38). Returns nullopt
// when x is not finite or the result does not fit Int.
template <std::integral Int>
std::optional<Int> RoundDown(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  return number_forms_detail::FitWhole<Int>(std::floor(x));
}

// The general text of a computed number: no leading blank, "-" before a negative number,
// at most 15 significant digits and no trailing zeros ("0.3" for 0.1 + 0.2, "-50", "0" for
// -0). Magnitudes from 1E-5 up to below 1E15 (after rounding to 15 digits) are written with
// plain digits ("0.00001", "123456789012345"); smaller and larger ones in exponent form with
// an upper-case E, a sign and at least two exponent digits ("1E+15", "-2.5E-06",
// "1.79769313486232E+308"). A value that is not finite gives "NaN", "Inf" or "-Inf"; the
// dialogs check for those before they write a number.
QString NumberText(double x);

// The Str form: a blank before a number of zero or more (-0 included), the minus sign before
// a negative one, otherwise as NumberText: 30 gives " 30", -30 gives "-30".
QString StrForm(double x);

// StrForm less its first character: the plain digits of a number of zero or more (14 gives
// "14"). A negative number keeps its minus sign (-3 gives "-3"): dropping the first character
// of "-3" would write the number 3 into a statement.
QString StrF(double x);

}  // namespace zel
