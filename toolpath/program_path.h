#pragma once

#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

#include "toolpath/cycle_time.h"

namespace zel {

// Runs the main program as the lathe would, on paper: the moves of its tool with their lines,
// tools, feed and spindle state and times, and every line it cannot run, with the reason.
//
// Lines end at "\r\n", "\r" or "\n", as in the editor box, and run from top to bottom until
// M02 or M30. The graphic subprogram (OZEL to its return) is not run, and "CALL OZEL" does
// nothing. The program starts in G00, G90, G95 and G97 with the spindle stopped, at a position
// that is not known: the first move only sets it and is not drawn.
//
// Statement forms run: a sequence label (N + digits, or a name like NRTS); "/" at the start
// of a block (run, or skipped with the block-skip switch on); comments in parentheses;
// G00 G01 G02 G03 G33 (modal motion), G04 (dwell: F, X or U in seconds, P in milliseconds),
// G50 S (the spindle limit), G90/G91, G94/G95, G96/G97, G40/G41/G42 (the programmed path is
// kept: nose-radius compensation is not applied); X and Z (X a diameter; incremental under
// G91), U and W (incremental, U a diameter), I and K (the arc centre from its start, I on the
// radius), R (the shorter arc, a negative R the longer), F, S, T, and M03 M04 M05 M00 M01 M02
// M30 (other M codes run without effect on the path).

enum class MoveKind : quint8 { kRapid, kFeed, kArcCw, kArcCcw, kThread };

// One move of the tool tip. X values are diameters.
struct PathMove {
  double x0 = 0, z0 = 0;  // start
  double x1 = 0, z1 = 0;  // end
  double xc = 0, zc = 0;  // centre of an arc (X as a diameter)
  double feed = 0;        // F in force (the lead of a thread)
  double speed = 0;       // S in force: Vc (m/min) under G96, rpm under G97
  double length = 0;      // mm along the path
  double seconds = 0;
  int line = 0;     // 0-based
  qint16 tool = 0;  // the tool number the T word selected, 0 before the first
  MoveKind kind = MoveKind::kRapid;
  bool css = false;         // G96
  bool per_minute = false;  // G94

  bool IsArc() const { return kind == MoveKind::kArcCw || kind == MoveKind::kArcCcw; }
  bool IsCut() const { return kind != MoveKind::kRapid; }
  // The arc's radius.
  double Radius() const;
  // The arc's start angle (radians, from +Z towards +X about its centre) and its sweep,
  // negative for a clockwise arc; a whole turn when it ends where it starts.
  std::pair<double, double> ArcAngles() const;
};

// Why a line is not run, or runs with a fault.
enum class PathIssue : quint8 {
  kCall,               // a call of a subprogram other than OZEL (or a modal call)
  kJump,               // GOTO or RTS
  kCondition,          // IF
  kVariable,           // a variable, assignment or expression (NOEX, V…, X=…, X[…])
  kSubprogram,         // a subprogram other than OZEL, skipped to its RTS
  kCoordinateSystem,   // G50 with X, Z, U or W
  kUnknownGCode,       // a G code outside the ones run: the line's motion is not drawn
  kUnknownWord,        // a word that is not read: the line's motion is not drawn
  kUnknownStatement,   // a statement of several letters that is none of the above
  kBadToolWord,        // a T word of other than four or six digits
  kArcOffCircle,       // I/K arc whose end lies off its circle by more than 0.01 mm
  kArcRadiusTooShort,  // R arc whose R is shorter than half its chord
  kArcWithoutCentre,   // arc without R or I/K, or with a centre on its start point
  kArcSamePointsByR,   // R arc that ends where it starts
  kNoFeed,             // a cutting move with F 0: drawn, no time
  kNoSpindle,          // per revolution with the spindle stopped or at 0: drawn, no time
};

// The reason as the window lists it.
QString PathIssueText(PathIssue issue);
// Whether the line is not run at all (the not simulated lines), rather than run with a fault.
bool IsNotSimulated(PathIssue issue);

struct PathNote {
  int line = 0;
  PathIssue issue = PathIssue::kUnknownWord;
};

// One tool's share of the cycle.
struct ToolShare {
  int tool = 0;                // 0: the moves before the first T word
  QString t_word;              // the first T word that selected it ("T0101")
  int t_line = -1;             // its line
  double cutting_seconds = 0;  // feed moves, arcs and threads
  double rapid_seconds = 0;
  double cutting_length = 0;  // mm
};

struct CycleTimes {
  double cutting = 0;  // feed moves, arcs and threads
  double rapid = 0;
  double dwell = 0;
  double tool_change = 0;
  double Total() const { return cutting + rapid + dwell + tool_change; }
};

struct ProgramPath {
  std::vector<PathMove> moves;   // in program order, so by non-decreasing line
  std::vector<PathNote> notes;   // by line
  std::vector<ToolShare> tools;  // in the order of their first move or T word
  CycleTimes times;
  int line_count = 0;
  int end_line = -1;                // the M02 or M30 line; -1 when the text ran out first
  int nose_compensation_line = -1;  // the first G41 or G42

  // The moves of a line: [first, second) into `moves`.
  std::pair<size_t, size_t> MovesOfLine(int line) const;
};

struct PathOptions {
  bool block_skip = false;  // skip the blocks that begin with "/"
  MachineRates rates;
};

// Interprets the program text as the editor box holds it (UTF-8).
ProgramPath InterpretProgram(QByteArrayView utf8, const PathOptions& options);

// The tool a T word's digits select: the first two of four, the middle two of six; -1 for any
// other count.
int ToolOfTWord(QByteArrayView digits);

}  // namespace zel
