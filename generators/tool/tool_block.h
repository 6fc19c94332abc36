#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

#include "generators/tool/tool_catalogue.h"

namespace zel {

// Everything one tool-data block is made of, as the dialog holds it when the write button is
// pressed: the texts exactly as typed and the state of the choices.
struct ToolBlockInput {
  QString tool_number;                       // T, Text1, used inside every pair of brackets
  int kind = 0;                              // K, 1..38 (0: none)
  int shape = 0;                             // S, the shape number
  bool tool_life = false;                    // "工具寿命管理" (Check1): VGR instead of VTL
  bool nose_output = false;                  // "ノーズR出力" (Check2): write the nose line
  int nose_position = 3;                     // the selected NosePN button, 1..9
  std::array<QString, kFieldRowCount> rows;  // Text3..Text7
};

// Which dimensions of a field set go on the first and which on the second NOEX line. The
// items of both lines, in order, are the set's rows.
struct StatementForm {
  FieldSet set;
  ShortList<Dimension, kFieldRowCount> first_line;
  ShortList<Dimension, kFieldRowCount> second_line;
};

// clang-format off
inline constexpr std::array<StatementForm, kFieldSetCount> kStatementForms = {{
    //  field set              first-line items                   second-line items
    {FieldSet::kNone,     {},                                {}},
    {FieldSet::kLD,       {Dimension::kL, Dimension::kD},    {}},
    {FieldSet::kLW,       {Dimension::kL, Dimension::kW},    {}},
    {FieldSet::kLDW,      {Dimension::kL},                   {Dimension::kD, Dimension::kW}},
    {FieldSet::kA1L,      {Dimension::kA1, Dimension::kL},   {}},
    {FieldSet::kA1LW,     {Dimension::kA1},                  {Dimension::kL, Dimension::kW}},
    {FieldSet::kA1LD,     {Dimension::kA1},                  {Dimension::kL, Dimension::kD}},
    {FieldSet::kA1A2L,    {Dimension::kA1},                  {Dimension::kA2, Dimension::kL}},
    {FieldSet::kA1A2LD,   {Dimension::kA1},                  {Dimension::kA2, Dimension::kL, Dimension::kD}},
    {FieldSet::kLDNR,     {Dimension::kL},                   {Dimension::kD, Dimension::kNR}},
    {FieldSet::kA1A2LDNR, {Dimension::kA1, Dimension::kA2},  {Dimension::kL, Dimension::kD, Dimension::kNR}},
}};
// clang-format on

// The statement texts of the block.
namespace tool_text {
inline const QString kNoex = QStringLiteral("NOEX");
inline const QString kToolPrefix = QStringLiteral(" VTL");  // tool data
inline const QString kLifePrefix = QStringLiteral(" VGR");  // tool data under life management
inline const QString kKind = QStringLiteral("IN[");
inline const QString kShape = QStringLiteral("FN[");
inline const QString kAssign = QStringLiteral("]=");
inline const QString kNoseX = QStringLiteral("NOEX VNSRX[");
inline const QString kNoseXValue = QStringLiteral("]=0");
inline const QString kNoseZ = QStringLiteral(" VNSRZ[");
inline const QString kNosePosition = QStringLiteral(" VNRPN[");
inline const QString kLineEnd = QStringLiteral("\r\n");
}  // namespace tool_text

// The variable literal of a dimension: "A1[", "A2[", "L[", "D[", "W[", "NR[".
QString DimensionLiteral(Dimension dimension);

// The nose position as the nose line writes it: the selected position "1".."9", but "0" when
// the nose-radius text is exactly "0" or empty ("0.0" and " 0" count as a radius).
QString PN(int nose_position, QStringView nose_radius_text);

// WriteToolBlock's text for field set `set`: the first NOEX line (kind, shape number and the
// first-line items), the second line where the set has one, and the nose line when nose R
// output is on and the set is not None; every line ended by "\r\n". The texts go in verbatim;
// rows the set does not name are never read.
QString WriteToolBlock(FieldSet set, const ToolBlockInput& input);

// The block for the input's (kind, shape number) pair, or nullopt when the catalogue does not
// list the pair (nothing is written then).
std::optional<QString> ToolBlockFor(const ToolBlockInput& input);

// The tool number after `tool_number`: the number plus one in the StrF form ("5" gives "6",
// "5.5" gives "6.5", "007" gives "8"). Blanks around the number are allowed. nullopt when the
// text is not a number as a whole ("", "abc", "5a") or too large for a double.
std::optional<QString> NextToolNumber(QStringView tool_number);

}  // namespace zel
