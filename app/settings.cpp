#include "app/settings.h"

#include <QSettings>

#include "platform/app_title.h"

namespace zel {
namespace {

const QString kApplication = kAppTitle;
const QString kSection = QStringLiteral("Settings");
const QString kMainLeft = QStringLiteral("MainLeft");
const QString kMainTop = QStringLiteral("MainTop");
const QString kOpenPathName = QStringLiteral("OpenPathName");

// The program only ever stores numbers here; anything else counts as 0.
double NumberOf(const QVariant& value) {
  bool ok = false;
  const double number = value.toString().trimmed().toDouble(&ok);
  return ok ? number : 0;
}

// Decimal text of a single-precision number, as the positions have always been stored.
QString SingleText(double value) {
  return QString::number(static_cast<float>(value), 'g', 7);
}

}  // namespace

WindowSettings ReadWindowSettings() {
  QSettings store(kApplication, kApplication);
  store.beginGroup(kSection);
  WindowSettings settings;
  settings.left = NumberOf(store.value(kMainLeft, QStringLiteral("0")));
  settings.top = NumberOf(store.value(kMainTop, QStringLiteral("0")));
  settings.open_path = store.value(kOpenPathName, settings.open_path).toString();
  return settings;
}

void WriteWindowSettings(const WindowSettings& settings, bool position) {
  QSettings store(kApplication, kApplication);
  store.beginGroup(kSection);
  if (position) {
    store.setValue(kMainLeft, SingleText(settings.left));
    store.setValue(kMainTop, SingleText(settings.top));
  }
  store.setValue(kOpenPathName, settings.open_path);
}

}  // namespace zel
