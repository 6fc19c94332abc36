#pragma once

// The tool catalogue: the 38 tool kinds of the kind list, the shape numbers each kind accepts,
// the field set (dimension rows) of every accepted (kind, shape number) pair, the two sets of
// illustrations and the default nose positions. Constant data, written once; the tool dialog's
// layout and the tool-data statements are both driven from here.
//
// Illustrations: kind illustration i is Picture1(i) (i = 0..26, resource ":/tool_kind_<i>.svg"),
// showing the shapes of its kinds side by side, each numbered with its shape number; shape
// illustration i is Picture2(i) (i = 0..36, ":/tool_shape_<i>.svg"), one tool shape with its
// dimensions marked by the row letters A1, A2, L, D, W and NR. Which picture shows which kinds
// and shapes follows from kToolCatalogue below.

#include <QStringView>

#include <array>
#include <initializer_list>
#include <span>

namespace zel {

// The six dimensions a field row can show. The letters are also the variable names of the
// tool-data statements.
enum class Dimension { kA1, kA2, kL, kD, kW, kNR };

// The caption of a field row showing the dimension. The blanks line the equals signs up in
// the dialog's fixed-pitch font.
// clang-format off
constexpr QStringView DimensionCaption(Dimension dimension) {
  switch (dimension) {
    case Dimension::kA1: return u"刃先角      A1=";  // tip angle
    case Dimension::kA2: return u"切刃角      A2=";  // cutting-edge angle
    case Dimension::kL: return u"突出し量     L=";   // projection length
    case Dimension::kD: return u"バイト幅/径  D=";   // tool width or diameter
    case Dimension::kW: return u"チップ幅     W=";   // insert (tip) width
    case Dimension::kNR: return u"ノーズR     NR=";  // nose radius
  }
  return {};
}
// clang-format on

// The eleven field sets: which dimensions a (kind, shape) pair needs, in row order.
enum class FieldSet {
  kNone,
  kLD,
  kLW,
  kLDW,
  kA1L,
  kA1LW,
  kA1LD,
  kA1A2L,
  kA1A2LD,
  kLDNR,
  kA1A2LDNR,
};
inline constexpr int kFieldSetCount = 11;

// Whether a field set has a nose-radius row: never (None), only while "ノーズR出力" is
// checked (the row after the last dimension), or always (NR is one of the set's rows).
enum class NoseRow { kNever, kOptional, kAlways };

// The number of field rows of the dialog.
inline constexpr int kFieldRowCount = 5;

// A short list of at most `N` values, written as a brace list in the tables below.
template <typename T, int N>
struct ShortList {
  std::array<T, N> items{};
  int count = 0;

