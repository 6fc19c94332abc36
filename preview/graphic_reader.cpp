#include "preview/graphic_reader.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

#include "editor/line_ends.h"
#include "generators/common/number_forms.h"

namespace zel {

QString ReadProblemText(ReadProblem problem) {
  switch (problem) {
    case ReadProblem::kUnknownStatement:
      return QStringLiteral("図形サブプログラムの文として読めません");
    case ReadProblem::kBadNoex:
      return QStringLiteral("NOEX 変数=値 の形になっていません");
    case ReadProblem::kUnknownVariable:
      return QStringLiteral("図形データにない変数です");
    case ReadProblem::kMissingToolNumber:
      return QStringLiteral("工具データの変数に [工具番号] がありません");
    case ReadProblem::kUnexpectedIndex:
      return QStringLiteral("この変数に [ ] は付きません");
    case ReadProblem::kValueTooLarge:
      return QStringLiteral("値が大きすぎます");
    case ReadProblem::kUnknownToolKind:
      return QStringLiteral("工具種類 IN は 1～38 です");
    case ReadProblem::kUnknownToolShape:
      return QStringLiteral("この工具種類にない形状番号 FN です");
    case ReadProblem::kDimensionNotInShape:
      return QStringLiteral("この工具形状にない寸法です");
    case ReadProblem::kToolWithoutKind:
      return QStringLiteral("工具種類 IN のない工具データです");
    case ReadProblem::kBadPs:
      return QStringLiteral("N000 PS LC|RC,[Z,0],[L,D] の形になっていません");
    case ReadProblem::kBadPt:
      return QStringLiteral("N000 PT LF|SS|SD,LC|RC,[Z,0],[D1,D2],[L,R] の形になっていません");
    case ReadProblem::kConeRadius:
      return QStringLiteral("円錐 (PT LF) の R の位置は 0 です");
    case ReadProblem::kBadPf:
      return QStringLiteral("N000 PF 0,[0,0],D,D の形になっていません");
    case ReadProblem::kBadPo:
      return QStringLiteral("N000 PO [0,R] の形になっていません");
    case ReadProblem::kBadCi:
      return QStringLiteral("N000 CI [0,0],[0,-R],R,0 の形になっていません");
    case ReadProblem::kBoreWithoutCircle:
      return QStringLiteral("内径円 (PF …,D,0) の後にありません");
    case ReadProblem::kBoreRadiusMismatch:
      return QStringLiteral("半径が内径円の直径の半分と違います");
    case ReadProblem::kContourOutsideBlock:
      return QStringLiteral("DEF WORK … END の外の PS/PT です");
    case ReadProblem::kCircleOutsideBlock:
      return QStringLiteral("DEF WORKF … END の外の PF/PO/CI です");
    case ReadProblem::kContourInFrontBlock:
      return QStringLiteral("DEF WORKF の中の PS/PT です");
    case ReadProblem::kCircleInSideBlock:
      return QStringLiteral("DEF WORK の中の PF/PO/CI です");
    case ReadProblem::kNestedBlock:
      return QStringLiteral("前の DEF が N000 END で閉じられていません");
    case ReadProblem::kEndWithoutBlock:
      return QStringLiteral("DEF のない N000 END です");
    case ReadProblem::kBlockNotClosed:
      return QStringLiteral("N000 END で閉じられていないブロックです");
    case ReadProblem::kNoReturn:
      return QStringLiteral("戻り NRTS RTS がありません");
    case ReadProblem::kShapeNotComputable:
      return QStringLiteral("計算エラー: この図形は描けません");
    case ReadProblem::kBlockReplaced:
      return QStringLiteral("後に同じ主軸の同じ DEF があるため、このブロックは描きません");
  }
  return {};
}

QString ShownLineText(QStringView line) {
  if (line.size() <= kMaxShownLineLength) return line.toString();
  return line.left(kMaxShownLineLength).toString() + u'…';
}

void AddProblem(GraphicProgram& program, UnreadLine problem) {
  QList<UnreadLine>& listed = program.problems;
  if (listed.size() >= kMaxListedProblems && problem.line >= listed.back().line) {
    ++program.unlisted_problems;
    return;
  }
  const auto at =
      std::upper_bound(listed.begin(), listed.end(), problem.line,
                       [](int line, const UnreadLine& other) { return line < other.line; });
  listed.insert(at, std::move(problem));
  if (listed.size() > kMaxListedProblems) {
    listed.removeLast();
    ++program.unlisted_problems;
  }
}

namespace {

constexpr QStringView kSubprogramName = u"OZEL";
constexpr QStringView kReturnLine = u"NRTS RTS";

// A field of a statement: any text without the separators of the statement forms.
#define ZEL_FIELD "([^,\\[\\]]*)"

// The sequence label the blocks begin with ("N000"; a hand-written block may number it).
const QRegularExpression& LabelPattern() {
  static const QRegularExpression pattern(QStringLiteral("^N[0-9]+ (.*)$"));
  return pattern;
}
// A comment in parentheses at the end of a statement.
const QRegularExpression& CommentPattern() {
  static const QRegularExpression pattern(QStringLiteral("\\s*\\([^()]*\\)$"));
  return pattern;
}
// The end of a main program: M30 or M02 (M2), as a word of its own.
const QRegularExpression& ProgramEndPattern() {
  static const QRegularExpression pattern(QStringLiteral("(?<![A-Z0-9])M0*(?:30|2)(?![0-9.])"));
  return pattern;
}

// The line without trailing blanks.
QStringView WithoutTrailingBlanks(QStringView text) {
  while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t')) text.chop(1);
  return text;
}

// The line without trailing blanks and without a comment at its end.
QStringView WithoutEndComment(QStringView line) {
  QStringView text = WithoutTrailingBlanks(line);
  if (!text.endsWith(u')')) return text;
  const qsizetype open = text.lastIndexOf(u'(');
  if (open < 0 || text.sliced(open + 1).contains(u'(')) return text;
  return WithoutTrailingBlanks(text.first(open));
}

// Whether a line begins the next program ("O" and its name) or ends the main program (M30,
// M02): where a subprogram without its return ends.
bool EndsSubprogram(QStringView line) {
  QStringView text = line;
  while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t')) text = text.sliced(1);
  if (text.size() >= 2 && text[0] == u'O' && text[1].isLetterOrNumber()) return true;
  if (text.startsWith(u'(') || text.startsWith(u"NOEX") || !text.contains(u'M')) return false;
  QString statement = text.toString();
  // Words inside comments are no statements.
  static const QRegularExpression comments(QStringLiteral("\\([^()]*\\)"));
  statement.remove(comments);
  return ProgramEndPattern().match(statement).hasMatch();
}
const QRegularExpression& NoexItemPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(" (V[A-Z][A-Z0-9]*)(?:\\[([^\\]]*)\\])?="));
  return pattern;
}
const QRegularExpression& PsPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^PS (LC|RC),\\[" ZEL_FIELD ",0\\],\\[" ZEL_FIELD "," ZEL_FIELD "\\](,0)?$"));
  return pattern;
}
const QRegularExpression& PtPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^PT (LF|SS|SD),(LC|RC),\\[" ZEL_FIELD ",0\\],\\[" ZEL_FIELD "," ZEL_FIELD
                     "\\],\\[" ZEL_FIELD "," ZEL_FIELD "\\](,0)?$"));
  return pattern;
}
const QRegularExpression& PfPattern() {
  static const QRegularExpression pattern(QStringLiteral("^PF 0,\\[0,0\\]," ZEL_FIELD ",D(,0)?$"));
  return pattern;
}
const QRegularExpression& PoPattern() {
  static const QRegularExpression pattern(QStringLiteral("^PO \\[0," ZEL_FIELD "\\]$"));
  return pattern;
}
const QRegularExpression& CiPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^CI \\[0,0\\],\\[0,-" ZEL_FIELD "\\],R,0$"));
  return pattern;
}

