#pragma once

#include <QString>

namespace zel {

// The lathe's time model: how long a move takes from the machine's rates and the program's
// feed and spindle state. Rapids run each axis at its own rate, both at once; feeds run at the
// programmed feed from the first to the last millimetre. Nothing accelerates or decelerates,
// so the figures are a floor that a real machine reaches on long moves and misses on short ones.

// The machine's figures the time model needs; they live in the settings store.
struct MachineRates {
  double rapid_x = 20;        // "RapidX": m/min along X, counted on the radius (X's half)
  double rapid_z = 24;        // "RapidZ": m/min along Z
  double spindle_max = 4000;  // "SpindleMax": rpm ceiling under G96 where no G50 limit was given
  double tool_change = 2;     // "ToolChange": seconds per T word that changes the tool

  friend bool operator==(const MachineRates&, const MachineRates&) = default;
};

// The feed and spindle state a cutting move runs with.
struct CuttingState {
  bool per_minute = false;  // G94: F in mm/min; otherwise G95, F in mm per revolution
  bool css = false;         // G96: `speed` is the surface speed Vc in m/min; G97: rpm
  double speed = 0;         // Vc or rpm
  double limit = 0;         // rpm ceiling under G96: the G50 limit, else SpindleMax
  double feed = 0;          // F (the lead of a thread)
};

// The spindle speed in rpm at a diameter: S under G97; under G96 1000 × Vc / (π × D), never
// above the limit.
double SpindleRpm(const CuttingState& state, double diameter);

// Whether the state gives a feed rate above zero everywhere: F above zero and, per revolution,
// a turning spindle (rpm above zero, or Vc and the limit above zero).
bool CanCut(const CuttingState& state);

// Seconds of a rapid over the diameter change dx and the length dz: each axis at its own rate
// (X on the radius), both together, so the slower one sets the time.
double RapidSeconds(double dx, double dz, const MachineRates& rates);

// Seconds of a straight cut from diameter x0 to x1 over `length` mm. Under G96 per revolution
// the spindle speed follows the diameter, so the time is the exact integral of dl / (F × n).
// Only for a state that CanCut.
double LineCutSeconds(const CuttingState& state, double x0, double x1, double length);

// Seconds of an arc cut around the centre at radius rc (X's half) with radius `radius`, over
// the angles from a0 to a1 (a0 ≤ a1, radians, measured from +Z towards +X): the points
// Z = zc + radius × cos a, X / 2 = rc + radius × sin a. Exact under G96 as well. Only for a
// state that CanCut.
double ArcCutSeconds(const CuttingState& state, double rc, double radius, double a0, double a1);

// A time as the window shows it: "H:MM:SS.s", rounded to the tenth of a second.
QString CycleTimeText(double seconds);

}  // namespace zel
