#include <QFontMetrics>
#include <QTest>

#include "platform/fonts.h"
#include "platform/wrapping_button.h"

namespace zel {

class TestWrappingButton : public QObject {
  Q_OBJECT

 private slots:
  void Wrap_data();
  void Wrap();
  void CaptionStaysAsGiven();
};

void TestWrappingButton::Wrap_data() {
  // The width is that of a sample text in the font, so that the cases hold in any font.
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("width_of");
  QTest::addColumn<QStringList>("lines");
  // clang-format off
  QTest::newRow("fits on one line")              << "全消去"               << "全消去全消去"   << QStringList{"全消去"};
  QTest::newRow("two words break at the blanks") << "プログラム  書き込み" << "プログラム"     << QStringList{"プログラム", "書き込み"};
  QTest::newRow("two words that fit stay")       << "転送 終了"            << "転送 終了"      << QStringList{"転送 終了"};
  QTest::newRow("leading blanks dropped")        << "   チャック   心押し" << "チャック"       << QStringList{"チャック", "心押し"};
  QTest::newRow("a word too wide stands alone")  << "プログラム 書"        << "プロ"           << QStringList{"プログラム", "書"};
  QTest::newRow("no blank, no break")            << "プログラム書き込み"   << "プロ"           << QStringList{"プログラム書き込み"};
  QTest::newRow("three words, two lines")        << "a b c"                << "a b"            << QStringList{"a b", "c"};
  QTest::newRow("empty caption")                 << ""                     << "x"              << QStringList{};
  // clang-format on
}

void TestWrappingButton::Wrap() {
  QFETCH(QString, caption);
  QFETCH(QString, width_of);
  QFETCH(QStringList, lines);
  const QFontMetrics metrics(ProgramFont(12));
  QCOMPARE(WrapAtBlanks(caption, metrics, metrics.horizontalAdvance(width_of)), lines);
}

void TestWrappingButton::CaptionStaysAsGiven() {
  WrappingButton button(QStringLiteral("プログラム  書き込み"));
  button.resize(40, 40);
  QCOMPARE(button.text(), QStringLiteral("プログラム  書き込み"));
  // Painting the wrapped caption leaves the text alone.
  button.grab();
  QCOMPARE(button.text(), QStringLiteral("プログラム  書き込み"));
}

}  // namespace zel

QTEST_MAIN(zel::TestWrappingButton)
#include "tst_wrapping_button.moc"
