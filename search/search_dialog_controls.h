#pragma once

#include <span>

#include "platform/control_table.h"

class QDialog;

namespace zel {

// Makes the controls of a search dialog (find, replace) from its table and fixes the dialog
// to its client size in twips. "Check1" (search from the top) starts checked, and no button
// becomes the default by taking the focus: Enter in a field goes to the one button the dialog
// makes its default, if any. The focus starts in "txtFind".
ControlSet MakeSearchDialogControls(QDialog* dialog, std::span<const ControlRow> rows, int width,
                                    int height);

}  // namespace zel
