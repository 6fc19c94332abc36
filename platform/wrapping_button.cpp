#include "platform/wrapping_button.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>

namespace zel {

QStringList WrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!lines.isEmpty() &&
        metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= width) {
      lines.last() += QLatin1Char(' ') + word;
    } else {
      lines.append(word);
    }
  }
  return lines;
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  const QRect area = rect().adjusted(4, 2, -4, -2);
  const QString caption = WrapAtBlanks(text(), QFontMetrics(font()), area.width()).join('\n');
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter, caption);
}

}  // namespace zel