#undef ZEL_FIELD

// The tool-data variables after their prefix VTL or VGR.
struct ToolItem {
  QStringView name;
  int dimension;  // index into ToolData::dimensions; -1 for IN, -2 for FN
};
constexpr std::array<ToolItem, 8> kToolItems = {{
    {u"IN", -1},
    {u"FN", -2},
    {u"A1", static_cast<int>(Dimension::kA1)},
    {u"A2", static_cast<int>(Dimension::kA2)},
    {u"L", static_cast<int>(Dimension::kL)},
    {u"D", static_cast<int>(Dimension::kD)},
    {u"W", static_cast<int>(Dimension::kW)},
    {u"NR", static_cast<int>(Dimension::kNR)},
}};

// The line of every assignment of one tool, for the checks made once all of it is read.
struct ToolLines {
  int kind = -1;
  int shape = -1;
  std::array<int, 6> dimensions{-1, -1, -1, -1, -1, -1};
};

// The inner circle's PO and CI lines follow its PF line in this order.
enum class BoreStage { kNone, kAfterPf, kAfterPo };

class Reader {
 public:
  explicit Reader(GraphicProgram& out) : out_(out) {}

  void Line(int number, QStringView raw);
  // The OZEL line as written, for the problem of a missing return.
  void SetFirstText(QStringView text) { first_text_ = ShownLineText(text); }
  // Reports what shows only at the end: an open block, a missing return, tool data without
  // its kind or with a dimension its shape has no row for.
  void Finish(bool returned);

