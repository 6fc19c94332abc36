#pragma once

#include <QByteArray>
#include <QImage>

#include <array>

#include "preview/graphic_reader.h"

namespace zel {

// Everything the preview window shows of one program text, worked out in one go away from
// the window (see BackgroundJobs): the subprogram read, the side-view shapes worked out (the
// ones that fail are problems of their lines) and the section pictures drawn.

// The section pictures, by kind and spindle.
enum PreviewSection { kSectionWork, kSectionWorkS, kSectionFront, kSectionFrontS, kSectionCount };

struct PreviewReading {
  GraphicProgram program;
  // Null where the program has no such block; the drawn blocks are the last of each kind
  // and spindle, and the chuck and tailstock are drawn on the first spindle's X-Z section.
  std::array<QImage, kSectionCount> sections;
  // Pixels a unit of the first spindle's X-Z picture (below 1 for a part too large to draw at
  // one pixel a unit).
  double work_scale = 1;
};

// Reads the text as the editor box holds it, in UTF-8.
PreviewReading ReadPreview(QByteArrayView utf8);

// The largest front-view picture, in pixels a side; a larger section is drawn smaller.
inline constexpr int kFrontSectionMaxSide = 1001;

// The X-Y section of a front-view block, drawn as the front-view dialog draws it: its axes,
// then the discs of its circles in order, one pixel a unit, or smaller when the largest
// circle would need more than kFrontSectionMaxSide pixels.
QImage DrawFrontSection(const FrontBlock& block);

}  // namespace zel
