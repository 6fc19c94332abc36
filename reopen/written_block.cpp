#include "reopen/written_block.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

#include "generators/common/pane_text.h"
#include "generators/tool/tool_layout.h"
#include "preview/graphic_reader.h"
#include "preview/side_section.h"

namespace zel {

namespace {

const QString kToolWithoutShape = QStringLiteral("工具データに形状番号 FN がありません");

// What a line can be to the finder.
enum class LineKind {
  kOther,
  kTool,      // NOEX assignments of one tool's data
  kChuck,     // NOEX assignments of chuck and tailstock variables
  kBarrier,   // N000 M25 or N000 M21
  kSection,   // the side view's section line
  kSideDef,   // DEF WORK, DEF WORK[S]
  kFrontDef,  // DEF WORKF, DEF WORKF[S]
  kEnd,       // END
};

struct LineInfo {
  LineInfo(LineKind kind_ = LineKind::kOther, std::optional<QString> tool_ = std::nullopt)
      : kind(kind_), tool(std::move(tool_)) {}
  LineKind kind;
  std::optional<QString> tool;  // kTool: the tool number of every assignment (none without [ ])
};

constexpr std::array<QStringView, 10> kChuckVariables = {u"VCHIO", u"VCHSW", u"VCHKD", u"VCHKL",
                                                         u"VCHKX", u"VCHKZ", u"VTSDA", u"VTSDB",
                                                         u"VTSL",  u"VWKR"};

bool IsChuckVariable(QStringView name) {
  return std::find(kChuckVariables.begin(), kChuckVariables.end(), name) != kChuckVariables.end();
}

bool IsToolVariable(QStringView name) {
  return name.startsWith(u"VTL") || name.startsWith(u"VGR") || name == u"VNSRX" ||
         name == u"VNSRZ" || name == u"VNRPN";
}

// A line without its line end, whichever it is.
QString Body(QString raw) {
  if (raw.endsWith(u'\n')) raw.chop(1);
  if (raw.endsWith(u'\r')) raw.chop(1);
  return raw;
}

LineInfo Classify(const QString& body) {
  if (body == kSectionDisplayLine) return {LineKind::kSection};
  if (const std::optional<QList<NoexItem>> items = ReadNoexItems(body)) {
    const auto all = [&items](auto test) {
      return std::all_of(items->begin(), items->end(), test);
    };
    if (all([](const NoexItem& item) { return IsChuckVariable(item.name); }))
      return {LineKind::kChuck};
    const std::optional<QString> index = items->front().index;
    if (all([&index](const NoexItem& item) {
          return IsToolVariable(item.name) && item.index == index;
        }))
      return {LineKind::kTool, index};
    return {};
  }
  const std::optional<QString> statement = ReadLabelledStatement(body);
  if (!statement) return {};
  if (*statement == u"M25" || *statement == u"M21") return {LineKind::kBarrier};
  if (*statement == u"DEF WORK" || *statement == u"DEF WORK[S]") return {LineKind::kSideDef};
  if (*statement == u"DEF WORKF" || *statement == u"DEF WORKF[S]") return {LineKind::kFrontDef};
  if (*statement == u"END") return {LineKind::kEnd};
  return {};
}

bool IsDef(LineKind kind) { return kind == LineKind::kSideDef || kind == LineKind::kFrontDef; }

// The last value text of each variable of a run's NOEX lines, by variable name.
QHash<QString, QString> ValueTexts(const QStringList& bodies) {
  QHash<QString, QString> texts;
  for (const QString& body : bodies) {
    if (const std::optional<QList<NoexItem>> items = ReadNoexItems(body)) {
      for (const NoexItem& item : *items) texts.insert(item.name, item.value);
    }
  }
  return texts;
}

class Finder {
 public:
  explicit Finder(const ProgramLines& lines) : lines_(lines) {}

  FoundBlock At(int line);

 private:
  QString Raw(int line) const { return lines_.line(line); }
  LineInfo Info(int line) const { return Classify(Body(Raw(line))); }
  // The kind of a line where only DEF and END lines matter: a look at its text rules out
  // nearly every line of a program, which the search for a DEF may pass by the thousand.
  LineKind DefOrEnd(int line) const {
    const QString raw = Raw(line);
    if (!raw.contains(u"DEF") && !raw.contains(u"END")) return LineKind::kOther;
    return Classify(Body(raw)).kind;
  }

  // The run of lines around `line` that `belongs` accepts.
  template <typename Belongs>
  std::pair<int, int> Run(int line, Belongs belongs) const {
    int first = line;
    int last = line;
    while (first > 0 && belongs(Info(first - 1))) --first;
    while (last + 1 < lines_.count && belongs(Info(last + 1))) ++last;
    return {first, last};
  }

  FoundBlock DefBlock(int line, bool from_section);
  // Reads lines first..last; false (with the problem set) when the reader reports one.
  bool Read(int first, int last, FoundBlock& found);
  void ReadTool(const QString& tool_number, FoundBlock& found);
  void ReadChuck(FoundBlock& found);
  void ReadWork(bool section_display, FoundBlock& found);
  void ReadFront(FoundBlock& found);

