#pragma once

#include <QStringList>

class QLineEdit;
class QWidget;

namespace zel {

// The Japanese UI fonts of the generator dialogs, first choice first: the control's panel and
// Windows PCs have the first, Linux desktops one of the IPA fonts.
inline const QStringList kGeneratorFontFamilies = {
    QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
inline constexpr int kGeneratorFontPointSize = 9;

// Gives a dialog (and so all its controls) the generator dialogs' font.
void ApplyGeneratorFont(QWidget* dialog);

// Puts a control at a place given in twips (left, top, width, height).
void PlaceTwips(QWidget* control, int left, int top, int width, int height);

// Enables or disables an entry field and colours it to match: an editable field has the
// window background, a disabled one the menu background so that it reads as greyed out.
void SetFieldEditable(QLineEdit* field, bool editable);

}  // namespace zel
