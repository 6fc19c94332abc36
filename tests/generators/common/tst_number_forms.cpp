#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>

#include "generators/common/number_forms.h"

namespace zel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();

}  // namespace

class TestNumberForms : public QObject {
  Q_OBJECT

 private slots:
  void LeadingValue_data();
  void LeadingValue();
  void LeadingValueTooLarge_data();
  void LeadingValueTooLarge();
  void HalfEven_data();
  void HalfEven();
  void HalfEvenIntoOtherTypes();
  void Down_data();
  void Down();
  void DownIntoOtherTypes();
  void Text_data();
  void Text();
  void Str_data();
  void Str();
};

void TestNumberForms::LeadingValue_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("value");
  // clang-format off
  QTest::newRow("empty gives 0")                    << ""              << 0.0;
  QTest::newRow("letters give 0")                   << "abc"           << 0.0;
  QTest::newRow("plain whole number")               << "32"            << 32.0;
  QTest::newRow("blank inside is dropped: 3 2")     << "3 2"           << 32.0;
  QTest::newRow("tab and line feed dropped")        << "\t1\n2 3"      << 123.0;
  QTest::newRow("leading blanks")                   << "   7.5"        << 7.5;
  QTest::newRow("stops at a letter: 3a")            << "3a"            << 3.0;
  QTest::newRow("carriage return ends it")          << "4\r5"          << 4.0;
  QTest::newRow("full-width blank ends it")         << "4\u30005"      << 4.0;
  QTest::newRow("full-width digits are no number")  << "\uff13\uff12"  << 0.0;
  QTest::newRow("negative")                         << "-50"           << -50.0;
  QTest::newRow("plus sign")                        << "+12"           << 12.0;
  QTest::newRow("blank after the sign")             << "- 5"           << -5.0;
  QTest::newRow("two signs give 0")                 << "--5"           << 0.0;
  QTest::newRow("sign alone gives 0")               << "-"             << 0.0;
  QTest::newRow("point alone gives 0")              << "."             << 0.0;
  QTest::newRow("point first")                      << ".5"            << 0.5;
  QTest::newRow("negative point first")             << "-.25"          << -0.25;
  QTest::newRow("point last")                       << "5."            << 5.0;
  QTest::newRow("second point ends it")             << "1.2.3"         << 1.2;
  QTest::newRow("blank inside a fraction")          << "1. 2 5"        << 1.25;
  QTest::newRow("comma ends it")                    << "1,5"           << 1.0;
  QTest::newRow("exponent E")                       << "1E3"           << 1000.0;
  QTest::newRow("exponent D")                       << "1D3"           << 1000.0;
  QTest::newRow("exponent lower case")              << "2.5e-1"        << 0.25;
  QTest::newRow("exponent d lower case plus")       << "3d+2"          << 300.0;
  QTest::newRow("exponent with blanks")             << "1 E - 2"       << 0.01;
  QTest::newRow("E without digits ends it")         << "1E"            << 1.0;
  QTest::newRow("E and sign without digits")        << "1E+x"          << 1.0;
  QTest::newRow("D then letter: 3D")                << "3D"            << 3.0;
  QTest::newRow("E alone gives 0")                  << "E5"            << 0.0;
  QTest::newRow("exponent after point alone")       << ".E5"           << 0.0;
  QTest::newRow("zero with huge exponent")          << "0E99999"       << 0.0;
  QTest::newRow("too small is 0")                   << "1E-400"        << 0.0;
  QTest::newRow("many leading zeros")               << "000000012"     << 12.0;
  QTest::newRow("largest double still fits")        << "1.7976931348623157E308" << kMax;
  QTest::newRow("small digits, exponent to 1E308") << "0.0001E312" << 1e308;
  QTest::newRow("many zeros then a small exponent") << "0.000000001E9" << 1.0;
  QTest::newRow("hex prefix is not read")           << "&H10"          << 0.0;
  QTest::newRow("a number after a letter is not read") << "X30"        << 0.0;
  // clang-format on
}

void TestNumberForms::LeadingValue() {
  QFETCH(QString, text);
  QFETCH(double, value);
  const std::optional<double> result = LeadingNumberValue(text);
  QVERIFY(result.has_value());
  QCOMPARE(*result, value);
}

void TestNumberForms::LeadingValueTooLarge_data() {
  QTest::addColumn<QString>("text");
  // clang-format off
  QTest::newRow("exponent past a double")   << "1E400";
  QTest::newRow("negative past a double")   << "-1D309";
  QTest::newRow("just past the largest")    << "1.8E308";
  QTest::newRow("endless exponent")         << "1E99999999999999999999";
  QTest::newRow("four hundred digits")      << QString(400, u'9');
  QTest::newRow("small digits, big exponent") << "0.001E312";
  // clang-format on
}