 private:
  // One problem a line: the first thing that cannot be read in it. Lines come in order, so
  // beyond the listed ones a problem is only counted.
  void Problem(ReadProblem problem) {
    if (line_ == last_problem_line_) return;
    last_problem_line_ = line_;
    if (out_.problems.size() >= kMaxListedProblems) {
      ++out_.unlisted_problems;
      return;
    }
    out_.problems.append({line_, ShownLineText(line_text_), problem});
  }
  void Noex(QStringView body);
  void Assign(QStringView name, std::optional<QStringView> index, QStringView value_text);
  void Statement(const QString& statement);
  void Contour(const QString& statement);
  void Circle(const QString& statement);
  void Open(bool side, bool second_spindle);
  void CheckTools();
  void MarkReplacedBlocks();

  GraphicProgram& out_;
  int line_ = 0;
  int last_problem_line_ = -1;
  // DEF lines that have a problem already (nested in an open block).
  QSet<int> nested_def_lines_;
  QStringView line_text_;
  // The block open at the moment: 0 none, 1 DEF WORK, 2 DEF WORKF.
  int open_ = 0;
  int open_line_ = 0;
  QString open_text_;
  QString first_text_;
  // The DEF lines as written, by block: side blocks, then front blocks.
  QStringList side_def_texts_;
  QStringList front_def_texts_;
  BoreStage bore_ = BoreStage::kNone;
  double bore_radius_ = 0;
  QHash<QString, int> tool_index_;
  QList<ToolLines> tool_lines_;
};

// A line as a statement: trailing blanks (invisible in the editor, nothing to the control)
// and a comment at its end dropped.
QString StatementOf(QStringView raw) {
  QStringView text = raw;
  while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t')) text.chop(1);
  QString statement = text.toString();
  statement.remove(CommentPattern());
  return statement;
}

// The assignments of a NOEX statement's body (what follows "NOEX"), or nullopt when the body
// does not begin with one.
std::optional<QList<NoexItem>> SplitNoex(QStringView body) {
  QRegularExpressionMatchIterator items = NoexItemPattern().globalMatch(body.toString());
  QList<QRegularExpressionMatch> matches;
  while (items.hasNext()) matches.append(items.next());
  if (matches.isEmpty() || matches.front().capturedStart() != 0) return std::nullopt;
  QList<NoexItem> result;
  for (qsizetype i = 0; i < matches.size(); ++i) {
    const QRegularExpressionMatch& item = matches[i];
    const qsizetype value_start = item.capturedEnd();
    const qsizetype value_end =
        i + 1 < matches.size() ? matches[i + 1].capturedStart() : body.size();
    NoexItem split{item.captured(1), std::nullopt,
                   body.mid(value_start, value_end - value_start).toString()};
    if (item.capturedStart(2) >= 0) split.index = item.captured(2);
    result.append(split);
  }
  return result;
}

FieldValue Field(const QString& text, bool* too_large) {
  const std::optional<double> value = LeadingNumberValue(text);
  if (!value) *too_large = true;
  return {text, value.value_or(0)};
}

