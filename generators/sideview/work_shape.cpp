#include "generators/sideview/work_shape.h"

#include <cmath>

#include "generators/common/number_forms.h"

namespace zel {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The keyword and shape letters each profile's statement begins with.
QString StatementHead(ShapeProfile profile) {
  switch (profile) {
    case ShapeProfile::kCylinder:
      return QStringLiteral("N000 PS ");
    case ShapeProfile::kCone:
      return QStringLiteral("N000 PT LF,");
    case ShapeProfile::kConvexArc:
      return QStringLiteral("N000 PT SS,");
    case ShapeProfile::kConcaveArc:
      return QStringLiteral("N000 PT SD,");
  }
  return {};
}

QString FaceText(StartFace face) {
  return face == StartFace::kLeft ? QStringLiteral("LC") : QStringLiteral("RC");
}

}  // namespace

ShapeTexts ShapeTextsFromRows(int sn, const std::array<QString, 5>& rows) {
  ShapeTexts texts;
  texts.z = rows[0];
  texts.d1 = rows[1];
  if (ProfileOf(sn) == ShapeProfile::kCylinder) {
    texts.l = rows[2];
    return texts;
  }
  texts.d2 = rows[2];
  texts.l = rows[3];
  if (IsArcShape(sn)) texts.r = rows[4];
  return texts;
}

QString MakeShapeStatement(int sn, StartFace face, const ShapeTexts& t) {
  const ShapeProfile profile = ProfileOf(sn);
  QString line = StatementHead(profile) + FaceText(face) + ",[" + t.z + ",0],[";
  switch (profile) {
    case ShapeProfile::kCylinder:
      // The cylinder gives its length before its diameter.
      line += t.l + "," + t.d1 + "]";
      break;
    case ShapeProfile::kCone:
      line += t.d1 + "," + t.d2 + "],[" + t.l + ",0]";
      break;
    case ShapeProfile::kConvexArc:
    case ShapeProfile::kConcaveArc:
      line += t.d1 + "," + t.d2 + "],[" + t.l + "," + t.r + "]";
      break;
  }
  if (!IsOuterShape(sn)) line += ",0";
  return line;
}

QString OfferedZ(const WorkChain& chain, int sn) {
  if (!IsOuterShape(sn)) return chain.ZC;
  return chain.ZB ? NumberText(*chain.ZB) : QString();
}

QString OfferedStartDiameter(const WorkChain& chain, int sn) {
  if (ProfileOf(sn) == ShapeProfile::kCylinder) return {};
  return IsOuterShape(sn) ? chain.XB : chain.XC;
}

std::optional<PlannedWrite> PlanShapeWrite(const WorkChain& chain, int sn, StartFace face,
                                           const ShapeTexts& texts) {
  if (!IsShapeNumber(sn)) return std::nullopt;
  const bool outer = IsOuterShape(sn);
  const ShapeProfile profile = ProfileOf(sn);
  const bool cylinder = profile == ShapeProfile::kCylinder;

  PlannedWrite plan;
  plan.chain = chain;
  plan.chain.SN = sn;
  // The end diameter as typed: D of a cylinder, D2 of the others.
  const QString& end_diameter = cylinder ? texts.d1 : texts.d2;
  (outer ? plan.chain.XB : plan.chain.XC) = end_diameter;

  // The drawing values; a text whose number is too large for a double ends the write.
  const std::optional<double> z = LeadingNumberValue(texts.z);
  const std::optional<double> a = LeadingNumberValue(texts.d1);
  const std::optional<double> b = cylinder ? a : LeadingNumberValue(texts.d2);
  const std::optional<double> h = LeadingNumberValue(texts.l);
  if (!z || !a || !b || !h) return std::nullopt;
  ShapeValues& v = plan.drawing.values;
  v.Z = *z;
  v.A = *a;
  v.B = *b;
  v.H = *h;
  if (IsArcShape(sn)) {
    const std::optional<double> r = LeadingNumberValue(texts.r);
    if (!r) return std::nullopt;
    // The radius is kept in single precision; beyond its range there is no radius.
    v.R = static_cast<float>(*r);
    if (!std::isfinite(v.R)) return std::nullopt;
  }

  // The first outer shape also tells the first inner one where the material begins.
  if (outer && !chain.ZB) plan.chain.ZC = NumberText(v.Z);

  // Where the next shape of this class starts.
  const double next = face == StartFace::kLeft ? v.Z + v.H : v.Z - v.H;
  if (!std::isfinite(next)) return std::nullopt;
  if (outer) {
    plan.chain.ZB = next;
    v.Ze = next;
  } else {
    plan.chain.ZC = NumberText(next);
    // An inner arc ends where the chain's text says, read back as a number.
    const std::optional<double> ze = LeadingNumberValue(plan.chain.ZC);
    if (!ze) return std::nullopt;
    v.Ze = *ze;
  }

  plan.drawing.sn = sn;
  plan.drawing.face = face;
  if (IsArcShape(sn)) {
    const ArcBulge bulge =
        profile == ShapeProfile::kConvexArc ? ArcBulge::kConvex : ArcBulge::kConcave;
    plan.drawing.arc = ComputeArcSection(bulge, face, v.Z, v.Ze, v.A, v.B, v.R);
    if (!plan.drawing.arc) return std::nullopt;
  }

  plan.statement = MakeShapeStatement(sn, face, texts);
  return plan;
}

QString MakeWorkFrame(bool second_spindle) {
  return (second_spindle ? kFrameSecondSpindle : kFrameFirstSpindle) + kLineEnd + kFrameEnd +
         kLineEnd;
}

qsizetype WorkFrameCaret(const QString& frame) {
  return frame.size() - (kFrameEnd.size() + kLineEnd.size());
}

QString MakeWorkTransfer(const QString& pane_block, bool section_display) {
  if (!section_display) return pane_block;
  return pane_block + kSectionDisplayLine + kLineEnd;
}

}  // namespace zel