void TestNumberForms::LeadingValueTooLarge() {
  QFETCH(QString, text);
  QCOMPARE(LeadingNumberValue(text), std::nullopt);
}

void TestNumberForms::HalfEven_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<bool>("fits");
  QTest::addColumn<int>("whole");
  // clang-format off
  QTest::newRow("1.5 to 2")               << 1.5       << true  << 2;
  QTest::newRow("2.5 to 2")               << 2.5       << true  << 2;
  QTest::newRow("0.5 to 0")               << 0.5       << true  << 0;
  QTest::newRow("-2.5 to -2")             << -2.5      << true  << -2;
  QTest::newRow("-1.5 to -2")             << -1.5      << true  << -2;
  QTest::newRow("-0.5 to 0")              << -0.5      << true  << 0;
  QTest::newRow("3.5 to 4")               << 3.5       << true  << 4;
  QTest::newRow("2.4999 to 2")            << 2.4999    << true  << 2;
  QTest::newRow("2.5001 to 3")            << 2.5001    << true  << 3;
  QTest::newRow("-2.6 to -3")             << -2.6      << true  << -3;
  QTest::newRow("whole stays")            << 7.0       << true  << 7;
  QTest::newRow("int max fits")           << 2147483647.0  << true << 2147483647;
  QTest::newRow("int max + 0.4 fits")     << 2147483647.4  << true << 2147483647;
  QTest::newRow("int max + 0.5 is even: out") << 2147483647.5 << false << 0;
  QTest::newRow("int min fits")           << -2147483648.0 << true << -2147483647 - 1;
  QTest::newRow("int min - 0.5 to even")  << -2147483648.5 << true << -2147483647 - 1;
  QTest::newRow("int min - 0.6 is out")   << -2147483648.6 << false << 0;
  QTest::newRow("huge is out")            << 1e300     << false << 0;
  QTest::newRow("infinity is out")        << kInf      << false << 0;
  QTest::newRow("minus infinity is out")  << -kInf     << false << 0;
  QTest::newRow("NaN is out")             << kNaN      << false << 0;
  // clang-format on
}

void TestNumberForms::HalfEven() {
  QFETCH(double, x);
  QFETCH(bool, fits);
  QFETCH(int, whole);
  const std::optional<int> result = RoundHalfEven<int>(x);
  QCOMPARE(result.has_value(), fits);
  if (fits) QCOMPARE(*result, whole);
}

void TestNumberForms::HalfEvenIntoOtherTypes() {
  // The tool dialog's shape number is a 16-bit signed number.
  QCOMPARE(RoundHalfEven<std::int16_t>(32767.0), std::optional<std::int16_t>(32767));
  QCOMPARE(RoundHalfEven<std::int16_t>(32767.5), std::nullopt);
  QCOMPARE(RoundHalfEven<std::int16_t>(-32768.5), std::optional<std::int16_t>(-32768));
  QCOMPARE(RoundHalfEven<std::int16_t>(-32769.0), std::nullopt);
  QCOMPARE(RoundHalfEven<unsigned>(-0.4), std::optional<unsigned>(0));
  QCOMPARE(RoundHalfEven<unsigned>(-0.6), std::nullopt);
  QCOMPARE(RoundHalfEven<std::int64_t>(std::ldexp(1.0, 63)), std::nullopt);
  QCOMPARE(RoundHalfEven<std::int64_t>(-std::ldexp(1.0, 63)),
           std::optional<std::int64_t>(std::numeric_limits<std::int64_t>::min()));
}

void TestNumberForms::Down_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<bool>("fits");
  QTest::addColumn<int>("whole");
  // clang-format off
  QTest::newRow("75/2 to 37")             << 75.0 / 2   << true  << 37;
  QTest::newRow("-75/2 to -38")           << -75.0 / 2  << true  << -38;
  QTest::newRow("60/2 stays 30")          << 60.0 / 2   << true  << 30;
  QTest::newRow("0.999 to 0")             << 0.999      << true  << 0;
  QTest::newRow("-0.001 to -1")           << -0.001     << true  << -1;
  QTest::newRow("minus zero to 0")        << -0.0       << true  << 0;
  QTest::newRow("int max + 0.9 fits")     << 2147483647.9 << true << 2147483647;
  QTest::newRow("int max + 1 is out")     << 2147483648.0 << false << 0;
  QTest::newRow("int min - 0.1 is out")   << -2147483648.1 << false << 0;
  QTest::newRow("infinity is out")        << kInf       << false << 0;
  QTest::newRow("NaN is out")             << kNaN       << false << 0;
  // clang-format on
}

