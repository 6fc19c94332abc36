#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace zel {

// What the program asks of the machine it runs on.
class Platform {
 public:
  virtual ~Platform() = default;
  // True on the control's own panel computer, recognised by the control's marker file.
  virtual bool ControlMarkerPresent() const = 0;
  // Height of the primary screen in pixels.
  virtual int ScreenHeight() const = 0;
  // True where the file system ignores the case of names (Windows).
  virtual bool CaseInsensitiveFileSystem() const = 0;
  // True where paths are written with "\" between folders (Windows).
  virtual bool BackslashPaths() const = 0;
  // The part of each screen that windows may take (without task bars), in pixels.
  virtual QList<QRect> ScreenAreas() const = 0;
};

class RealPlatform : public Platform {
 public:
  bool ControlMarkerPresent() const override;
  int ScreenHeight() const override;
  bool CaseInsensitiveFileSystem() const override;
  bool BackslashPaths() const override;
  QList<QRect> ScreenAreas() const override;
};

inline const QString kControlMarkerFile = QStringLiteral("C:\\OSP-P\\OSPMNGCD.CNC");
inline const QString kControlProgramFolder = QStringLiteral("D:\\MD1\\");

}  // namespace zel
