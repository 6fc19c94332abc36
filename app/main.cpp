#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"
#include "editor/file_names.h"
#include "editor/text_codec.h"
#include "platform/app_title.h"
#include "platform/file_dialogs.h"
#include "platform/machine.h"
#include "platform/prompts.h"

namespace {

void NameApplication() {
  QCoreApplication::setApplicationName(zel::kAppTitle);
  QCoreApplication::setOrganizationName(zel::kAppTitle);
  QCoreApplication::setApplicationVersion(QStringLiteral(ZEL_VERSION_TEXT));
}

}  // namespace

int main(int argc, char** argv) {
  // Every option answers without a display, so they work in a terminal with no desktop and
  // in a package check; an option the program does not know is refused before any window.
  {
    QCoreApplication probe(argc, argv);
    NameApplication();
    const zel::CommandLine asked = zel::ParseCommandLine(QCoreApplication::arguments());
    switch (asked.action) {
      case zel::CommandLine::Action::kRun:
        break;
      case zel::CommandLine::Action::kError:
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     asked.text.toLocal8Bit().constData());
        return zel::kCommandLineErrorStatus;
      case zel::CommandLine::Action::kVersion:
      case zel::CommandLine::Action::kHelp:
      case zel::CommandLine::Action::kHelpAll:
        std::fputs(asked.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
  }

  QApplication app(argc, argv);
  NameApplication();
  // The window system's own options (-platform, -style, ...) are gone from argv now. On Linux
  // the file's name is taken from its own bytes: arguments() would turn a name that is not
  // UTF-8 (a Shift-JIS name from a Windows PC's archive) into replacement characters.
#ifdef Q_OS_UNIX
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << zel::FileNameFromBytes(argv[i]);
#else
  const QStringList arguments = QApplication::arguments();
#endif
  const zel::CommandLine command_line = zel::ParseCommandLine(arguments);

  // The program speaks Japanese: Qt's own buttons and dialogs too, where the translation
  // is installed.
  QTranslator qt_japanese;
  if (qt_japanese.load(QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qt_japanese);

  zel::QtPrompts prompts;
  zel::QtFileDialogs dialogs;
  zel::RealPlatform platform;
  zel::MainWindow window(zel::MainWindowContext{prompts, dialogs, platform, zel::Cp932()});
  window.show();
  if (!command_line.file.isEmpty()) window.OpenAtStart(command_line.file);
  return QApplication::exec();
}