void Reader::Line(int number, QStringView raw) {
  line_ = number;
  line_text_ = raw;
  // Trailing blanks are invisible in the editor and change nothing for the control.
  const QStringView text = WithoutTrailingBlanks(raw);
  if (text.isEmpty()) return;
  if (text.front() == u'(' && text.back() == u')') return;  // a comment line
  if (IsSubprogramLine(text)) return;

  const QString statement = StatementOf(text);
  if (statement.startsWith(u"NOEX")) {
    Noex(QStringView(statement).mid(4));
    return;
  }
  const QRegularExpressionMatch label = LabelPattern().match(statement);
  if (!label.hasMatch()) {
    Problem(ReadProblem::kUnknownStatement);
    return;
  }
  Statement(label.captured(1));
}

void Reader::Noex(QStringView body) {
  const std::optional<QList<NoexItem>> items = SplitNoex(body);
  if (!items) {
    Problem(ReadProblem::kBadNoex);
    return;
  }
  for (const NoexItem& item : *items) {
    std::optional<QStringView> index;
    if (item.index) index = *item.index;
    Assign(item.name, index, item.value);
  }
}

void Reader::Assign(QStringView name, std::optional<QStringView> index, QStringView value_text) {
  const std::optional<double> read = LeadingNumberValue(value_text);
  // clang-format off
  const std::array<std::pair<QStringView, std::optional<double> ChuckValues::*>, 10> kChuck = {{
      {u"VCHIO", &ChuckValues::VCHIO}, {u"VCHSW", &ChuckValues::VCHSW},
      {u"VCHKD", &ChuckValues::VCHKD}, {u"VCHKL", &ChuckValues::VCHKL},
      {u"VCHKX", &ChuckValues::VCHKX}, {u"VCHKZ", &ChuckValues::VCHKZ},
      {u"VTSDA", &ChuckValues::VTSDA}, {u"VTSDB", &ChuckValues::VTSDB},
      {u"VTSL", &ChuckValues::VTSL},   {u"VWKR", &ChuckValues::VWKR},
  }};
  // clang-format on
  std::optional<double> ChuckValues::*chuck_member = nullptr;
  for (const auto& [chuck_name, member] : kChuck) {
    if (name == chuck_name) chuck_member = member;
  }
  if (chuck_member || name == u"VSCTA") {
    if (index) return Problem(ReadProblem::kUnexpectedIndex);
    if (!read) return Problem(ReadProblem::kValueTooLarge);
    if (chuck_member)
      out_.chuck.*chuck_member = *read;
    else
      out_.VSCTA = *read;
    return;
  }

  // Tool data: VTL/VGR + item, or the nose variables, always with the tool number.
  int item = -100;
  bool life = false;
  int nose = -1;
  if (name.startsWith(u"VTL") || name.startsWith(u"VGR")) {
    life = name.startsWith(u"VGR");
    for (const ToolItem& candidate : kToolItems) {
      if (name.mid(3) == candidate.name) item = candidate.dimension;
    }
  }
  if (name == u"VNSRX") nose = 0;
  if (name == u"VNSRZ") nose = 1;
  if (name == u"VNRPN") nose = 2;
  if (item == -100 && nose < 0) return Problem(ReadProblem::kUnknownVariable);
  if (!index) return Problem(ReadProblem::kMissingToolNumber);
  if (!read) return Problem(ReadProblem::kValueTooLarge);

  const QString number = index->toString();
  auto found = tool_index_.constFind(number);
  int at = 0;
  if (found == tool_index_.constEnd()) {
    at = out_.tools.size();
    tool_index_.insert(number, at);
    ToolData tool;
    tool.number = number;
    tool.line = line_;
    out_.tools.append(tool);
    tool_lines_.append(ToolLines{});
  } else {
    at = *found;
  }
  ToolData& tool = out_.tools[at];
  ToolLines& lines = tool_lines_[at];
  if (nose >= 0) {
    std::optional<double> ToolData::*const kNose[] = {&ToolData::nose_x, &ToolData::nose_radius,
                                                      &ToolData::nose_position};
    tool.*kNose[nose] = *read;
    return;
  }
  tool.tool_life = tool.tool_life || life;
  if (item == -1 || item == -2) {
    const std::optional<int> whole = RoundHalfEven<int>(*read);
    if (item == -1) {
      tool.kind = whole;
      lines.kind = line_;
    } else {
      tool.shape = whole;
      lines.shape = line_;
    }
    if (item == -1 && (!whole || !FindKind(*whole))) {
      Problem(ReadProblem::kUnknownToolKind);
      return;
    }
    // The pair is checked on the line that completes it.
    if (tool.kind && FindKind(*tool.kind) && tool.shape && !FindShape(*tool.kind, *tool.shape))
      Problem(ReadProblem::kUnknownToolShape);
    return;
  }
  tool.dimensions[item] = *read;
  lines.dimensions[item] = line_;
}

