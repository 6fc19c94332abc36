#include "generators/tool/tool_block.h"

#include <QRegularExpression>

#include "generators/common/number_forms.h"

namespace zel {

namespace {

const StatementForm& StatementFormOf(FieldSet set) {
  return kStatementForms[static_cast<int>(set)];
}

// The text of the row that shows `dimension` under field set `set`; the rows are laid out in
// the order of the set, so the dimension's place in the set is its row.
QString RowText(FieldSet set, Dimension dimension, const ToolBlockInput& input) {
  const FieldSetRows& rows = FieldSetOf(set);
  for (int row = 0; row < rows.rows.size(); ++row) {
    if (rows.rows[row] == dimension) return input.rows[row];
  }
  return {};
}

QString NoseRadiusText(FieldSet set, const ToolBlockInput& input) {
  const int row = NoseRadiusRow(set);
  return row >= 1 && row <= kFieldRowCount ? input.rows[row - 1] : QString();
}

// A number as a whole: a sign, digits with at most one decimal point, an exponent, and blanks
// or tabs around it but not inside.
const QRegularExpression& WholeNumberPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?[ \t]*$)"));
  return pattern;
}

}  // namespace

QString DimensionLiteral(Dimension dimension) {
  switch (dimension) {
    case Dimension::kA1:
      return QStringLiteral("A1[");
    case Dimension::kA2:
      return QStringLiteral("A2[");
    case Dimension::kL:
      return QStringLiteral("L[");
    case Dimension::kD:
      return QStringLiteral("D[");
    case Dimension::kW:
      return QStringLiteral("W[");
    case Dimension::kNR:
      return QStringLiteral("NR[");
  }
  return {};
}

QString PN(int nose_position, QStringView nose_radius_text) {
  if (nose_radius_text.isEmpty() || nose_radius_text == u"0") return QStringLiteral("0");
  return QString::number(nose_position);
}

QString WriteToolBlock(FieldSet set, const ToolBlockInput& input) {
  using namespace tool_text;
  const QString& t = input.tool_number;
  const QString& p = input.tool_life ? kLifePrefix : kToolPrefix;
  const auto item = [&](Dimension dimension) {
    return p + DimensionLiteral(dimension) + t + kAssign + RowText(set, dimension, input);
  };

  const StatementForm& form = StatementFormOf(set);
  QString block = kNoex + p + kKind + t + kAssign + StrF(input.kind) + p + kShape + t + kAssign +
                  StrF(input.shape);
  for (Dimension dimension : form.first_line) block += item(dimension);
  if (form.second_line.size() > 0) {
    block += kLineEnd + kNoex;
    for (Dimension dimension : form.second_line) block += item(dimension);
  }
  if (set != FieldSet::kNone && input.nose_output) {
    const QString radius = NoseRadiusText(set, input);
    block += kLineEnd + kNoseX + t + kNoseXValue + kNoseZ + t + kAssign + radius + kNosePosition +
             t + kAssign + PN(input.nose_position, radius);
  }
  return block + kLineEnd;
}

std::optional<QString> ToolBlockFor(const ToolBlockInput& input) {
  const ShapeEntry* entry = FindShape(input.kind, input.shape);
  if (!entry) return std::nullopt;
  return WriteToolBlock(entry->field_set, input);
}

std::optional<QString> NextToolNumber(QStringView tool_number) {
  if (!WholeNumberPattern().match(tool_number).hasMatch()) return std::nullopt;
  const std::optional<double> value = LeadingNumberValue(tool_number);
  if (!value) return std::nullopt;
  return StrF(*value + 1);
}

}  // namespace zel