  const ProgramLines& lines_;
  WrittenBlock block_;
  QStringList bodies_;
  GraphicProgram read_;
};

FoundBlock Finder::At(int line) {
  FoundBlock found;
  if (line < 0 || line >= lines_.count) return found;
  const LineInfo info = Info(line);
  switch (info.kind) {
    case LineKind::kTool: {
      const auto [first, last] = Run(line, [&info](const LineInfo& other) {
        return other.kind == LineKind::kTool && other.tool == info.tool;
      });
      block_.kind = WrittenKind::kTool;
      // A tool number is missing only on lines the reader rejects for it.
      if (Read(first, last, found)) ReadTool(info.tool.value_or(QString()), found);
      return found;
    }
    case LineKind::kChuck:
    case LineKind::kBarrier: {
      const auto [first, last] = Run(line, [](const LineInfo& other) {
        return other.kind == LineKind::kChuck || other.kind == LineKind::kBarrier;
      });
      bool assigns = false;
      for (int i = first; i <= last; ++i) assigns = assigns || Info(i).kind == LineKind::kChuck;
      // Barrier lines alone are no block the chuck dialog writes.
      if (!assigns) return found;
      block_.kind = WrittenKind::kChuck;
      if (Read(first, last, found)) ReadChuck(found);
      return found;
    }
    case LineKind::kSection:
      // The section line belongs to the side-view block whose END it follows.
      if (line == 0 || Info(line - 1).kind != LineKind::kEnd) return found;
      return DefBlock(line - 1, true);
    default:
      return DefBlock(line, false);
  }
}

FoundBlock Finder::DefBlock(int line, bool from_section) {
  FoundBlock found;
  // The DEF above the line, unless an END closes a block between the two.
  std::optional<int> first;
  LineKind def = LineKind::kOther;
  for (int i = line; i >= 0; --i) {
    const LineKind kind = DefOrEnd(i);
    if (IsDef(kind)) {
      first = i;
      def = kind;
      break;
    }
    if (kind == LineKind::kEnd && i != line) return found;
  }
  if (!first) return found;
  // Its END, unless another DEF comes first.
  std::optional<int> end;
  for (int i = *first + 1; i < lines_.count && !end; ++i) {
    const LineKind kind = DefOrEnd(i);
    if (kind == LineKind::kEnd) end = i;
    if (IsDef(kind)) break;
  }
  if (!end) {
    found.problem =
        BlockProblem{*first, Body(Raw(*first)), ReadProblemText(ReadProblem::kBlockNotClosed)};
    return found;
  }
  const bool side = def == LineKind::kSideDef;
  if (from_section && (!side || *end != line)) return found;
  const bool section = side && *end + 1 < lines_.count && Info(*end + 1).kind == LineKind::kSection;
  block_.kind = side ? WrittenKind::kWork : WrittenKind::kWorkFace;
  if (!Read(*first, section ? *end + 1 : *end, found)) return found;
  if (side)
    ReadWork(section, found);
  else
    ReadFront(found);
  return found;
}

bool Finder::Read(int first, int last, FoundBlock& found) {
  block_.first_line = first;
  block_.last_line = last;
  for (int i = first; i <= last; ++i) {
    const QString raw = Raw(i);
    block_.text += raw;
    bodies_ << Body(raw);
  }
  read_ = ReadGraphicLines(bodies_, first);
  if (read_.problems.isEmpty()) return true;
  const UnreadLine& problem = read_.problems.front();
  found.problem = BlockProblem{problem.line, problem.text, ReadProblemText(problem.problem)};
  return false;
}

void Finder::ReadTool(const QString& tool_number, FoundBlock& found) {
  // The reader has checked the kind and the pair; a missing shape number is what is left.
  const ToolData& tool = read_.tools.front();
  const ShapeEntry* shape = tool.kind && tool.shape ? FindShape(*tool.kind, *tool.shape) : nullptr;
  if (!shape) {
    found.problem = BlockProblem{
        tool.line, bodies_[tool.line - block_.first_line],
        tool.shape ? ReadProblemText(ReadProblem::kUnknownToolShape) : kToolWithoutShape};
    return;
  }
  const QHash<QString, QString> texts = ValueTexts(bodies_);
  const QString prefix = tool.tool_life ? QStringLiteral("VGR") : QStringLiteral("VTL");
  // A dimension's text under either prefix; the rewrite brings a mixed block to one.
  const auto text_of = [&](Dimension dimension) {
    const QString name = DimensionLiteral(dimension).chopped(1);
    return texts.value(prefix + name, texts.value(QStringLiteral("VTL") + name));
  };

  ToolBlockInput& input = block_.tool;
  input.tool_number = tool_number;
  input.kind = *tool.kind;
  input.shape = *tool.shape;
  input.tool_life = tool.tool_life;
  input.nose_output = tool.nose_x || tool.nose_radius || tool.nose_position;
  const double position = tool.nose_position.value_or(0);
  input.nose_position = position >= 1 && position <= kNosePositionCount && position == int(position)
                            ? int(position)
                            : 0;
  const FieldSetRows& rows = FieldSetOf(shape->field_set);
  int row = 0;
  for (Dimension dimension : rows.rows) input.rows[row++] = text_of(dimension);
  if (rows.nose_row == NoseRow::kOptional && input.nose_output)
    input.rows[row] = texts.value(QStringLiteral("VNSRZ"));

  const ToolBlockInput written =
      LayoutInput(ReopenedLayout(input), input.tool_number, input.tool_life);
  block_.rewritten = PaneRoundTrip(WriteToolBlock(shape->field_set, written));
  found.block = block_;
}

void Finder::ReadChuck(FoundBlock& found) {
  const QHash<QString, QString> texts = ValueTexts(bodies_);
  const ChuckValues& values = read_.chuck;
  ChuckBlockInput& input = block_.chuck;
  input.switching_variables = values.VCHIO || values.VCHSW;
  input.clamping = values.VCHIO == 1.0 ? ChuckClamping::kInside : ChuckClamping::kOutside;
  // Without VCHSW the centre lines tell centre work: the dialog writes them only there.
  const bool centre =
      values.VCHSW ? *values.VCHSW == 1.0 : values.VTSDA || values.VTSDB || values.VTSL;
  input.holding = centre ? WorkHolding::kCentreWork : WorkHolding::kChuckWork;
  input.d1 = texts.value(QStringLiteral("VCHKD"));
  input.l1 = texts.value(QStringLiteral("VCHKL"));
  input.cx = texts.value(QStringLiteral("VCHKX"));
  input.cz = texts.value(QStringLiteral("VCHKZ"));
  input.d2 = texts.value(QStringLiteral("VTSDA"));
  input.d3 = texts.value(QStringLiteral("VTSDB"));
  input.l2 = texts.value(QStringLiteral("VTSL"));
  // In chuck work the dialog holds the end face at its stand-in.
  input.wr = centre ? texts.value(QStringLiteral("VWKR")) : kChuckWorkEndFace;
  input.barrier = values.chuck_barrier;
  block_.rewritten = PaneRoundTrip(MakeChuckBlock(input));
  found.block = block_;
}

void Finder::ReadWork(bool section_display, FoundBlock& found) {
  const SideBlock& side = read_.side_blocks.front();
  const SidePlan plan = PlanSideSection(side);
  if (!plan.failed_lines.isEmpty()) {
    const int line = plan.failed_lines.front();
    found.problem = BlockProblem{line, bodies_[line - block_.first_line],
                                 ReadProblemText(ReadProblem::kShapeNotComputable)};
    return;
  }
  WorkReopening& work = block_.work;
  work.second_spindle = side.second_spindle;
  work.block = block_.text;
  if (section_display) work.block.chop(Raw(block_.last_line).size());
  work.section_display = section_display;
  work.chain = plan.chain;
  if (!plan.drawings.isEmpty()) work.face = plan.drawings.back().face;
  work.drawings = plan.drawings;
  block_.rewritten = MakeWorkTransfer(PaneRoundTrip(work.block), section_display);
  found.block = block_;
}

void Finder::ReadFront(FoundBlock& found) {
  const FrontBlock& front = read_.front_blocks.front();
  FrontReopening& reopening = block_.front;
  reopening.spindle = front.second_spindle ? FrontSpindle::kSecond : FrontSpindle::kFirst;
  reopening.block = block_.text;
  for (const FrontCircle& circle : front.circles) {
    // A circle the dialog would refuse (a negative diameter) may stand in a block typed by
    // hand: it is drawn from its value as the preview draws it, which draws nothing for a
    // negative radius.
    const std::optional<FrontDiameter> read = ReadFrontDiameter(circle.d.text);
    reopening.writes << FrontWrite{
        circle.inner ? FrontShape::kInnerCircle : FrontShape::kOuterCircle,
        read ? read->radius : std::floor(circle.d.value / 2)};
  }
  block_.rewritten = PaneRoundTrip(block_.text);
  found.block = block_;
}

}  // namespace

FoundBlock FindWrittenBlock(const ProgramLines& lines, int line) { return Finder(lines).At(line); }

QStringList LinesWithEnds(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    lines << text.mid(start, i + 1 - start);
    start = i + 1;
  }
  if (start < text.size()) lines << text.mid(start);
  return lines;
}

RewrittenLine FirstRewrittenLine(const WrittenBlock& block) {
  const QStringList before = LinesWithEnds(block.text);
  const QStringList after = LinesWithEnds(block.rewritten);
  qsizetype i = 0;
  while (i < before.size() && i < after.size() && before[i] == after[i]) ++i;
  RewrittenLine result;
  result.line = block.first_line + static_cast<int>(i);
  result.before = Body(before.value(i));
  result.after = Body(after.value(i));
  result.line_end_only = i < before.size() && i < after.size() && result.before == result.after;
  return result;
}

}  // namespace zel
