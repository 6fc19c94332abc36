#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace zel {

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("ZEL_Editor: editor for the main programs (.MIN) of a CNC lathe control"));
  const QCommandLineOption help_option = parser.addHelpOption();
  const QCommandLineOption version_option = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("The program file (.MIN) to open."),
                               QStringLiteral("[file]"));

  CommandLine result;
  if (!parser.parse(arguments)) {
    // An unknown option is a file whose name starts with a minus sign; it opens as before.
    if (arguments.size() > 1) result.file = arguments.at(1);
    return result;
  }
  if (parser.isSet(help_option)) {
    result.action = CommandLine::Action::kHelp;
    result.text = parser.helpText();
  } else if (parser.isSet(version_option)) {
    result.action = CommandLine::Action::kVersion;
    result.text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                  QCoreApplication::applicationVersion() + QLatin1Char('\n');
  } else if (!parser.positionalArguments().isEmpty()) {
    result.file = parser.positionalArguments().first();
  }
  return result;
}

}  // namespace zel
