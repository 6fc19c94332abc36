#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include "toolpath/cycle_time.h"

namespace zel {

// What the main window keeps in the per-user settings store (application "ZEL_Editor",
// section "Settings"). Positions are in twips.
struct WindowSettings {
  double left = 0;
  double top = 0;
  QString open_path = QStringLiteral("C:\\");
  // "SyntaxColour": "0" switches the colouring of the program text off; read only.
  bool syntax_colour = true;
};

// Reads the settings; a stored position that is not a finite number counts as 0.
WindowSettings ReadWindowSettings();
// Writes "OpenPathName" and, unless position is false, "MainLeft" and "MainTop".
void WriteWindowSettings(const WindowSettings& settings, bool position);

// The machine's rates of the cycle time: "RapidX", "RapidZ" (m/min), "SpindleMax" (rpm) and
// "ToolChange" (seconds). A stored value that is not a number the time model can use (rates and
// the spindle limit above 0, the tool change 0 or more) takes its default.
MachineRates ReadMachineRates();
void WriteMachineRates(const MachineRates& rates);

// A stored position in twips as pixels. Values beyond any screen are cut to ±10,000,000
// twips first, so that the conversion stays within the range of an int.
int StoredPositionPixels(double twips);

// Where a window with the outer rectangle frame (pixels) may stand: where it is, when its
// title bar (the top title_height pixels) shows on one of the screens with its full height
// and at least 100 pixels of its width, so that the user can take hold of it; otherwise
// moved onto the nearest screen, as far inside it as the window's size allows.
QPoint PositionOnScreens(const QRect& frame, int title_height, const QList<QRect>& screens);

}  // namespace zel