void TestNumberForms::Down() {
  QFETCH(double, x);
  QFETCH(bool, fits);
  QFETCH(int, whole);
  const std::optional<int> result = RoundDown<int>(x);
  QCOMPARE(result.has_value(), fits);
  if (fits) QCOMPARE(*result, whole);
}

void TestNumberForms::DownIntoOtherTypes() {
  QCOMPARE(RoundDown<std::int16_t>(-32768.9), std::nullopt);
  QCOMPARE(RoundDown<std::int16_t>(32767.9), std::optional<std::int16_t>(32767));
  QCOMPARE(RoundDown<long long>(1e18 + 0.0), std::optional<long long>(1000000000000000000LL));
}

void TestNumberForms::Text_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<QString>("text");
  // clang-format off
  QTest::newRow("0.1 + 0.2 is 0.3")          << 0.1 + 0.2          << "0.3";
  QTest::newRow("1/3 to 15 digits")          << 1.0 / 3            << "0.333333333333333";
  QTest::newRow("2/3 rounds the last digit") << 2.0 / 3            << "0.666666666666667";
  QTest::newRow("-50")                       << -50.0              << "-50";
  QTest::newRow("zero")                      << 0.0                << "0";
  QTest::newRow("minus zero is 0")           << -0.0               << "0";
  QTest::newRow("trailing zeros dropped")    << 12.5               << "12.5";
  QTest::newRow("whole with zeros kept")     << 1200.0             << "1200";
  QTest::newRow("negative fraction")         << -0.75              << "-0.75";
  QTest::newRow("15 digits stay plain")      << 123456789012345.0  << "123456789012345";
  QTest::newRow("16th digit rounds")         << 1234567890123456.0 << "1.23456789012346E+15";
  QTest::newRow("just under 1E15 rounds up") << 999999999999999.9  << "1E+15";
  QTest::newRow("1E15")                      << 1e15               << "1E+15";
  QTest::newRow("large with fraction")       << 2.5e20             << "2.5E+20";
  QTest::newRow("largest double")            << kMax               << "1.79769313486232E+308";
  QTest::newRow("negative large")            << -3e100             << "-3E+100";
  QTest::newRow("1E-5 stays plain")          << 1e-5               << "0.00001";
  QTest::newRow("-1.5E-5 stays plain")       << -1.5e-5            << "-0.000015";
  QTest::newRow("below 1E-5 gets exponent")  << 9.5e-6             << "9.5E-06";
  QTest::newRow("tiny")                      << 1e-300             << "1E-300";
  QTest::newRow("mixed digits")              << 1234.5678          << "1234.5678";
  QTest::newRow("sum of money-like")         << 0.7 + 0.1          << "0.8";
  QTest::newRow("infinity")                  << kInf               << "Inf";
  QTest::newRow("minus infinity")            << -kInf              << "-Inf";
  QTest::newRow("NaN")                       << kNaN               << "NaN";
  // clang-format on
}

void TestNumberForms::Text() {
  QFETCH(double, x);
  QFETCH(QString, text);
  QCOMPARE(NumberText(x), text);
}

void TestNumberForms::Str_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<QString>("str_form");
  QTest::addColumn<QString>("str_f");
  // clang-format off
  QTest::newRow("30")                 << 30.0   << " 30"  << "30";
  QTest::newRow("-30")                << -30.0  << "-30"  << "-30";
  QTest::newRow("0")                  << 0.0    << " 0"   << "0";
  QTest::newRow("-0 is zero")         << -0.0   << " 0"   << "0";
  QTest::newRow("14: two characters") << 14.0   << " 14"  << "14";
  QTest::newRow("fraction")           << 37.5   << " 37.5" << "37.5";
  QTest::newRow("small negative")     << -0.5   << "-0.5" << "-0.5";
  QTest::newRow("large")              << 1e20   << " 1E+20" << "1E+20";
  // clang-format on
}

void TestNumberForms::Str() {
  QFETCH(double, x);
  QFETCH(QString, str_form);
  QFETCH(QString, str_f);
  QCOMPARE(StrForm(x), str_form);
  QCOMPARE(StrF(x), str_f);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestNumberForms)
#include "tst_number_forms.moc"
