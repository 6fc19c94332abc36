#include "generators/sideview/work_drawing.h"

#include <QList>

namespace zel {

namespace {

// Where the end-face and start-face lines of an arc section run, as offsets from the section's
// end points: the lines stand a fraction of a pixel off the faces, and the convex arcs' lines
// start one pixel above the upper arc, which leaves the face pixels of the outline in place.
struct FaceOffsets {
  QPointF end_from;    // added to X1, Y1
  QPointF end_to;      // added to X4, Y4
  QPointF start_from;  // added to X2, Y2
  QPointF start_to;    // added to X3, Y3
};

constexpr FaceOffsets kConvexLCOffsets{{-0.1, -1}, {-0.1, 0}, {0, -1}, {0, 0}};
constexpr FaceOffsets kConvexRCOffsets{{0, -1}, {0, 0}, {0, -1}, {0, 0}};
constexpr FaceOffsets kConcaveLCOffsets{{0, 0}, {0, 0}, {0, 0}, {0, 0}};
constexpr FaceOffsets kConcaveRCOffsets{{0, 0}, {0, 0}, {-0.2, 0}, {-0.2, 0}};

// A cylinder or cone: the four sides from the start face's lower corner up, across to the
// end face, down and back, then the area they close, then the axes.
void FillTrapezoid(PreviewCanvas& canvas, const ShapeValues& v, double direction,
                   PreviewColor color) {
  const double d = direction * v.H;
  const QList<QPointF> corners = {
      {v.Z, -v.A / 2}, {v.Z, v.A / 2}, {v.Z + d, v.B / 2}, {v.Z + d, -v.B / 2}};
  for (qsizetype i = 0; i < corners.size(); ++i) {
    canvas.Line(corners[i], corners[(i + 1) % corners.size()], color);
  }
  canvas.FillPolygon(corners, color);
  DrawAxes(canvas);
}

// An arc section: the upper and the lower arc, the end-face and start-face lines, the two
// lower corner pixels, then the area closed by the arcs and the faces, then the axes.
void FillArc(PreviewCanvas& canvas, const ArcSection& s, PreviewColor color,
             const FaceOffsets& offsets) {
  const double radius = s.R;
  const PreviewArc upper{s.upper_centre, radius, s.upper_from, s.upper_to};
  const PreviewArc lower{s.lower_centre, radius, s.lower_from, s.lower_to};
  // Two equal angles would make the canvas draw a whole circle; an arc between them has no
  // length (its faces meet), and is no more than the straight line between its ends.
  const bool flat = s.upper_from == s.upper_to || s.lower_from == s.lower_to;
  if (flat) {
    canvas.Line(s.P2, s.P1, color);
    canvas.Line(s.P3, s.P4, color);
  } else {
    canvas.Arc(upper, color);
    canvas.Arc(lower, color);
  }
  canvas.Line(s.P1 + offsets.end_from, s.P4 + offsets.end_to, color);
  canvas.Line(s.P2 + offsets.start_from, s.P3 + offsets.start_to, color);
  canvas.SetPixel(s.P4, color);
  canvas.SetPixel(s.P3, color);
  // Each arc runs from one face to the other, so the two arcs joined by straight lines are
  // the section: along the upper arc, across one face, back along the lower arc and across
  // the other face.
  if (flat) {
    canvas.FillPolygon({s.P2, s.P1, s.P4, s.P3}, color);
  } else {
    canvas.FillArcSection(upper, lower, color);
  }
  DrawAxes(canvas);
}

}  // namespace

void InitWorkPreview(PreviewCanvas& canvas) {
  InitPreview(canvas, QStringLiteral("X"), QStringLiteral("Z"));
}

void FillOuterTrapezoidLC(PreviewCanvas& canvas, const ShapeValues& v) {
  FillTrapezoid(canvas, v, +1, kPreviewYellow);
}

void FillOuterTrapezoidRC(PreviewCanvas& canvas, const ShapeValues& v) {
  FillTrapezoid(canvas, v, -1, kPreviewYellow);
}

void FillInnerTrapezoidLC(PreviewCanvas& canvas, const ShapeValues& v) {
  FillTrapezoid(canvas, v, +1, kPreviewBlack);
}

void FillInnerTrapezoidRC(PreviewCanvas& canvas, const ShapeValues& v) {
  FillTrapezoid(canvas, v, -1, kPreviewBlack);
}

void FillConvexArcLC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR) {
  FillArc(canvas, arc, CR, kConvexLCOffsets);
}

void FillConvexArcRC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR) {
  FillArc(canvas, arc, CR, kConvexRCOffsets);
}

void FillConcaveArcLC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR) {
  FillArc(canvas, arc, CR, kConcaveLCOffsets);
}

void FillConcaveArcRC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR) {
  FillArc(canvas, arc, CR, kConcaveRCOffsets);
}

void DrawShape(PreviewCanvas& canvas, const ShapeDrawing& drawing) {
  const bool left = drawing.face == StartFace::kLeft;
  const ShapeValues& v = drawing.values;
  const PreviewColor CR = IsOuterShape(drawing.sn) ? kPreviewYellow : kPreviewBlack;
  switch (ProfileOf(drawing.sn)) {
    case ShapeProfile::kCylinder:
    case ShapeProfile::kCone:
      if (IsOuterShape(drawing.sn)) {
        left ? FillOuterTrapezoidLC(canvas, v) : FillOuterTrapezoidRC(canvas, v);
      } else {
        left ? FillInnerTrapezoidLC(canvas, v) : FillInnerTrapezoidRC(canvas, v);
      }
      return;
    case ShapeProfile::kConvexArc:
      if (!drawing.arc) return;
      left ? FillConvexArcLC(canvas, *drawing.arc, CR) : FillConvexArcRC(canvas, *drawing.arc, CR);
      return;
    case ShapeProfile::kConcaveArc:
      if (!drawing.arc) return;
      left ? FillConcaveArcLC(canvas, *drawing.arc, CR)
           : FillConcaveArcRC(canvas, *drawing.arc, CR);
      return;
  }
}

}  // namespace zel
