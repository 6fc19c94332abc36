#include "toolpath/program_path.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <optional>
#include <type_traits>

namespace zel {

namespace {

constexpr double kPi = std::numbers::pi;
// An I/K arc whose end lies farther than this off its circle is refused, as the control does.
constexpr double kArcTolerance = 0.01;
// Below this (mm) two points are one.
constexpr double kSamePoint = 1e-9;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsUpper(c) || IsDigit(c); }

// A line's bytes, read front to back.
struct Cursor {
  const char* p;
  const char* end;

  bool AtEnd() const { return p >= end; }
  char Peek(qsizetype ahead = 0) const { return p + ahead < end ? p[ahead] : '\0'; }
  void SkipBlanks() {
    while (p < end && IsBlank(*p)) ++p;
  }
  // Blanks and comments in parentheses (an unclosed one runs to the line's end).
  void SkipBlanksAndComments() {
    for (;;) {
      SkipBlanks();
      if (p >= end || *p != '(') return;
      while (p < end && *p != ')') ++p;
      if (p < end) ++p;
    }
  }
  QByteArrayView Run(bool (*accept)(char)) {
    const char* from = p;
    while (p < end && accept(*p)) ++p;
    return QByteArrayView(from, p - from);
  }
};

// The words of one block.
struct Block {
  std::optional<double> x, z, u, w, i, k, r, f, s, p;
  std::array<int, 8> g{};  // the G codes, as integers
  int g_count = 0;
  std::array<int, 4> m{};
  int m_count = 0;
  bool has_t = false;
  QByteArrayView t_digits;
  bool unknown_g = false;
  bool unknown_word = false;

