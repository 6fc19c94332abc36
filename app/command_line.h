#pragma once

#include <QString>
#include <QStringList>

namespace zel {

// What the command line asks for: start on a file (or on an empty document), print the
// version or the usage and end, or refuse an option it does not know.
struct CommandLine {
  enum class Action { kRun, kVersion, kHelp, kHelpAll, kError };
  Action action = Action::kRun;
  QString file;  // the program file to open at start-up; "" for none
  QString text;  // what to print for kVersion, kHelp, kHelpAll; the one-line reason for kError
};

// The exit status of a command line that is refused.
inline constexpr int kCommandLineErrorStatus = 2;

// Reads the program's arguments (the first is the program itself). "--version"/"-v",
// "--help"/"-h" and "--help-all" are the options; "--" ends them, so a file named
// "--help" or "-x.MIN" still opens after it. The window system's options ("-platform …")
// pass. Any other option is refused (kError, with the reason in text), so that a mistyped
// option never opens a window on a file of its name.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace zel
