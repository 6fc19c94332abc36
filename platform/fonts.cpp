#include "platform/fonts.h"

#include <QFontDatabase>

namespace zel {

QString FirstInstalledFamily(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families)
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return families.isEmpty() ? QString() : families.last();
}

namespace {

QFont Make(const QStringList& families, qreal point_size) {
  QFont font(FirstInstalledFamily(families));
  font.setPointSizeF(point_size);
  return font;
}

}  // namespace

QFont ProgramFont(qreal point_size) {
  return Make({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
               QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
               QStringLiteral("Monospace")},
              point_size);
}

QFont UiFont(qreal point_size) {
  return Make({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
               QStringLiteral("IPAPゴシック"), QStringLiteral("IPAGothic"),
               QStringLiteral("Sans Serif")},
              point_size);
}

QFont CaptionFont(qreal point_size) {
  return Make({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
               QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
               QStringLiteral("IPAGothic"), QStringLiteral("Sans Serif")},
              point_size);
}

}  // namespace zel
