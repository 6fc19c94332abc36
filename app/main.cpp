#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/file_dialogs.h"
#include "app/main_window.h"
#include "platform/machine.h"
#include "platform/prompts.h"
#include "editor/text_codec.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZEL_Editor"));
  QApplication::setOrganizationName(QStringLiteral("ZEL_Editor"));
  QApplication::setApplicationVersion(QStringLiteral(ZEL_VERSION_TEXT));

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
  const QStringList arguments = QApplication::arguments();
  window.show();
  if (arguments.size() > 1) window.OpenAtStart(arguments.at(1));
  return QApplication::exec();
}
