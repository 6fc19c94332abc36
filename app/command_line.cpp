#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <utility>

namespace zel {

namespace {

struct Options {
  QCommandLineOption help;
  QCommandLineOption version;
};

// The window system's own options, which the toolkit takes out of the arguments once the
// window system is up: known here, so that the check made before it (without a display)
// does not refuse them. Shown by "--help-all" only.
// clang-format off
constexpr std::array<std::pair<const char*, bool>, 17> kToolkitOptions = {{
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},    {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"qmljsdebugger", true},   {"session", true},
    {"display", true},   {"geometry", true},           {"style", true},
    {"stylesheet", true}, {"reverse", false},          {"widgetcount", false},
    {"nograb", false},   {"dograb", false},
}};
// clang-format on

Options SetUp(QCommandLineParser& parser, bool show_toolkit_options) {
  parser.setApplicationDescription(
      QStringLiteral("ZEL_Editor: editor for the main programs (.MIN) of a CNC lathe control"));
  // "-platform offscreen" as the toolkit writes its options; "-v" and "-h" stay as they are.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  Options options{parser.addHelpOption(), parser.addVersionOption()};
  for (const auto& [name, takes_value] : kToolkitOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takes_value) option.setValueName(QStringLiteral("value"));
    option.setDescription(QStringLiteral("Window system option, see the toolkit's documentation."));
    if (!show_toolkit_options) option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("The program file (.MIN) to open."),
                               QStringLiteral("[file]"));
  return options;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  const Options options = SetUp(parser, false);
  CommandLine result;
  if (!parser.parse(arguments)) {
    result.action = CommandLine::Action::kError;
    result.text = parser.errorText().simplified();
    return result;
  }
  if (parser.isSet(options.help)) {
    result.action = CommandLine::Action::kHelp;
    result.text = parser.helpText();
  } else if (parser.isSet(QStringLiteral("help-all"))) {
    result.action = CommandLine::Action::kHelpAll;
    QCommandLineParser all;
    SetUp(all, true);
    result.text = all.helpText();
  } else if (parser.isSet(options.version)) {
    result.action = CommandLine::Action::kVersion;
    result.text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                  QCoreApplication::applicationVersion() + QLatin1Char('\n');
  } else if (!parser.positionalArguments().isEmpty()) {
    result.file = parser.positionalArguments().first();
  }
  return result;
}

}  // namespace zel
