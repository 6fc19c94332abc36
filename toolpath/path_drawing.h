#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include <optional>

#include "toolpath/program_path.h"

namespace zel {

// The tool path drawn over the X-Z section of the material, in the section's coordinates:
// x is Z, y is minus the radius (X / 2), so the path lies above the axis where the material's
// upper half is. `to_view` maps these coordinates to the view's pixels at whatever scale the
// view shows; lines are drawn one pixel wide whatever the scale.

inline const QColor kRapidColour(0xA0, 0xA0, 0xFF);   // dashed
inline const QColor kFeedColour(0x20, 0xE0, 0x20);    // solid
inline const QColor kThreadColour(0xFF, 0x50, 0x50);  // solid
inline const QColor kHighlightColour(0xFF, 0x99, 0x00);
inline const QColor kTipColour(0xFF, 0x30, 0x30);

// A point of the path in section coordinates.
inline QPointF SectionPoint(double x, double z) { return QPointF(z, -x / 2); }

// The rectangle the path's moves cover, in section coordinates (arcs by their full extent);
// empty without moves.
QRectF PathExtent(const ProgramPath& path);

// Draws the moves [0, count) of the path into `painter` (whose device is the view) within
// `clip` (view pixels). Moves that fall on the same pixels as one already drawn are drawn
// once, so the time follows the view's size rather than the program's length.
void DrawPath(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
              const QRectF& clip, size_t count);

// Draws the moves of `line` (0-based) among [0, count) stronger, over the path.
void DrawPathHighlight(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
                       const QRectF& clip, int line, size_t count);

// Marks the tool's tip at the end of move count - 1 (nothing for count 0).
void DrawToolTip(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
                 size_t count);

// The move among [0, count) nearest to the view point `at`, if one passes within `tolerance`
// pixels of it; of moves equally near, the last one.
std::optional<size_t> MoveAt(const ProgramPath& path, const QTransform& to_view, QPointF at,
                             double tolerance, size_t count);

}  // namespace zel
