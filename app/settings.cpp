#include "app/settings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

#include "platform/app_title.h"
#include "platform/twips.h"

namespace zel {
namespace {

const QString kApplication = kAppTitle;
const QString kSection = QStringLiteral("Settings");
const QString kMainLeft = QStringLiteral("MainLeft");
const QString kMainTop = QStringLiteral("MainTop");
const QString kOpenPathName = QStringLiteral("OpenPathName");
const QString kSyntaxColour = QStringLiteral("SyntaxColour");
const QString kRapidX = QStringLiteral("RapidX");
const QString kRapidZ = QStringLiteral("RapidZ");
const QString kSpindleMax = QStringLiteral("SpindleMax");
const QString kToolChange = QStringLiteral("ToolChange");

// The program only ever stores numbers here; anything else counts as 0, and so do "nan"
// and "inf", which no window position can be.
double NumberOf(const QVariant& value) {
  bool ok = false;
  const double number = value.toString().trimmed().toDouble(&ok);
  return ok && std::isfinite(number) ? number : 0;
}

constexpr double kStoredLimit = 1e7;  // twips; far beyond any screen
constexpr int kGripPixels = 100;

// Squared distance between two rectangles (0 where they overlap).
qint64 DistanceSquared(const QRect& a, const QRect& b) {
  const qint64 dx =
      std::max({qint64(b.left()) - a.right(), qint64(a.left()) - b.right(), qint64(0)});
  const qint64 dy =
      std::max({qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom(), qint64(0)});
  return dx * dx + dy * dy;
}

// Decimal text of a single-precision number, as the positions have always been stored.
QString SingleText(double value) { return QString::number(static_cast<float>(value), 'g', 7); }

}  // namespace

WindowSettings ReadWindowSettings() {
  QSettings store(kApplication, kApplication);
  store.beginGroup(kSection);
  WindowSettings settings;
  settings.left = NumberOf(store.value(kMainLeft, QStringLiteral("0")));
  settings.top = NumberOf(store.value(kMainTop, QStringLiteral("0")));
  settings.open_path = store.value(kOpenPathName, settings.open_path).toString();
  settings.syntax_colour = store.value(kSyntaxColour).toString().trimmed() != QStringLiteral("0");
  return settings;
}

MachineRates ReadMachineRates() {
  QSettings store(kApplication, kApplication);
  store.beginGroup(kSection);
  // A value of the right sign, or the default.
  auto read = [&store](const QString& key, double fallback, bool zero_allowed) {
    bool ok = false;
    const double value = store.value(key).toString().trimmed().toDouble(&ok);
    const bool usable = ok && std::isfinite(value) && (zero_allowed ? value >= 0 : value > 0);
    return usable ? value : fallback;
  };
  const MachineRates defaults;
  MachineRates rates;
  rates.rapid_x = read(kRapidX, defaults.rapid_x, false);
  rates.rapid_z = read(kRapidZ, defaults.rapid_z, false);
  rates.spindle_max = read(kSpindleMax, defaults.spindle_max, false);
  rates.tool_change = read(kToolChange, defaults.tool_change, true);
  return rates;
}

void WriteMachineRates(const MachineRates& rates) {
  QSettings store(kApplication, kApplication);
  store.beginGroup(kSection);
  store.setValue(kRapidX, QString::number(rates.rapid_x));
  store.setValue(kRapidZ, QString::number(rates.rapid_z));
  store.setValue(kSpindleMax, QString::number(rates.spindle_max));
  store.setValue(kToolChange, QString::number(rates.tool_change));
}

int StoredPositionPixels(double twips) {
  return TwipsToPixels(std::clamp(twips, -kStoredLimit, kStoredLimit));
}

QPoint PositionOnScreens(const QRect& frame, int title_height, const QList<QRect>& screens) {
  if (screens.isEmpty()) return frame.topLeft();
  const QRect title(frame.left(), frame.top(), frame.width(), std::max(title_height, 1));
  const int grip = std::min(kGripPixels, frame.width());
  for (const QRect& screen : screens) {
    const QRect shown = screen.intersected(title);
    if (shown.height() == title.height() && shown.width() >= grip) return frame.topLeft();
  }
  const QRect& nearest =
      *std::min_element(screens.begin(), screens.end(), [&title](const QRect& a, const QRect& b) {
        return DistanceSquared(a, title) < DistanceSquared(b, title);
      });
  const int x = std::clamp(frame.left(), nearest.left(),
                           std::max(nearest.left(), nearest.right() + 1 - frame.width()));
  const int y = std::clamp(frame.top(), nearest.top(),
                           std::max(nearest.top(), nearest.bottom() + 1 - frame.height()));
  return QPoint(x, y);
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
