#pragma once

#include <QStringList>

class QLineEdit;
class QWidget;

namespace zel {

// The generator dialogs' captions and fields are in the program's UI font at 9 points.
inline constexpr int kGeneratorFontPointSize = 9;

// Gives a dialog (and so all its controls) the generator dialogs' font.
void ApplyGeneratorFont(QWidget* dialog);

// Puts a control at a place given in twips (left, top, width, height).
void PlaceTwips(QWidget* control, int left, int top, int width, int height);

// Enables or disables an entry field and colours it to match: an editable field has the
// window background, a disabled one the menu background so that it reads as greyed out.
void SetFieldEditable(QLineEdit* field, bool editable);

}  // namespace zel