void Reader::Statement(const QString& statement) {
  if (statement == u"CLEAR") {
    out_.clear = true;
  } else if (statement == u"DRAW") {
    out_.draw = true;
  } else if (statement == u"DEF WORK" || statement == u"DEF WORK[S]") {
    Open(true, statement.size() > 8);
  } else if (statement == u"DEF WORKF" || statement == u"DEF WORKF[S]") {
    Open(false, statement.size() > 9);
  } else if (statement == u"END") {
    if (open_ == 0) Problem(ReadProblem::kEndWithoutBlock);
    open_ = 0;
    bore_ = BoreStage::kNone;
  } else if (statement == u"M25" || statement == u"M21") {
    (statement == u"M25" ? out_.chuck.chuck_barrier : out_.chuck.tailstock_barrier) = true;
  } else if (statement.startsWith(u"PS ") || statement.startsWith(u"PT ")) {
    Contour(statement);
  } else if (statement.startsWith(u"PF ") || statement.startsWith(u"PO ") ||
             statement.startsWith(u"CI ")) {
    Circle(statement);
  } else {
    Problem(ReadProblem::kUnknownStatement);
  }
}

void Reader::Open(bool side, bool second_spindle) {
  if (open_ != 0) {
    Problem(ReadProblem::kNestedBlock);
    nested_def_lines_.insert(line_);
  }
  open_ = side ? 1 : 2;
  open_line_ = line_;
  open_text_ = ShownLineText(line_text_);
  bore_ = BoreStage::kNone;
  if (side) {
    out_.side_blocks.append({second_spindle, {}, line_});
    side_def_texts_ << open_text_;
  } else {
    out_.front_blocks.append({second_spindle, {}, line_});
    front_def_texts_ << open_text_;
  }
}

void Reader::Contour(const QString& statement) {
  const bool cylinder = statement.startsWith(u"PS ");
  const QRegularExpressionMatch match = (cylinder ? PsPattern() : PtPattern()).match(statement);
  if (!match.hasMatch()) return Problem(cylinder ? ReadProblem::kBadPs : ReadProblem::kBadPt);
  if (open_ == 0) return Problem(ReadProblem::kContourOutsideBlock);
  if (open_ == 2) return Problem(ReadProblem::kContourInFrontBlock);

  ContourShape shape;
  shape.line = line_;
  shape.text = ShownLineText(line_text_);
  bool too_large = false;
  int next = 1;
  if (cylinder) {
    shape.sn = 1;
  } else {
    const QString profile = match.captured(next++);
    shape.sn = profile == u"LF" ? 2 : profile == u"SS" ? 3 : 4;
  }
  shape.face = match.captured(next++) == u"LC" ? ContourFace::kLeft : ContourFace::kRight;
  shape.z = Field(match.captured(next++), &too_large);
  if (cylinder) {
    shape.l = Field(match.captured(next++), &too_large);
    shape.d1 = Field(match.captured(next++), &too_large);
  } else {
    shape.d1 = Field(match.captured(next++), &too_large);
    shape.d2 = Field(match.captured(next++), &too_large);
    shape.l = Field(match.captured(next++), &too_large);
    const QString radius = match.captured(next++);
    if (shape.sn == 2) {
      if (radius != u"0") return Problem(ReadProblem::kConeRadius);
    } else {
      shape.r = Field(radius, &too_large);
    }
  }
  if (!match.captured(next).isEmpty()) shape.sn += 4;  // ",0": a bore
  if (too_large) return Problem(ReadProblem::kValueTooLarge);
  out_.side_blocks.back().shapes.append(shape);
}

