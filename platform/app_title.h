#pragma once

#include <QString>

namespace zel {

// The application's name: the title of every message box that names no other, and the
// application under which the per-user settings are kept.
inline const QString kAppTitle = QStringLiteral("ZEL_Editor");

}  // namespace zel
