#include "toolpath/cycle_time.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zel {

namespace {

constexpr double kPi = std::numbers::pi;

// Under G96 per revolution, the minutes one millimetre of path takes, times F, at radius r is
// 1 / n = max(k × |r|, c): k × |r| = π × D / (1000 × Vc) where the surface speed rules, and
// c = 1 / limit from the radius rl = c / k inwards, where the limit holds.
struct InverseSpeed {
  double k;  // minutes per revolution per mm of radius
  double c;  // minutes per revolution at the limit

  explicit InverseSpeed(const CuttingState& state)
      : k(2 * kPi / (1000 * state.speed)), c(1 / state.limit) {}
  double LimitRadius() const { return c / k; }
  double At(double r) const { return std::max(k * std::abs(r), c); }
  // The integral of At from 0 to r (an odd function of r).
  double Integral(double r) const {
    const double a = std::abs(r);
    const double rl = LimitRadius();
    const double value = a <= rl ? c * a : c * rl + k * (a * a - rl * rl) / 2;
    return r < 0 ? -value : value;
  }
};

// Minutes per mm of path times F, for the states whose spindle speed does not vary.
double FixedMinutesPerMm(const CuttingState& state) {
  if (state.per_minute) return 1;
  return 1 / state.speed;
}

bool VariesWithDiameter(const CuttingState& state) { return !state.per_minute && state.css; }

}  // namespace

double SpindleRpm(const CuttingState& state, double diameter) {
  if (!state.css) return state.speed;
  const double d = std::abs(diameter);
  if (d <= 0) return state.limit;
  return std::min(1000 * state.speed / (kPi * d), state.limit);
}

bool CanCut(const CuttingState& state) {
  if (!(state.feed > 0)) return false;
  if (state.per_minute) return true;
  if (state.css) return state.speed > 0 && state.limit > 0;
  return state.speed > 0;
}

double RapidSeconds(double dx, double dz, const MachineRates& rates) {
  // m/min to mm/s: × 1000 / 60.
  const double x_seconds = std::abs(dx) / 2 / (rates.rapid_x * 1000 / 60);
  const double z_seconds = std::abs(dz) / (rates.rapid_z * 1000 / 60);
  return std::max(x_seconds, z_seconds);
}

double LineCutSeconds(const CuttingState& state, double x0, double x1, double length) {
  if (!VariesWithDiameter(state)) return 60 * length * FixedMinutesPerMm(state) / state.feed;
  const InverseSpeed inverse(state);
  const double r0 = x0 / 2;
  const double r1 = x1 / 2;
  double minutes_times_f;
  // Along the move the radius changes linearly with the path, so the path integral is the
  // radius integral scaled by length / |r1 - r0|; a move at one radius is a plain product.
  if (std::abs(r1 - r0) <= 1e-9 * std::max(length, 1.0))
    minutes_times_f = length * inverse.At((r0 + r1) / 2);
  else
    minutes_times_f = length * (inverse.Integral(r1) - inverse.Integral(r0)) / (r1 - r0);
  return 60 * minutes_times_f / state.feed;
}

double ArcCutSeconds(const CuttingState& state, double rc, double radius, double a0, double a1) {
  if (!VariesWithDiameter(state))
    return 60 * radius * (a1 - a0) * FixedMinutesPerMm(state) / state.feed;
  const InverseSpeed inverse(state);
  const double rl = inverse.LimitRadius();
  // Split the arc where its radius from the axis crosses ±rl: between two such angles either
  // the limit holds throughout (constant) or the surface speed does on one side of the axis,
  // where k × |rc + R sin a| × R integrates to ±k R (rc a - R cos a).
  std::vector<double> cuts = {a0, a1};
  for (double level : {rl, -rl}) {
    const double s = (level - rc) / radius;
    if (s < -1 || s > 1) continue;
    const double base = std::asin(s);
    for (double root : {base, kPi - base}) {
      // Every turn of the root that lies inside the arc.
      const double first = root + 2 * kPi * std::ceil((a0 - root) / (2 * kPi));
      for (double a = first; a < a1; a += 2 * kPi)
        if (a > a0) cuts.push_back(a);
    }
  }
  std::sort(cuts.begin(), cuts.end());
  double minutes_times_f = 0;
  for (size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double p = cuts[i];
    const double q = cuts[i + 1];
    if (q <= p) continue;
    const double r_mid = rc + radius * std::sin((p + q) / 2);
    if (std::abs(r_mid) <= rl) {
      minutes_times_f += inverse.c * radius * (q - p);
    } else {
      const double sign = r_mid < 0 ? -1 : 1;
      auto primitive = [&](double a) { return rc * a - radius * std::cos(a); };
      minutes_times_f += sign * inverse.k * radius * (primitive(q) - primitive(p));
    }
  }
  return 60 * minutes_times_f / state.feed;
}

QString CycleTimeText(double seconds) {
  // Far beyond any cycle (or not a number) shows as the largest time the text holds.
  constexpr double kLongest = 1e15;
  const double shown = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kLongest) : kLongest;
  const long long tenths = std::llround(shown * 10);
  return QStringLiteral("%1:%2:%3.%4")
      .arg(tenths / 36000)
      .arg(tenths / 600 % 60, 2, 10, QLatin1Char('0'))
      .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
      .arg(tenths % 10);
}

}  // namespace zel