  bool HasG(int code) const {
    return std::find(g.begin(), g.begin() + g_count, code) != g.begin() + g_count;
  }
  bool HasM(int code) const {
    return std::find(m.begin(), m.begin() + m_count, code) != m.begin() + m_count;
  }
  bool HasAxis() const { return x || z || u || w; }
};

// How a line reads.
enum class LineKind {
  kEmpty,       // nothing to run (blank, comment, label only, "%", skipped block)
  kBlock,       // words to run
  kNotRun,      // a statement that is not simulated (the issue says why)
  kCallOzel,    // CALL OZEL: nothing happens
  kSubprogram,  // an O line: the start of a subprogram
  kReturn,      // RTS
};

struct LineRead {
  LineKind kind = LineKind::kEmpty;
  PathIssue issue = PathIssue::kUnknownStatement;
  bool ozel = false;  // the O line is OZEL
};

// Reads a number after an address letter: optional blanks, a sign, digits with at most one
// point. False when there is none.
bool ReadNumber(Cursor& in, double& value) {
  in.SkipBlanks();
  const char* from = in.p;
  bool negative = false;
  if (from < in.end && (*from == '+' || *from == '-')) {
    negative = *from == '-';
    ++from;
  }
  // from_chars takes no '+' and reads the fixed form only, so "1E5" stays a 1 and an E word.
  const auto [next, error] = std::from_chars(from, in.end, value, std::chars_format::fixed);
  if (error != std::errc() || next == from) return false;
  if (negative) value = -value;
  in.p = next;
  return true;
}

// The values a word may carry: within ±kLargestValue, and a feed or speed that is not zero at
// least kSmallestRate, so that no sum of moves and no time can leave the doubles' range. A
// value beyond is a word that is not read.
constexpr double kLargestValue = 1e9;
constexpr double kSmallestRate = 1e-6;
bool Usable(char letter, double value) {
  if (!std::isfinite(value) || std::abs(value) > kLargestValue) return false;
  if ((letter == 'F' || letter == 'S') && value != 0 && std::abs(value) < kSmallestRate)
    return false;
  return true;
}

bool IsCodeChar(char c) { return IsDigit(c) || c == '.'; }

// An integral code (G, M): digits without a point; -1 otherwise.
int ReadCode(Cursor& in) {
  in.SkipBlanks();
  const QByteArrayView digits = in.Run(IsCodeChar);
  if (digits.isEmpty() || digits.size() > 4 || digits.contains('.')) return -1;
  int code = 0;
  for (char c : digits) code = code * 10 + (c - '0');
  return code;
}

// Skips what follows a word that is not read, up to the next letter, blank or comment.
void SkipWordValue(Cursor& in) {
  while (!in.AtEnd() && !IsUpper(*in.p) && !IsBlank(*in.p) && *in.p != '(') ++in.p;
}

// A statement of several letters: what the line is.
LineRead ReadStatement(Cursor& in) {
  const QByteArrayView word = in.Run(IsUpper);
  LineRead read;
  read.kind = LineKind::kNotRun;
  if (word == "CALL") {
    in.SkipBlanks();
    const QByteArrayView target = in.Run(IsAlnum);
    in.SkipBlanksAndComments();
    if (target == "OZEL" && in.AtEnd()) read.kind = LineKind::kCallOzel;
    read.issue = PathIssue::kCall;
  } else if (word == "MODIN" || word == "MODOUT") {
    read.issue = PathIssue::kCall;
  } else if (word == "GOTO") {
    read.issue = PathIssue::kJump;
  } else if (word == "RTS") {
    read.kind = LineKind::kReturn;
    read.issue = PathIssue::kJump;
  } else if (word == "IF") {
    read.issue = PathIssue::kCondition;
  } else if (word == "NOEX" || word.startsWith('V')) {
    // Variables of the control all begin with V; NOEX lines assign them.
    read.issue = PathIssue::kVariable;
  } else {
    read.issue = PathIssue::kUnknownStatement;
    // An assignment to a name of another form is still an assignment.
    for (const char* c = in.p; c < in.end; ++c)
      if (*c == '=') read.issue = PathIssue::kVariable;
  }
  return read;
}

// Reads one line into its words.
LineRead ReadLine(Cursor in, bool block_skip, Block& block) {
  LineRead read;
  in.SkipBlanks();
  if (in.Peek() == '/') {
    if (block_skip) return read;
    ++in.p;
    in.SkipBlanks();
  }
  // The sequence label: N and digits, or a name of letters and digits (NRTS); NOEX is a
  // statement.
  if (in.Peek() == 'N') {
    if (IsDigit(in.Peek(1))) {
      ++in.p;
      in.Run(IsDigit);
    } else if (IsUpper(in.Peek(1))) {
      Cursor look = in;
      if (look.Run(IsAlnum) != "NOEX") in = look;
    }
  }
  in.SkipBlanksAndComments();
  if (in.AtEnd()) return read;
  // An O line names a program: here the start of a subprogram.
  if (in.Peek() == 'O' && IsAlnum(in.Peek(1))) {
    ++in.p;
    const QByteArrayView name = in.Run(IsAlnum);
    in.SkipBlanksAndComments();
    read.kind = in.AtEnd() ? LineKind::kSubprogram : LineKind::kNotRun;
    read.ozel = name == "ZEL";
    read.issue = in.AtEnd() ? PathIssue::kSubprogram : PathIssue::kUnknownStatement;
    return read;
  }
  if (in.Peek() == '%' && (in.end - in.p == 1)) return read;

  read.kind = LineKind::kBlock;
  for (;;) {
    in.SkipBlanksAndComments();
    if (in.AtEnd()) break;
    const char letter = *in.p;
    if (letter == '[' || letter == '=') {
      read.kind = LineKind::kNotRun;
      read.issue = PathIssue::kVariable;
      return read;
    }
    if (!IsUpper(letter)) {
      block.unknown_word = true;
      ++in.p;
      SkipWordValue(in);
      continue;
    }
    if (IsUpper(in.Peek(1))) return ReadStatement(in);
    ++in.p;
    // A letter followed by a variable or an expression rather than a number.
    {
      Cursor look = in;
      look.SkipBlanks();
      if (look.Peek() == '=' || look.Peek() == '[') {
        read.kind = LineKind::kNotRun;
        read.issue = PathIssue::kVariable;
        return read;
      }
    }
    if (letter == 'G' || letter == 'M') {
      const int code = ReadCode(in);
      if (code < 0) {
        if (letter == 'G')
          block.unknown_g = true;
        else
          block.unknown_word = true;
        SkipWordValue(in);
      } else if (letter == 'G') {
        if (block.g_count < int(block.g.size()))
          block.g[block.g_count++] = code;
        else
          block.unknown_g = true;
      } else if (block.m_count < int(block.m.size())) {
        block.m[block.m_count++] = code;
      }
      continue;
    }
    if (letter == 'T') {
      in.SkipBlanks();
      block.has_t = true;
      block.t_digits = in.Run(IsDigit);
      // A sign or a point makes the word unreadable as a tool; ToolOfTWord refuses the rest.
      if (!in.AtEnd() && (*in.p == '.' || *in.p == '-' || *in.p == '+')) {
        block.t_digits = {};
        SkipWordValue(in);
      }
      continue;
    }
    std::optional<double>* slot = nullptr;
    switch (letter) {
      case 'X':
        slot = &block.x;
        break;
      case 'Z':
        slot = &block.z;
        break;
      case 'U':
        slot = &block.u;
        break;
      case 'W':
        slot = &block.w;
        break;
      case 'I':
        slot = &block.i;
        break;
      case 'K':
        slot = &block.k;
        break;
      case 'R':
        slot = &block.r;
        break;
      case 'F':
        slot = &block.f;
        break;
      case 'S':
        slot = &block.s;
        break;
      case 'P':
        slot = &block.p;
        break;
      default:
        break;
    }
    double value = 0;
    if (slot && ReadNumber(in, value) && Usable(letter, value)) {
      *slot = value;
    } else {
      block.unknown_word = true;
      SkipWordValue(in);
    }
  }
  return read;
}

// The modal state of the control while the program runs.
struct Machine {
  double x = 0, z = 0;
  bool x_known = false, z_known = false;
  int motion = 0;  // 0, 1, 2, 3 or 33
  bool incremental = false;
  bool per_minute = false;
  bool css = false;
  double feed = 0;
  double vc = 0;
  double rpm = 0;
  std::optional<double> g50_limit;
  bool spindle_on = false;
  int tool = 0;
  bool tool_selected = false;
};

class Interpreter {
 public:
  Interpreter(const PathOptions& options, ProgramPath& path) : options_(options), path_(path) {
    tool_index_.fill(-1);
  }

