// The front view: any diameter text, written as the outer or the inner circle into the
// block of either spindle, gives its statement lines (each with its line end) and draws on a
// preview of any size without a pixel outside it. A block written of plain decimal diameters
// reads back through the graphic subprogram's reader as the same circles, without a problem.
#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_gui.h"
#include "fuzz/fuzz_input.h"
#include "generators/common/preview_canvas.h"
#include "generators/frontview/front_view_block.h"
#include "generators/frontview/front_view_discs.h"
#include "preview/graphic_reader.h"

using zel::fuzz::FuzzInput;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zel::fuzz::MakeApplication();
  // The first text drawn fills the font library's caches, which it keeps to the end.
  zel::PreviewCanvas canvas(QSize(40, 30));
  zel::InitFrontPreview(canvas);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QRegularExpression plain(QStringLiteral("^[0-9]{1,12}(\\.[0-9]{0,3})?$"));
  FuzzInput in(data, size);
  const QSize box(1 + in.Below(160), 1 + in.Below(120));
  zel::PreviewCanvas canvas(box);
  zel::InitFrontPreview(canvas);

  const bool second = in.Flag();
  const QString frame =
      zel::FrontViewFrame(second ? zel::FrontSpindle::kSecond : zel::FrontSpindle::kFirst);
  if (!frame.endsWith(QStringLiteral("N000 END\r\n"))) std::abort();
  QString lines;
  QList<bool> inner_circles;
  bool all_plain = true;
  for (int write = 0; write < 4 && !in.Empty(); ++write) {
    const zel::FrontShape shape =
        in.Flag() ? zel::FrontShape::kInnerCircle : zel::FrontShape::kOuterCircle;
    const std::optional<zel::FrontDiameter> read = zel::ReadFrontDiameter(in.FieldText());
    // A diameter that is no circle is refused with a message; nothing is written.
    if (!read) continue;
    const zel::FrontDiameter& diameter = *read;
    if (!std::isfinite(diameter.radius) || diameter.radius < 0 || diameter.R.isEmpty())
      std::abort();
    const QString written = zel::FrontShapeLines(shape, diameter);
    const qsizetype line_ends = written.count(QStringLiteral("\r\n"));
    if (!written.endsWith(QStringLiteral("\r\n")) ||
        line_ends != (shape == zel::FrontShape::kInnerCircle ? 3 : 1))
      std::abort();
    lines += written;
    inner_circles.append(shape == zel::FrontShape::kInnerCircle);
    all_plain = all_plain && plain.match(diameter.D).hasMatch();
    if (shape == zel::FrontShape::kOuterCircle)
      zel::FillOuterDisc(canvas, diameter.radius);
    else
      zel::FillInnerDisc(canvas, diameter.radius);
    if (canvas.Size() != box) std::abort();
  }
  if (!in.Empty()) zel::FillOuterDisc(canvas, std::ldexp(in.Byte(), in.Below(1100) - 60));

  // The block as the dialog leaves it, in a subprogram, read back.
  if (all_plain) {
    QString block = frame;
    block.insert(block.size() - zel::kFrontFrameEndLength, lines);
    const QString program = QStringLiteral("OZEL\r\n") + block + QStringLiteral("NRTS RTS\r\n");
    const zel::GraphicProgram read = zel::ReadGraphicProgram(program);
    if (!read.problems.isEmpty() || read.front_blocks.size() != 1) std::abort();
    const zel::FrontBlock& front = read.front_blocks.front();
    if (front.second_spindle != second || front.circles.size() != inner_circles.size())
      std::abort();
    for (qsizetype i = 0; i < inner_circles.size(); ++i)
      if (front.circles[i].inner != inner_circles[i]) std::abort();
  }
  return 0;
}