void Reader::Circle(const QString& statement) {
  const QStringView keyword = QStringView(statement).left(2);
  const QRegularExpression& pattern = keyword == u"PF"   ? PfPattern()
                                      : keyword == u"PO" ? PoPattern()
                                                         : CiPattern();
  const QRegularExpressionMatch match = pattern.match(statement);
  if (!match.hasMatch()) {
    bore_ = BoreStage::kNone;
    return Problem(keyword == u"PF"   ? ReadProblem::kBadPf
                   : keyword == u"PO" ? ReadProblem::kBadPo
                                      : ReadProblem::kBadCi);
  }
  if (open_ == 0) return Problem(ReadProblem::kCircleOutsideBlock);
  if (open_ == 1) return Problem(ReadProblem::kCircleInSideBlock);

  bool too_large = false;
  const FieldValue field = Field(match.captured(1), &too_large);
  if (too_large) {
    bore_ = BoreStage::kNone;
    return Problem(ReadProblem::kValueTooLarge);
  }
  if (keyword == u"PF") {
    FrontCircle circle;
    circle.inner = !match.captured(2).isEmpty();
    circle.d = field;
    circle.line = line_;
    out_.front_blocks.back().circles.append(circle);
    bore_ = circle.inner ? BoreStage::kAfterPf : BoreStage::kNone;
    // The dialog writes the bore's radius as the diameter halved and rounded down.
    bore_radius_ = std::floor(field.value / 2);
    return;
  }
  const BoreStage expected = keyword == u"PO" ? BoreStage::kAfterPf : BoreStage::kAfterPo;
  if (bore_ != expected) {
    bore_ = BoreStage::kNone;
    return Problem(ReadProblem::kBoreWithoutCircle);
  }
  bore_ = keyword == u"PO" ? BoreStage::kAfterPo : BoreStage::kNone;
  if (field.value != bore_radius_) Problem(ReadProblem::kBoreRadiusMismatch);
}

void Reader::CheckTools() {
  for (qsizetype i = 0; i < out_.tools.size(); ++i) {
    const ToolData& tool = out_.tools[i];
    const ToolLines& lines = tool_lines_[i];
    if (lines.kind < 0) {
      AddProblem(out_, {tool.line, {}, ReadProblem::kToolWithoutKind});
      continue;
    }
    if (!tool.kind || !tool.shape) continue;
    const ShapeEntry* shape = FindShape(*tool.kind, *tool.shape);
    if (!shape) continue;
    const FieldSetRows& rows = FieldSetOf(shape->field_set);
    for (int d = 0; d < 6; ++d) {
      if (lines.dimensions[d] < 0) continue;
      const bool in_set = std::any_of(rows.rows.begin(), rows.rows.end(),
                                      [d](Dimension row) { return static_cast<int>(row) == d; });
      if (!in_set) AddProblem(out_, {lines.dimensions[d], {}, ReadProblem::kDimensionNotInShape});
    }
  }
}

void Reader::Finish(bool returned) {
  if (open_ != 0) AddProblem(out_, {open_line_, open_text_, ReadProblem::kBlockNotClosed});
  if (!returned) AddProblem(out_, {out_.first_line, first_text_, ReadProblem::kNoReturn});
  CheckTools();
  MarkReplacedBlocks();
}

void Reader::MarkReplacedBlocks() {
  // One problem a line: a DEF line that has one already (nested) keeps it.
  const auto mark = [&](auto& blocks, const QStringList& def_texts) {
    std::array<bool, 2> later = {false, false};  // a later block of spindle 1, 2 was seen
    for (qsizetype i = blocks.size() - 1; i >= 0; --i) {
      bool& seen = later[blocks[i].second_spindle ? 1 : 0];
      if (seen) {
        blocks[i].replaced = true;
        if (!nested_def_lines_.contains(blocks[i].line))
          AddProblem(out_, {blocks[i].line, def_texts[i], ReadProblem::kBlockReplaced});
      }
      seen = true;
    }
  };
  mark(out_.side_blocks, side_def_texts_);
  mark(out_.front_blocks, front_def_texts_);
}

// The line starting at `start` without its line end, and where the next line starts (-1 at
// the end of the text).
QStringView LineAt(QStringView text, qsizetype start, qsizetype* next) {
  const LineBounds bounds = LineFrom(text, start);
  *next = bounds.next;
  return text.sliced(start, bounds.end - start);
}

}  // namespace

bool IsSubprogramLine(QStringView line) { return WithoutEndComment(line) == kSubprogramName; }