  // Runs one line; false when the program has ended.
  bool Run(int line, const char* begin, const char* end);

 private:
  void Note(int line, PathIssue issue) { path_.notes.push_back({line, issue}); }
  CuttingState Cutting(bool thread) const;
  ToolShare& Share(int tool);
  void SelectTool(int line, const Block& block);
  void Move(int line, const Block& block);
  // Times the move, adds it to its tool's share and the path; `low` and `sweep` are an arc's
  // angles (ArcCutSeconds).
  void AddMove(PathMove move, int line, bool thread, double low = 0, double sweep = 0);

  const PathOptions& options_;
  ProgramPath& path_;
  Machine m_;
  bool in_subprogram_ = false;
  std::array<int, 100> tool_index_;
};

CuttingState Interpreter::Cutting(bool thread) const {
  CuttingState state;
  state.per_minute = m_.per_minute && !thread;
  state.css = m_.css;
  state.speed = m_.css ? m_.vc : m_.rpm;
  state.limit = m_.g50_limit ? *m_.g50_limit : options_.rates.spindle_max;
  state.feed = m_.feed;
  return state;
}

ToolShare& Interpreter::Share(int tool) {
  int& index = tool_index_[tool];
  if (index < 0) {
    index = int(path_.tools.size());
    path_.tools.push_back({});
    path_.tools.back().tool = tool;
  }
  return path_.tools[index];
}

void Interpreter::SelectTool(int line, const Block& block) {
  const int tool = ToolOfTWord(block.t_digits);
  if (tool < 0) {
    Note(line, PathIssue::kBadToolWord);
    return;
  }
  // The tool at the start is not known, so the first T word changes it too.
  if (!m_.tool_selected || tool != m_.tool) path_.times.tool_change += options_.rates.tool_change;
  m_.tool = tool;
  m_.tool_selected = true;
  ToolShare& share = Share(tool);
  if (share.t_word.isEmpty()) {
    share.t_word = QStringLiteral("T") + QString::fromLatin1(block.t_digits);
    share.t_line = line;
  }
}

bool Interpreter::Run(int line, const char* begin, const char* end) {
  Block block;
  const LineRead read = ReadLine(Cursor{begin, end}, options_.block_skip, block);
  if (in_subprogram_) {
    // Skipped to its return; another program's start ends it too.
    if (read.kind == LineKind::kReturn) {
      in_subprogram_ = false;
      return true;
    }
    if (read.kind != LineKind::kSubprogram) return true;
  }
  switch (read.kind) {
    case LineKind::kEmpty:
    case LineKind::kCallOzel:
      return true;
    case LineKind::kSubprogram:
      in_subprogram_ = true;
      if (!read.ozel) Note(line, PathIssue::kSubprogram);
      return true;
    case LineKind::kNotRun:
    case LineKind::kReturn:
      Note(line, read.issue);
      return true;
    case LineKind::kBlock:
      break;
  }

  const bool dwell = block.HasG(4);
  bool g50 = false;
  for (int i = 0; i < block.g_count; ++i) {
    switch (const int code = block.g[i]) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 33:
        m_.motion = code;
        break;
      case 4:
        break;
      case 50:
        g50 = true;
        break;
      case 90:
        m_.incremental = false;
        break;
      case 91:
        m_.incremental = true;
        break;
      case 94:
        m_.per_minute = true;
        break;
      case 95:
        m_.per_minute = false;
        break;
      case 96:
        m_.css = true;
        break;
      case 97:
        // Leaving G96 without an S keeps the speed the spindle turns at.
        if (m_.css && !block.s) {
          const double diameter = m_.x_known ? m_.x : 0;
          m_.rpm = SpindleRpm(Cutting(false), diameter);
        }
        m_.css = false;
        break;
      case 40:
        break;
      case 41:
      case 42:
        if (path_.nose_compensation_line < 0) path_.nose_compensation_line = line;
        break;
      default:
        block.unknown_g = true;
        break;
    }
  }
  if (g50) {
    // G50 S sets the spindle limit; G50 with an axis sets the coordinate system, which is
    // not simulated: the moves go on from the last known position.
    if (block.s) m_.g50_limit = *block.s;
    if (block.HasAxis()) Note(line, PathIssue::kCoordinateSystem);
    return true;
  }
  if (block.has_t) SelectTool(line, block);
  if (block.s) (m_.css ? m_.vc : m_.rpm) = *block.s;
  if (block.f && !dwell) m_.feed = *block.f;
  if (block.HasM(3) || block.HasM(4)) m_.spindle_on = true;
  if (dwell) {
    double seconds = 0;
    if (block.p)
      seconds = *block.p / 1000;
    else if (block.f)
      seconds = *block.f;
    else if (block.x)
      seconds = *block.x;
    else if (block.u)
      seconds = *block.u;
    path_.times.dwell += std::max(seconds, 0.0);
  }
  if (block.unknown_g) {
    Note(line, PathIssue::kUnknownGCode);
  } else if (block.unknown_word || (block.p && !dwell)) {
    Note(line, PathIssue::kUnknownWord);
  } else if (!dwell && block.HasAxis()) {
    Move(line, block);
  }
  if (block.HasM(5)) m_.spindle_on = false;
  if (block.HasM(2) || block.HasM(30)) {
    path_.end_line = line;
    return false;
  }
  return true;
}

