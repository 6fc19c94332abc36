// The side view: any field texts, shape kinds and start faces, written one after another as
// the dialog does (each shape offered the chain's Z and start diameter or typed anew), plan
// without a crash or hang; every planned shape draws on a preview of any size without a
// pixel outside it; the arc geometry takes any numbers, huge, infinite and NaN included.
#include <QList>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_gui.h"
#include "fuzz/fuzz_input.h"
#include "generators/common/preview_canvas.h"
#include "generators/sideview/arc_section.h"
#include "generators/sideview/work_drawing.h"
#include "generators/sideview/work_shape.h"

namespace {

using zel::fuzz::FuzzInput;

// The side view's coordinates and sizes, down to tiny fractions.
double Number(FuzzInput& in) { return in.Number(2, -60); }

void CheckCanvas(const zel::PreviewCanvas& canvas, QSize size) {
  if (canvas.Size() != size || canvas.Image().format() != QImage::Format_RGB32) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zel::fuzz::MakeApplication();
  // The first text drawn fills the font library's caches, which it keeps to the end.
  zel::PreviewCanvas canvas(QSize(40, 30));
  zel::InitWorkPreview(canvas);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const QSize box(1 + in.Below(160), 1 + in.Below(120));
  zel::PreviewCanvas canvas(box);
  if (in.Flag()) zel::InitWorkPreview(canvas);

  // The frame and the transfer.
  const QString frame = zel::MakeWorkFrame(in.Flag());
  const qsizetype caret = zel::WorkFrameCaret(frame);
  if (caret < 0 || caret > frame.size()) std::abort();

  zel::WorkChain chain;
  for (int write = 0; write < 6 && !in.Empty(); ++write) {
    const int sn = 1 + in.Below(zel::kShapeKindCount);
    const zel::StartFace face = in.Flag() ? zel::StartFace::kLeft : zel::StartFace::kRight;
    std::array<QString, 5> rows;
    for (QString& row : rows) row = in.FieldText();
    // The dialog offers the chain's values in the first two rows.
    if (in.Flag()) rows[0] = zel::OfferedZ(chain, sn);
    if (in.Flag()) rows[1] = zel::OfferedStartDiameter(chain, sn);
    const zel::ShapeTexts texts = zel::ShapeTextsFromRows(sn, rows);
    const QString statement = zel::MakeShapeStatement(sn, face, texts);
    if (statement.isEmpty() || statement.contains(QLatin1Char('\n'))) std::abort();
    const std::optional<zel::PlannedWrite> plan = zel::PlanShapeWrite(chain, sn, face, texts);
    if (!plan) continue;  // "計算エラー": the chain stays as it was
    if (plan->statement != statement || plan->chain.SN != sn) std::abort();
    if (zel::IsArcShape(sn) != plan->drawing.arc.has_value()) std::abort();
    zel::DrawShape(canvas, plan->drawing);
    CheckCanvas(canvas, box);
    chain = plan->chain;
    const QString transfer = zel::MakeWorkTransfer(frame + statement, in.Flag());
    if (!transfer.startsWith(frame)) std::abort();
  }

  // The arc geometry and the four arc routines with any numbers.
  for (int arc = 0; arc < 2 && !in.Empty(); ++arc) {
    const zel::ArcBulge bulge = in.Flag() ? zel::ArcBulge::kConvex : zel::ArcBulge::kConcave;
    const zel::StartFace face = in.Flag() ? zel::StartFace::kLeft : zel::StartFace::kRight;
    const double zs = Number(in), ze = Number(in), a = Number(in), b = Number(in);
    const auto r = static_cast<float>(Number(in));
    const std::optional<zel::ArcSection> section =
        zel::ComputeArcSection(bulge, face, zs, ze, a, b, r);
    (void)zel::ArcCos(Number(in));
    (void)zel::CounterClockwiseSweep(Number(in), Number(in));
    if (!section) continue;
    if (!std::isfinite(section->R) || section->R <= 0) std::abort();
    const zel::PreviewColor colour = in.Flag() ? zel::kPreviewYellow : zel::kPreviewBlack;
    switch ((bulge == zel::ArcBulge::kConvex ? 0 : 2) + (face == zel::StartFace::kLeft ? 0 : 1)) {
      case 0:
        zel::FillConvexArcLC(canvas, *section, colour);
        break;
      case 1:
        zel::FillConvexArcRC(canvas, *section, colour);
        break;
      case 2:
        zel::FillConcaveArcLC(canvas, *section, colour);
        break;
      default:
        zel::FillConcaveArcRC(canvas, *section, colour);
        break;
    }
    CheckCanvas(canvas, box);
  }

  // The trapezoid routines with any numbers.
  if (!in.Empty()) {
    zel::ShapeValues v;
    v.Z = Number(in);
    v.A = Number(in);
    v.B = Number(in);
    v.H = Number(in);
    switch (in.Below(4)) {
      case 0:
        zel::FillOuterTrapezoidLC(canvas, v);
        break;
      case 1:
        zel::FillOuterTrapezoidRC(canvas, v);
        break;
      case 2:
        zel::FillInnerTrapezoidLC(canvas, v);
        break;
      default:
        zel::FillInnerTrapezoidRC(canvas, v);
        break;
    }
    CheckCanvas(canvas, box);
  }
  return 0;
}
