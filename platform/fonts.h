#pragma once

#include <QFont>
#include <QStringList>

namespace zel {

// The program's fonts. The Windows fonts it was laid out for are used where installed;
// elsewhere IPA Gothic stands in (fixed-pitch for the program text, proportional for the
// captions).
QFont ProgramFont(qreal point_size);  // "ＭＳ ゴシック"
QFont UiFont(qreal point_size);       // "MS UI Gothic"
QFont CaptionFont(qreal point_size);  // "ＭＳ Ｐゴシック"

// The first of the families that is installed, else the last one.
QString FirstInstalledFamily(const QStringList& families);

}  // namespace zel
