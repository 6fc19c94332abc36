#pragma once

#include <QString>
#include <QStringList>

namespace zel {

// What the command line asks for: start on a file (or on an empty document), or print the
// version or the usage and end.
struct CommandLine {
  enum class Action { kRun, kVersion, kHelp };
  Action action = Action::kRun;
  QString file;  // the program file to open at start-up; "" for none
  QString text;  // what to print for kVersion and kHelp
};

// Reads the program's arguments (the first is the program itself). "--version"/"-v" and
// "--help"/"-h" are the only options; "--" ends them, so a file named "--help" still opens
// after it. Any other argument is the file to open, as it always was: an argument that merely
// looks like an option ("-x.MIN") is a file name too.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace zel
