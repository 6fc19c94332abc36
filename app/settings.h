#pragma once

#include <QString>

namespace zel {

// What the main window keeps in the per-user settings store (application "ZEL_Editor",
// section "Settings"). Positions are in twips.
struct WindowSettings {
  double left = 0;
  double top = 0;
  QString open_path = QStringLiteral("C:\\");
};

WindowSettings ReadWindowSettings();
// Writes "OpenPathName" and, unless position is false, "MainLeft" and "MainTop".
void WriteWindowSettings(const WindowSettings& settings, bool position);

}  // namespace zel