bool IsReturnLine(QStringView line) { return WithoutEndComment(line) == kReturnLine; }

std::optional<qsizetype> FindGraphicSubprogram(QStringView text) {
  qsizetype from = text.size();
  while (from > 0) {
    const qsizetype at = text.lastIndexOf(kSubprogramName, from - 1);
    if (at < 0) return std::nullopt;
    qsizetype next = 0;
    if (IsLineStart(text, at) && IsSubprogramLine(LineAt(text, at, &next))) return at;
    from = at;
  }
  return std::nullopt;
}

namespace {

// Reads the subprogram that begins at `start` of `text`; its first line is line
// `first_line` of the program.
GraphicProgram ReadFrom(QStringView text, qsizetype start, int first_line) {
  GraphicProgram out;
  out.found = true;
  out.first_line = first_line;
  Reader reader(out);
  qsizetype position = start;
  int line = first_line;
  bool returned = false;
  // Lines whose problems are found only at the end (a tool's missing kind) get their text
  // from here.
  QHash<int, QString> texts;
  while (position >= 0) {
    qsizetype next = 0;
    const QStringView current = LineAt(text, position, &next);
    if (position == start) reader.SetFirstText(current);
    if (IsReturnLine(current)) {
      returned = true;
      break;
    }
    if (position != start && EndsSubprogram(current)) {
      --line;
      break;
    }
    const qsizetype before = out.tools.size();
    reader.Line(line, current);
    if (out.tools.size() != before || current.contains(u'['))
      texts.insert(line, ShownLineText(current));
    if (next < 0) break;
    position = next;
    ++line;
  }
  out.last_line = line;
  reader.Finish(returned);
  for (UnreadLine& problem : out.problems) {
    if (problem.text.isEmpty()) problem.text = texts.value(problem.line);
  }
  return out;
}

}  // namespace

GraphicProgram ReadGraphicProgram(QStringView text) {
  const std::optional<qsizetype> start = FindGraphicSubprogram(text);
  if (!start) return {};
  const int first_line = static_cast<int>(LineEndCount(text.first(*start)));
  return ReadFrom(text, *start, first_line);
}

GraphicProgram ReadGraphicLines(const QStringList& lines, int first_line) {
  GraphicProgram out;
  out.first_line = first_line;
  out.last_line = first_line + static_cast<int>(lines.size()) - 1;
  Reader reader(out);
  for (qsizetype i = 0; i < lines.size(); ++i)
    reader.Line(first_line + static_cast<int>(i), lines[i]);
  reader.Finish(true);
  for (UnreadLine& problem : out.problems) {
    if (problem.text.isEmpty()) problem.text = lines.value(problem.line - first_line);
  }
  std::stable_sort(out.problems.begin(), out.problems.end(),
                   [](const UnreadLine& a, const UnreadLine& b) { return a.line < b.line; });
  return out;
}

std::optional<QList<NoexItem>> ReadNoexItems(QStringView line) {
  const QString statement = StatementOf(line);
  if (!statement.startsWith(u"NOEX")) return std::nullopt;
  return SplitNoex(QStringView(statement).mid(4));
}

std::optional<QString> ReadLabelledStatement(QStringView line) {
  const QRegularExpressionMatch label = LabelPattern().match(StatementOf(line));
  if (!label.hasMatch()) return std::nullopt;
  return label.captured(1);
}

GraphicProgram ReadGraphicProgramUtf8(QByteArrayView utf8) {
  // "OZEL" and the line ends are plain ASCII, and no byte of a multi-byte UTF-8 character
  // is ASCII, so the line is found in the bytes as it would be in the characters.
  qsizetype from = utf8.size();
  while (from > 0) {
    const qsizetype at = utf8.lastIndexOf(QByteArrayView("OZEL"), from - 1);
    if (at < 0) return {};
    from = at;
    if (!IsLineStart(utf8, at)) continue;
    const LineBounds bounds = LineFrom(utf8, at);
    if (!IsSubprogramLine(QString::fromUtf8(utf8.sliced(at, bounds.end - at)))) continue;
    const int first_line = static_cast<int>(LineEndCount(utf8.first(at)));
    const QString tail = QString::fromUtf8(utf8.sliced(at));
    return ReadFrom(tail, 0, first_line);
  }
  return {};
}

}  // namespace zel
