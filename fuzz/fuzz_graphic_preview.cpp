// The preview of the graphic subprogram: any program text is read without a crash, the same
// from the editor's UTF-8 bytes as from a QString, and every side-view block it finds is
// drawn with the chuck jaw and tailstock centre inside a picture within its size limits.
#include <QByteArrayView>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "preview/graphic_reader.h"
#include "preview/side_section.h"

namespace {

void CheckOutline(const std::optional<QList<QPointF>>& outline) {
  if (!outline) return;
  for (const QPointF& p : *outline) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) std::abort();
  }
}

}  // namespace

// The pictures write their axis labels, and fonts need the application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const zel::GraphicProgram read = zel::ReadGraphicProgramUtf8(bytes);
  const zel::GraphicProgram text = zel::ReadGraphicProgram(QString::fromUtf8(bytes));
  if (read.found != text.found || read.first_line != text.first_line ||
      read.last_line != text.last_line || read.problems.size() != text.problems.size() ||
      read.side_blocks.size() != text.side_blocks.size())
    std::abort();
  CheckOutline(zel::JawOutline(read.chuck));
  CheckOutline(zel::CentreOutline(read.chuck));
  for (const zel::SideBlock& block : read.side_blocks) {
    const zel::SidePlan plan = zel::PlanSideSection(block);
    if (plan.drawings.size() + plan.failed_lines.size() != block.shapes.size()) std::abort();
    const QImage image = zel::DrawSideSection(plan, &read.chuck);
    if (image.width() % 2 == 0 || image.height() % 2 == 0 ||
        image.width() > zel::kSideSectionMaxWidth || image.height() > zel::kSideSectionMaxHeight)
      std::abort();
  }
  return 0;
}