void Interpreter::Move(int line, const Block& block) {
  double x = m_.x;
  double z = m_.z;
  bool x_known = m_.x_known;
  bool z_known = m_.z_known;
  if (block.x) {
    x = m_.incremental ? m_.x + *block.x : *block.x;
    x_known = m_.incremental ? m_.x_known : true;
  } else if (block.u) {
    x = m_.x + *block.u;
  }
  if (block.z) {
    z = m_.incremental ? m_.z + *block.z : *block.z;
    z_known = m_.incremental ? m_.z_known : true;
  } else if (block.w) {
    z = m_.z + *block.w;
  }
  const bool start_known = m_.x_known && m_.z_known;
  PathMove move;
  move.x0 = m_.x;
  move.z0 = m_.z;
  move.x1 = x;
  move.z1 = z;
  m_.x = x;
  m_.z = z;
  m_.x_known = x_known;
  m_.z_known = z_known;
  // Until both axes are known the tool comes from where it stood, which the program does
  // not say: nothing to draw or time.
  if (!start_known) return;

  // Geometry in the radius plane: r = X / 2 up, Z to the right.
  const double r0 = move.x0 / 2, r1 = move.x1 / 2;
  const double dz = move.z1 - move.z0, dr = r1 - r0;
  const double chord = std::sqrt(dz * dz + dr * dr);
  switch (m_.motion) {
    case 0:
      move.kind = MoveKind::kRapid;
      move.length = chord;
      AddMove(move, line, false);
      return;
    case 1:
    case 33: {
      const bool thread = m_.motion == 33;
      move.kind = thread ? MoveKind::kThread : MoveKind::kFeed;
      move.length = chord;
      AddMove(move, line, thread);
      return;
    }
    default:
      break;
  }
  // Arcs: G02 clockwise, G03 counter-clockwise with +X up and +Z to the right.
  const bool clockwise = m_.motion == 2;
  move.kind = clockwise ? MoveKind::kArcCw : MoveKind::kArcCcw;
  double zc = 0, rc = 0;
  if (block.r) {
    const double radius = *block.r;
    if (chord < kSamePoint) {
      Note(line, PathIssue::kArcSamePointsByR);
      return;
    }
    if (std::abs(radius) < chord / 2 - 1e-6) {
      Note(line, PathIssue::kArcRadiusTooShort);
      return;
    }
    const double h = std::sqrt(std::max(0.0, radius * radius - chord * chord / 4));
    // The centre of the shorter arc lies left of the chord for an arc turning left (G03),
    // right of it for one turning right; a negative R takes the other side, the longer arc.
    double side = clockwise ? -1 : 1;
    if (radius < 0) side = -side;
    zc = (move.z0 + move.z1) / 2 + side * h * (-dr / chord);
    rc = (r0 + r1) / 2 + side * h * (dz / chord);
  } else if (block.i || block.k) {
    zc = move.z0 + block.k.value_or(0);
    rc = r0 + block.i.value_or(0);
    const double from_start = std::hypot(move.z0 - zc, r0 - rc);
    const double from_end = std::hypot(move.z1 - zc, r1 - rc);
    if (from_start < kSamePoint) {
      Note(line, PathIssue::kArcWithoutCentre);
      return;
    }
    if (std::abs(from_end - from_start) > kArcTolerance) {
      Note(line, PathIssue::kArcOffCircle);
      return;
    }
  } else {
    Note(line, PathIssue::kArcWithoutCentre);
    return;
  }
  move.xc = 2 * rc;
  move.zc = zc;
  const double radius = std::hypot(move.z0 - zc, r0 - rc);
  const auto [a0, turn] = move.ArcAngles();
  const double sweep = std::abs(turn);
  move.length = radius * sweep;
  // The same points either way round: from the lower angle over the sweep.
  AddMove(move, line, false, clockwise ? a0 - sweep : a0, sweep);
}