  constexpr ShortList() = default;
  constexpr ShortList(std::initializer_list<T> list) {
    for (const T& item : list) items[count++] = item;
  }
  constexpr const T* begin() const { return items.data(); }
  constexpr const T* end() const { return items.data() + count; }
  constexpr int size() const { return count; }
  constexpr const T& operator[](int i) const { return items[i]; }
};

struct FieldSetRows {
  FieldSet set;
  ShortList<Dimension, kFieldRowCount> rows;  // from row 1 downwards
  NoseRow nose_row;
};

// clang-format off
inline constexpr std::array<FieldSetRows, kFieldSetCount> kFieldSets = {{
    //  field set              rows (in order)                                                       NR row
    {FieldSet::kNone,     {},                                                                        NoseRow::kNever},
    {FieldSet::kLD,       {Dimension::kL, Dimension::kD},                                            NoseRow::kOptional},
    {FieldSet::kLW,       {Dimension::kL, Dimension::kW},                                            NoseRow::kOptional},
    {FieldSet::kLDW,      {Dimension::kL, Dimension::kD, Dimension::kW},                             NoseRow::kOptional},
    {FieldSet::kA1L,      {Dimension::kA1, Dimension::kL},                                           NoseRow::kOptional},
    {FieldSet::kA1LW,     {Dimension::kA1, Dimension::kL, Dimension::kW},                            NoseRow::kOptional},
    {FieldSet::kA1LD,     {Dimension::kA1, Dimension::kL, Dimension::kD},                            NoseRow::kOptional},
    {FieldSet::kA1A2L,    {Dimension::kA1, Dimension::kA2, Dimension::kL},                           NoseRow::kOptional},
    {FieldSet::kA1A2LD,   {Dimension::kA1, Dimension::kA2, Dimension::kL, Dimension::kD},            NoseRow::kOptional},
    {FieldSet::kLDNR,     {Dimension::kL, Dimension::kD, Dimension::kNR},                            NoseRow::kAlways},
    {FieldSet::kA1A2LDNR, {Dimension::kA1, Dimension::kA2, Dimension::kL, Dimension::kD, Dimension::kNR}, NoseRow::kAlways},
}};
// clang-format on

// The rows of a field set.
constexpr const FieldSetRows& FieldSetOf(FieldSet set) { return kFieldSets[static_cast<int>(set)]; }

// The 1-based row that holds the nose radius: the NR row of the set, or the row after the
// last dimension where the NR row is optional; 0 for None.
constexpr int NoseRadiusRow(FieldSet set) {
  const FieldSetRows& rows = FieldSetOf(set);
  switch (rows.nose_row) {
    case NoseRow::kNever:
      return 0;
    case NoseRow::kOptional:
      return rows.rows.size() + 1;
    case NoseRow::kAlways:
      return rows.rows.size();
  }
  return 0;
}

// The kind list Combo1: entry k-1 is tool kind k.
inline constexpr int kToolKindCount = 38;
// clang-format off
inline constexpr std::array<QStringView, kToolKindCount> kToolKindTexts = {
    u"1 荒引き外径 ←",  u"2 荒引き内径 ←",  u"3 荒引き端面 ↓",  u"4 荒引き外径 →",
    u"5 荒引き内径 →",  u"6 荒引き端面 ↑",  u"7 仕上げ外径 ←",  u"8 仕上げ内径 ←",
    u"9 仕上げ端面 ↓",  u"10 仕上げ外径 →", u"11 仕上げ内径 →", u"12 仕上げ端面 ↑",
    u"13 ネジ外径 ←",   u"14 ネジ内径 ←",   u"15 ネジ端面 ↓",   u"16 ネジ外径 →",
    u"17 ネジ内径 →",   u"18 ネジ端面 ↑",   u"19 ミゾ外径 ↓",   u"20 ミゾ内径 ↑",
    u"21 ミゾ端面 ←",   u"22 ドリルハイス", u"23 超硬ドリル",   u"24 センタードリル",
    u"25 ヌスミ外径",   u"26 ヌスミ内径",   u"27 Mドリル ↓",    u"28 Mドリル ←",
    u"29 ボーリング ↓", u"30 ボーリング ←", u"31 タップ ↓",     u"32 タップ ←",
    u"33 リーマ ↓",     u"34 リーマ ←",     u"35 エンドミル ↓", u"36 エンドミル ←",
    u"37 フライス ↓",   u"38 フライス ←",
};
// clang-format on

inline constexpr int kKindPictureCount = 27;   // Picture1(0)..Picture1(26)
inline constexpr int kShapePictureCount = 37;  // Picture2(0)..Picture2(36)
inline constexpr int kNosePositionCount = 9;   // NosePN(0)..NosePN(8) stand for 1..9

// One accepted shape number of a kind: its field set, its shape illustration and, where it
// differs from the kind's default, its own nose position (0: the kind's default).
struct ShapeEntry {
  int shape = 0;
  FieldSet field_set = FieldSet::kNone;
  int shape_picture = 0;
  int nose_position = 0;
};

// One row of the catalogue: the kinds that share it, their kind illustration, their default
// nose position and the shape numbers they accept.
struct KindEntry {
  ShortList<int, 3> kinds;
  int kind_picture = 0;
  int nose_position = 0;
  ShortList<ShapeEntry, 9> shapes;
};

inline constexpr int kCatalogueRowCount = 27;

// clang-format off
// Kinds → kind illustration, default nose position; shapes as {shape number, field set,
// shape illustration[, own nose position]}.
inline constexpr std::array<KindEntry, kCatalogueRowCount> kToolCatalogue = {{
    {{1, 7},       0, 3, {{1, FieldSet::kA1A2L, 0}, {2, FieldSet::kA1A2L, 1, 8}, {3, FieldSet::kA1A2L, 2},
                          {4, FieldSet::kLDNR, 3}, {5, FieldSet::kLDNR, 4}, {6, FieldSet::kA1A2LDNR, 5},
                          {7, FieldSet::kA1A2LDNR, 6}}},
    {{2, 8},       1, 2, {{1, FieldSet::kA1A2LD, 7}, {2, FieldSet::kA1A2LD, 8}, {3, FieldSet::kA1A2LD, 9, 6},
                          {4, FieldSet::kLDNR, 10}, {5, FieldSet::kA1A2LDNR, 11}, {6, FieldSet::kLDNR, 4}}},
    {{3, 9},       2, 3, {{1, FieldSet::kA1A2L, 0}, {2, FieldSet::kA1A2L, 2}, {3, FieldSet::kA1A2L, 12, 7},
                          {4, FieldSet::kA1A2L, 13, 4}, {5, FieldSet::kLDNR, 3}, {6, FieldSet::kLDNR, 4},
                          {7, FieldSet::kA1A2LDNR, 5}, {8, FieldSet::kA1A2LDNR, 14, 4},
                          {9, FieldSet::kA1A2LDNR, 6}}},
    {{4, 10},      3, 4, {{1, FieldSet::kA1A2L, 13}, {2, FieldSet::kA1A2L, 1, 8}, {3, FieldSet::kLDNR, 3},
                          {4, FieldSet::kA1A2LDNR, 14}}},
    {{5, 11},      4, 1, {{1, FieldSet::kA1A2LD, 15}, {2, FieldSet::kA1A2LD, 9, 6}, {3, FieldSet::kLDNR, 10}}},
    {{6, 12},      5, 2, {{1, FieldSet::kA1A2LD, 7}, {2, FieldSet::kA1A2LD, 16}, {3, FieldSet::kA1A2L, 12, 7},
                          {4, FieldSet::kA1A2LD, 15, 1}, {5, FieldSet::kLDNR, 4}, {6, FieldSet::kLDNR, 10},
                          {7, FieldSet::kA1A2LDNR, 36}, {8, FieldSet::kA1A2LDNR, 11}}},
    {{13, 16},     6, 8, {{1, FieldSet::kA1L, 17}, {2, FieldSet::kA1A2L, 1}}},
    {{14, 17},     7, 6, {{1, FieldSet::kLD, 18}}},
    {{15, 18},     8, 7, {{1, FieldSet::kA1L, 19}, {2, FieldSet::kA1A2L, 12}}},
    {{19},         9, 3, {{1, FieldSet::kA1LW, 20}, {2, FieldSet::kA1A2L, 1, 8}, {3, FieldSet::kA1L, 17, 8},
                          {4, FieldSet::kLDNR, 3}}},
    {{20},        10, 2, {{1, FieldSet::kLDW, 21}, {2, FieldSet::kLD, 18, 6}, {3, FieldSet::kLDNR, 10}}},
    {{21},        11, 3, {{1, FieldSet::kLW, 22}, {2, FieldSet::kA1L, 19, 7}, {3, FieldSet::kLDNR, 4}}},
    {{22, 23, 28}, 12, 9, {{1, FieldSet::kA1LD, 23}}},
    {{24},        13, 9, {{1, FieldSet::kNone, 24}}},
    {{25},        14, 3, {{1, FieldSet::kA1A2L, 0}, {2, FieldSet::kA1A2L, 2}, {3, FieldSet::kA1A2L, 13, 4}}},
    {{26},        15, 2, {{1, FieldSet::kA1A2LD, 7}, {2, FieldSet::kA1A2LD, 15, 1}}},
    {{27},        16, 9, {{1, FieldSet::kA1LD, 25}}},
    {{29},        17, 9, {{1, FieldSet::kLD, 26}}},
    {{30},        18, 9, {{1, FieldSet::kLD, 27}}},
    {{31},        19, 9, {{1, FieldSet::kLD, 28}}},
    {{32},        20, 9, {{1, FieldSet::kLD, 29}}},
    {{33},        21, 9, {{1, FieldSet::kLD, 30}}},
    {{34},        22, 9, {{1, FieldSet::kLD, 31}}},
    {{35},        23, 9, {{1, FieldSet::kLD, 32}}},
    {{36},        24, 9, {{1, FieldSet::kLD, 33}}},
    {{37},        25, 9, {{1, FieldSet::kLD, 34}}},
    {{38},        26, 9, {{1, FieldSet::kLD, 35}}},
}};
// clang-format on

// The catalogue row of a tool kind; nullptr for 0 (no kind selected) or any other number
// outside 1..38.
constexpr const KindEntry* FindKind(int kind) {
  for (const KindEntry& entry : kToolCatalogue) {
    for (int k : entry.kinds) {
      if (k == kind) return &entry;
    }
  }
  return nullptr;
}

// The entry of a (kind, shape number) pair; nullptr for a pair the catalogue does not list.
constexpr const ShapeEntry* FindShape(int kind, int shape) {
  const KindEntry* entry = FindKind(kind);
  if (!entry) return nullptr;
  for (const ShapeEntry& candidate : entry->shapes) {
    if (candidate.shape == shape) return &candidate;
  }
  return nullptr;
}

// The nose position a listed pair starts with: the shape's own, else the kind's default.
constexpr int PairNosePosition(const KindEntry& kind, const ShapeEntry& shape) {
  return shape.nose_position != 0 ? shape.nose_position : kind.nose_position;
}

namespace tool_catalogue_checks {

// Every kind 1..38 has exactly one catalogue row.
constexpr bool EveryKindOnce() {
  for (int kind = 1; kind <= kToolKindCount; ++kind) {
    int rows = 0;
    for (const KindEntry& entry : kToolCatalogue) {
      for (int k : entry.kinds) rows += k == kind ? 1 : 0;
    }
    if (rows != 1) return false;
  }
  return true;
}

// Illustration indices and nose positions lie in their ranges; a kind lists a shape number
// once.
constexpr bool IndicesInRange() {
  for (const KindEntry& entry : kToolCatalogue) {
    if (entry.kind_picture < 0 || entry.kind_picture >= kKindPictureCount) return false;
    if (entry.nose_position < 1 || entry.nose_position > kNosePositionCount) return false;
    for (int i = 0; i < entry.shapes.size(); ++i) {
      const ShapeEntry& shape = entry.shapes[i];
      if (shape.shape_picture < 0 || shape.shape_picture >= kShapePictureCount) return false;
      if (shape.nose_position < 0 || shape.nose_position > kNosePositionCount) return false;
      for (int j = 0; j < i; ++j) {
        if (entry.shapes[j].shape == shape.shape) return false;
      }
    }
  }
  return true;
}

// The field-set table is indexed by the enum.
constexpr bool FieldSetsInOrder() {
  for (int i = 0; i < kFieldSetCount; ++i) {
    if (static_cast<int>(kFieldSets[i].set) != i) return false;
  }
  return true;
}

static_assert(EveryKindOnce());
static_assert(IndicesInRange());
static_assert(FieldSetsInOrder());

}  // namespace tool_catalogue_checks

}  // namespace zel
