#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace zel {

// The statements of the material front view: the frame of a DEF WORKF block and the PF, PO
// and CI lines of the outer and inner circles that are written into it.

// The spindle whose block the dialog writes.
enum class FrontSpindle { kFirst, kSecond };

// The two shapes of the shape list, in its order.
enum class FrontShape { kOuterCircle, kInnerCircle };

// The frame of a block: "N000 DEF WORKF" ("N000 DEF WORKF[S]" for the second spindle) and
// "N000 END", each with its line end.
QString FrontViewFrame(FrontSpindle spindle);

// The length of the frame's last line, "N000 END" with its line end: a fresh frame leaves the
// caret this far before the pane's end, at the start of that line, so that the shapes are
// written between the two frame lines.
inline constexpr int kFrontFrameEndLength = 10;

// The values of one write, taken from the diameter field.
struct FrontDiameter {
  // The diameter exactly as typed.
  QString D;
  // The radius as text: the leading-number value of D, halved and rounded down, in the Str
  // form (60 gives " 30", 75 gives " 37", an empty diameter " 0").
  QString R;
  // The radius as a number, for the preview.
  double radius = 0;
};

// The largest radius whose text keeps all its digits (number text has 15 of them): a larger
// one would be written rounded, and the bore's lines would no longer match its diameter.
inline constexpr double kLargestFrontRadius = 999'999'999'999'999.0;

// Reads the diameter field's text into the write's values. Nothing when the diameter is no
// circle the statements can describe: too large for a number, negative (a radius of "-30"
// would write "[0,--30]"), or so large that its radius has more than 15 digits.
std::optional<FrontDiameter> ReadFrontDiameter(const QString& text);

// One circle of a written block, as the preview draws it.
struct FrontWrite {
  FrontShape shape = FrontShape::kOuterCircle;
  double radius = 0;
};

// What the dialog opens a written block again with: the spindle of its DEF line, the block as
// it stands (DEF WORKF … END) and its circles in the order written.
struct FrontReopening {
  FrontSpindle spindle = FrontSpindle::kFirst;
  QString block;
  QList<FrontWrite> writes;
};

// The statement lines of a shape, each with its line end: for the outer circle
// "N000 PF 0,[0,0],<D>,D"; for the inner circle "N000 PF 0,[0,0],<D>,D,0",
// "N000 PO [0,<R>]" and "N000 CI [0,0],[0,-<R>],R,0".
QString FrontShapeLines(FrontShape shape, const FrontDiameter& diameter);

}  // namespace zel