void Interpreter::AddMove(PathMove move, int line, bool thread, double low, double sweep) {
  move.line = line;
  move.tool = qint16(m_.tool);
  const CuttingState state = Cutting(thread);
  move.feed = m_.feed;
  move.speed = state.speed;
  move.css = state.css;
  move.per_minute = state.per_minute;
  ToolShare& share = Share(m_.tool);
  if (move.kind == MoveKind::kRapid) {
    move.seconds = RapidSeconds(move.x1 - move.x0, move.z1 - move.z0, options_.rates);
    share.rapid_seconds += move.seconds;
    path_.times.rapid += move.seconds;
  } else {
    // A cut the control could not feed is drawn, and listed, but takes no time.
    if (!(state.feed > 0)) {
      Note(line, PathIssue::kNoFeed);
    } else if (!state.per_minute && (!m_.spindle_on || !CanCut(state))) {
      Note(line, PathIssue::kNoSpindle);
    } else if (move.IsArc()) {
      move.seconds = ArcCutSeconds(state, move.xc / 2, move.Radius(), low, low + sweep);
    } else {
      move.seconds = LineCutSeconds(state, move.x0, move.x1, move.length);
    }
    share.cutting_seconds += move.seconds;
    share.cutting_length += move.length;
    path_.times.cutting += move.seconds;
  }
  path_.moves.push_back(move);
}

// The LFs of a text, eight bytes at a time: a byte of x = word ^ LFs is zero exactly where
// the word holds an LF, and ((x & 0x7F) + 0x7F) | x has its high bit clear exactly there.
size_t LineFeedCount(QByteArrayView text) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  constexpr std::uint64_t kLineFeeds = 0x0A0A0A0A0A0A0A0AULL;
  size_t count = 0;
  qsizetype i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    const std::uint64_t x = word ^ kLineFeeds;
    const std::uint64_t t = ((x & kLow7) + kLow7) | x;
    count += size_t(std::popcount(~t & ~kLow7));
  }
  for (; i < text.size(); ++i) count += text[i] == '\n';
  return count;
}

}  // namespace

double PathMove::Radius() const { return std::hypot(z0 - zc, (x0 - xc) / 2); }

std::pair<double, double> PathMove::ArcAngles() const {
  const double a0 = std::atan2((x0 - xc) / 2, z0 - zc);
  const double a1 = std::atan2((x1 - xc) / 2, z1 - zc);
  const bool clockwise = kind == MoveKind::kArcCw;
  double sweep = 2 * kPi;  // a closed circle by I/K
  if (std::hypot(z1 - z0, (x1 - x0) / 2) >= kSamePoint)
    sweep = std::fmod((clockwise ? a0 - a1 : a1 - a0) + 4 * kPi, 2 * kPi);
  return {a0, clockwise ? -sweep : sweep};
}

