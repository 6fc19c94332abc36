#pragma once

#include "platform/control_table.h"

namespace zel {

// The maker hook through which the generator dialogs' placement tables get the classes of
// generators/common/: an entry field (first line of a paste only) for an entry row, a command
// button (never the default) for a button row, an output pane for a pane row, an illustration
// for a picture row (the row's caption names the picture's resource, ":/chuck_od.svg"). Every
// other row gets the table's standard control.
QWidget* MakeGeneratorControl(const ControlRow& row, QWidget* parent);

// The maker hook of the material dialogs: their picture row is the black preview box, every
// other row what MakeGeneratorControl makes.
QWidget* MakeMaterialControl(const ControlRow& row, QWidget* parent);

}  // namespace zel
