#include "platform/machine.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace zel {

bool RealPlatform::ControlMarkerPresent() const {
#ifdef Q_OS_WIN
  return QFileInfo::exists(kControlMarkerFile);
#else
  // The control's panel computer runs Windows; elsewhere the marker path is not a path.
  return false;
#endif
}

int RealPlatform::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 0;
}

QList<QRect> RealPlatform::ScreenAreas() const {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.append(screen->availableGeometry());
  return areas;
}

bool RealPlatform::BackslashPaths() const {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

bool RealPlatform::CaseInsensitiveFileSystem() const {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

}  // namespace zel