QString PathIssueText(PathIssue issue) {
  switch (issue) {
    case PathIssue::kCall:
      return QStringLiteral("呼び出し: シミュレーションしません");
    case PathIssue::kJump:
      return QStringLiteral("ジャンプ: シミュレーションしません");
    case PathIssue::kCondition:
      return QStringLiteral("条件: シミュレーションしません");
    case PathIssue::kVariable:
      return QStringLiteral("変数・式: シミュレーションしません");
    case PathIssue::kSubprogram:
      return QStringLiteral("サブプログラム (RTS まで): シミュレーションしません");
    case PathIssue::kCoordinateSystem:
      return QStringLiteral("G50 の座標系設定: シミュレーションしません");
    case PathIssue::kUnknownGCode:
      return QStringLiteral("対応していない G コード: 動きを描きません");
    case PathIssue::kUnknownWord:
      return QStringLiteral("読めないワード: 動きを描きません");
    case PathIssue::kUnknownStatement:
      return QStringLiteral("対応していない文: シミュレーションしません");
    case PathIssue::kBadToolWord:
      return QStringLiteral("T ワードが 4 桁でも 6 桁でもありません");
    case PathIssue::kArcOffCircle:
      return QStringLiteral("円弧の終点が円上にありません (0.01 mm 超): 描きません");
    case PathIssue::kArcRadiusTooShort:
      return QStringLiteral("円弧の R が弦の半分より短い: 描きません");
    case PathIssue::kArcWithoutCentre:
      return QStringLiteral("円弧の R または I, K がありません: 描きません");
    case PathIssue::kArcSamePointsByR:
      return QStringLiteral("R 指定の円弧の始点と終点が同じ: 描きません");
    case PathIssue::kNoFeed:
      return QStringLiteral("送り F がありません: 時間に数えません");
    case PathIssue::kNoSpindle:
      return QStringLiteral("主軸が回っていない毎回転送り: 時間に数えません");
  }
  return {};
}

bool IsNotSimulated(PathIssue issue) {
  switch (issue) {
    case PathIssue::kCall:
    case PathIssue::kJump:
    case PathIssue::kCondition:
    case PathIssue::kVariable:
    case PathIssue::kSubprogram:
    case PathIssue::kCoordinateSystem:
    case PathIssue::kUnknownGCode:
    case PathIssue::kUnknownWord:
    case PathIssue::kUnknownStatement:
      return true;
    default:
      return false;
  }
}

int ToolOfTWord(QByteArrayView digits) {
  for (char c : digits)
    if (!IsDigit(c)) return -1;
  if (digits.size() == 4) return (digits[0] - '0') * 10 + (digits[1] - '0');
  if (digits.size() == 6) return (digits[2] - '0') * 10 + (digits[3] - '0');
  return -1;
}

std::pair<size_t, size_t> ProgramPath::MovesOfLine(int line) const {
  const auto [first, last] =
      std::equal_range(moves.begin(), moves.end(), line, [](const auto& a, const auto& b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, PathMove>)
          return a.line < b;
        else
          return a < b.line;
      });
  return {size_t(first - moves.begin()), size_t(last - moves.begin())};
}

ProgramPath InterpretProgram(QByteArrayView utf8, const PathOptions& options) {
  ProgramPath path;
  // A line makes at most one move: room for as many as there are line ends, so the moves
  // are never copied while they grow (pages are only touched as the moves fill them).
  path.moves.reserve(LineFeedCount(utf8) + 1);
  Interpreter interpreter(options, path);
  const char* p = utf8.data();
  const char* const end = p + utf8.size();
  int line = 0;
  for (;;) {
    const char* line_end = p;
    while (line_end < end && *line_end != '\r' && *line_end != '\n') ++line_end;
    const bool running = interpreter.Run(line, p, line_end);
    if (line_end == end) break;
    // "\r\n", "\r" and "\n" each end one line.
    p = line_end + (*line_end == '\r' && line_end + 1 < end && line_end[1] == '\n' ? 2 : 1);
    ++line;
    if (!running) {
      // After the end the lines are only counted.
      for (const char* c = p; c < end; ++c)
        if (*c == '\n' || (*c == '\r' && !(c + 1 < end && c[1] == '\n'))) ++line;
      break;
    }
  }
  path.line_count = line + 1;
  return path;
}

}  // namespace zel
