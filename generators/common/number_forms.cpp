#include "generators/common/number_forms.h"

#include <QLatin1Char>

#include <charconv>
#include <string>
#include <system_error>

namespace zel {

namespace {

bool IsDropped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the characters of a text one by one with blanks, tabs and line feeds dropped.
class Reader {
 public:
  explicit Reader(QStringView text) : text_(text) { SkipDropped(); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  QChar Peek() const { return AtEnd() ? QChar() : text_[pos_]; }
  void Next() {
    ++pos_;
    SkipDropped();
  }
  qsizetype pos() const { return pos_; }
  void Rewind(qsizetype pos) { pos_ = pos; }

 private:
  void SkipDropped() {
    while (pos_ < text_.size() && IsDropped(text_[pos_])) ++pos_;
  }

  QStringView text_;
  qsizetype pos_ = 0;
};

// The decimal exponent of the leading digit of digits "int_digits.frac_digits" shifted by
// exponent; the digits are not all zero.
long long LeadingMagnitude(const std::string& int_digits, const std::string& frac_digits,
                           long long exponent) {
  const std::size_t first_int = int_digits.find_first_not_of('0');
  if (first_int != std::string::npos) {
    return static_cast<long long>(int_digits.size() - first_int) - 1 + exponent;
  }
  const std::size_t first_frac = frac_digits.find_first_not_of('0');
  return -static_cast<long long>(first_frac) - 1 + exponent;
}

}  // namespace

std::optional<double> LeadingNumberValue(QStringView text) {
  Reader reader(text);
  bool negative = false;
  if (reader.Peek() == u'+' || reader.Peek() == u'-') {
    negative = reader.Peek() == u'-';
    reader.Next();
  }
  std::string int_digits;
  std::string frac_digits;
  while (IsDigit(reader.Peek())) {
    int_digits += static_cast<char>(reader.Peek().unicode());
    reader.Next();
  }
  if (reader.Peek() == u'.') {
    reader.Next();
    while (IsDigit(reader.Peek())) {
      frac_digits += static_cast<char>(reader.Peek().unicode());
      reader.Next();
    }
  }
  if (int_digits.empty() && frac_digits.empty()) return 0.0;

  // An exponent counts only with at least one digit; otherwise the number ends before it.
  std::string exponent_digits;
  bool exponent_negative = false;
  const QChar marker = reader.Peek().toUpper();
  if (marker == u'E' || marker == u'D') {
    const qsizetype before = reader.pos();
    reader.Next();
    if (reader.Peek() == u'+' || reader.Peek() == u'-') {
      exponent_negative = reader.Peek() == u'-';
      reader.Next();
    }
    while (IsDigit(reader.Peek())) {
      exponent_digits += static_cast<char>(reader.Peek().unicode());
      reader.Next();
    }
    if (exponent_digits.empty()) reader.Rewind(before);
  }

  if (int_digits.find_first_not_of('0') == std::string::npos &&
      frac_digits.find_first_not_of('0') == std::string::npos) {
    return 0.0;
  }

  std::string number = (int_digits.empty() ? std::string("0") : int_digits);
  if (!frac_digits.empty()) number += '.' + frac_digits;
  long long exponent = 0;
  if (!exponent_digits.empty()) {
    number += exponent_negative ? "e-" : "e";
    number += exponent_digits;
    // Saturated: far beyond any double either way.
    for (char digit : exponent_digits) {
      exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000LL);
    }
    if (exponent_negative) exponent = -exponent;
  }

  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Too large is reported; too small is as good as 0.
    if (LeadingMagnitude(int_digits, frac_digits, exponent) >= 0) return std::nullopt;
    return 0.0;
  }
  if (error != std::errc() || end != number.data() + number.size()) return 0.0;
  return negative ? -value : value;
}

QString NumberText(double x) {
  if (std::isnan(x)) return QStringLiteral("NaN");
  if (std::isinf(x)) return x > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
  if (x == 0.0) return QStringLiteral("0");  // -0 as well

  // 15 significant digits, d.dddddddddddddde±x: the digits and the decimal exponent after
  // rounding, so that 999999999999999.9 counts as 1E+15.
  const QString scientific = QString::number(std::fabs(x), 'e', 14);
  const qsizetype e_at = scientific.indexOf(u'e');
  QString digits = scientific.left(e_at);
  digits.remove(1, 1);  // the decimal point
  const int exponent = scientific.mid(e_at + 1).toInt();
  while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);

  QString text;
  if (exponent >= -5 && exponent <= 14) {
    if (exponent >= 0) {
      const qsizetype int_count = exponent + 1;
      if (digits.size() <= int_count) {
        text = digits + QString(int_count - digits.size(), u'0');
      } else {
        text = digits.left(int_count) + u'.' + digits.mid(int_count);
      }
    } else {
      text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    }
  } else {
    text = digits.left(1);
    if (digits.size() > 1) text += u'.' + digits.mid(1);
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
  }
  return x < 0 ? u'-' + text : text;
}

QString StrForm(double x) {
  const QString text = NumberText(x);
  return text.startsWith(u'-') ? text : u' ' + text;
}

QString StrF(double x) { return NumberText(x); }

}  // namespace zel
