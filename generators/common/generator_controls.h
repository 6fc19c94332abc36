#pragma once

#include <QList>

#include "platform/control_table.h"

class QAbstractButton;

namespace zel {

// The maker hook through which the generator dialogs' placement tables get the classes of
// generators/common/: an entry field (first line of a paste only) for an entry row, a command
// button (never the default) for a button row, an output pane for a pane row, an illustration
// for a picture row (the row's caption names the picture's resource, ":/chuck_od.svg"), a
// drop-down list that the mouse wheel changes only while it has the focus for a list row (a
// wheel turned over the dialog must not wipe what was chosen and typed). Every other row gets
// the table's standard control.
QWidget* MakeGeneratorControl(const ControlRow& row, QWidget* parent);

// The maker hook of the material dialogs: their picture row is the black preview box, every
// other row what MakeGeneratorControl makes.
QWidget* MakeMaterialControl(const ControlRow& row, QWidget* parent);

// Makes an option group one stop of the tab order, entered at its chosen button: the toolkit
// enters a group at the button that last had the focus, or at its first one, which need not
// be the chosen one when the dialog chose it. With no button chosen, the first is the stop.
void TabToChosenOption(const QList<QAbstractButton*>& group);

}  // namespace zel
