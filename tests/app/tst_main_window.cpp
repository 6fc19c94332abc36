// The main window as the user drives it: start-up and shutdown with the settings, the
// document commands with their questions, the edit commands with the one-step undo, the
// graphic skeleton and the generator hand-off.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "editor/editor_box.h"
#include "editor/graphic_skeleton.h"
#include "editor/program_document.h"
#include "tests/support/test_support.h"

using namespace zel;
using namespace zel::test;

namespace {

QSettings Store() { return QSettings(QStringLiteral("ZEL_Editor"), QStringLiteral("ZEL_Editor")); }

void ClearSettings() {
  QSettings store = Store();
  store.clear();
}

QString Setting(const char* key) {
  QSettings store = Store();
  return store.value(QStringLiteral("Settings/") + QString::fromUtf8(key)).toString();
}

// A main window with scripted prompts, dialogs and machine.
struct Fixture {
  RecordingPrompts prompts;
  ScriptedFileDialogs dialogs;
  FakePlatform platform;
  std::unique_ptr<MainWindow> window;

  MainWindow& Open() {
    window = std::make_unique<MainWindow>(MainWindowContext{prompts, dialogs, platform, Cp932()});
    return *window;
  }
  EditorBox& Box() { return window->Editor(); }
  ProgramDocument& Doc() { return window->Document(); }
  QString Text() { return BoxText(Box()); }
  void SetText(const QString& text) { SetBoxText(Box(), text); }
  QAction* Action(const QString& name) { return Child<QAction>(window.get(), name); }
  QString NameBox() { return window->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(); }
};

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Fills a generator dialog with the example of GeneratorTransferThenUndo, as the user does,
// writes it where the dialog has a write button, and transfers.
void FillAndTransfer(QWidget* dialog) {
  const auto field = [dialog](int n) {
    return Child<QLineEdit>(dialog, QStringLiteral("Text%1").arg(n));
  };
  const auto click = [dialog](const char* name) {
    QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
  };
  const QString name = dialog->objectName();
  if (name == "frmChuck") {
    const char* values[] = {"50", "20", "100", "-150"};
    for (int i = 0; i < 4; ++i) {
      field(i + 2)->setFocus();
      QTest::keyClicks(field(i + 2), values[i]);
    }
  } else if (name == "frmTool") {
    field(1)->setText(QStringLiteral("2"));
    auto* kinds = Child<QComboBox>(dialog, "Combo1");
    kinds->setCurrentIndex(23);
    emit kinds->activated(23);
    field(2)->setText(QStringLiteral("1"));
    click("Command1");
  } else if (name == "frmWork") {
    auto* list = Child<QComboBox>(dialog, "Combo1");
    list->setCurrentIndex(0);
    emit list->activated(0);
    const char* values[] = {"0", "80", "50"};
    for (int i = 0; i < 3; ++i) field(i + 2)->setText(values[i]);
    click("Command4");
  } else if (name == "frmWorkFace") {
    field(2)->setFocus();
    QTest::keyClicks(field(2), "100");
    click("Command4");
  }
  click("Command2");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { IsolateSettings(); }
  void init() { ClearSettings(); }

  void FirstStartAndShutdown() {
    Fixture f;
    MainWindow& w = f.Open();
    QCOMPARE(w.windowTitle(), QStringLiteral("ZEL_Editor Ver.1.2"));
    QCOMPARE(w.pos(), QPoint(0, 0));
    QCOMPARE(w.width(), 960);
    QCOMPARE(w.OpenPath(), QStringLiteral("C:\\"));
    QCOMPARE(f.Doc().CurrentFileName(), QString());
    QVERIFY(!f.Doc().Modified());
    QVERIFY(!f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    QVERIFY(!f.Action(QStringLiteral("元に戻す"))->isEnabled());
    QVERIFY(f.Action(QStringLiteral("mnuEditPaste"))->isEnabled());
    const QStringList captions = {QStringLiteral("O番号挿入"),
                                  QStringLiteral("   チャック   心押し"),
                                  QStringLiteral("工具登録"),
                                  QStringLiteral("素材側面"),
                                  QStringLiteral("素材正面"),
                                  QString(),
                                  QString(),
                                  QStringLiteral("終了")};
    for (int i = 0; i < 8; ++i)
      QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(i))->text(),
               captions[i]);
    // The buttons stand in one row under the editor box.
    auto* first = w.findChild<QPushButton*>(QStringLiteral("Command1(0)"));
    auto* last = w.findChild<QPushButton*>(QStringLiteral("Command1(7)"));
    QCOMPARE(first->y(), f.Box().geometry().bottom() + 3);
    w.show();
    QVERIFY(last->geometry().right() < w.centralWidget()->width());
    QVERIFY(w.close());
    QCOMPARE(Setting("MainLeft"), QStringLiteral("0"));
    QCOMPARE(Setting("MainTop"), QStringLiteral("0"));
    QCOMPARE(Setting("OpenPathName"), QStringLiteral("C:\\"));
  }

  // Each command is one action; its toolbar key and strip button follow its enabled state.
  void CommandsLeadTheirKeysAndButtons_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("strip");
    QTest::addColumn<bool>("enabled");
    // clang-format off
    QTest::newRow("new: key")                  << "mnuFileNew"     << "新規"     << -1 << true;
    QTest::newRow("undo: key, off at start")   << "mnuEditUndo"    << "元に戻す" << -1 << false;
    QTest::newRow("paste: key")                << "mnuEditPaste"   << "貼り付け" << -1 << true;
    QTest::newRow("replace: key only")         << "OpenReplace"    << "置換"     << -1 << true;
    QTest::newRow("O number: button 0")        << "ONumber"        << ""         << 0  << true;
    QTest::newRow("chuck: button 1")           << "InputChuck"     << ""         << 1  << true;
    QTest::newRow("front view: button 4")      << "InputWorkF"     << ""         << 4  << true;
    QTest::newRow("exit: button 7")            << "mnuFileExit"    << ""         << 7  << true;
    // clang-format on
  }

  void CommandsLeadTheirKeysAndButtons() {
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(int, strip);
    QFETCH(bool, enabled);
    Fixture f;
    MainWindow& w = f.Open();
    QAction* action = f.Action(command);
    QCOMPARE(action->isEnabled(), enabled);
    for (bool now : {enabled, !enabled, enabled}) {
      action->setEnabled(now);
      if (!key.isEmpty()) QCOMPARE(f.Action(key)->isEnabled(), now);
      if (strip >= 0) {
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(strip))->isEnabled(),
                 now);
      }
    }
  }

  void GeneratorCommandsWithoutDialogStayOff() {
    Fixture f;
    MainWindow& w = f.Open();
    const QStringList names = {QStringLiteral("InputChuck"), QStringLiteral("InputTool"),
                               QStringLiteral("InputWork"), QStringLiteral("InputWorkF")};
    for (int i = 0; i < names.size(); ++i) {
      auto* button = w.findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(i + 1));
      QCOMPARE(button->isEnabled(), f.Action(names[i])->isEnabled());
    }
    // A disabled command does nothing, whichever way it is reached.
    f.SetText(QStringLiteral("G00"));
    for (int i = 2; i <= 4; ++i) {
      if (f.Action(names[i - 1])->isEnabled()) continue;
      w.Command1_Click(i);
      QCOMPARE(f.Text(), QStringLiteral("G00"));
    }
  }

  void StoredPositionAndFolder_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("position");
    // The screen is 1280 × 1024 pixels; the window 960 × 660 pixels, frame included.
    // clang-format off
    QTest::newRow("numbers")                       << "1650"  << "900"   << QPoint(110, 60);
    QTest::newRow("not numbers count as 0")        << "abc"   << ""      << QPoint(0, 0);
    QTest::newRow("nan and inf count as 0")        << "nan"   << "inf"   << QPoint(0, 0);
    QTest::newRow("-inf counts as 0")              << "-inf"  << "1650"  << QPoint(0, 110);
    QTest::newRow("30000 is off the screen")       << "30000" << "0"     << QPoint(320, 0);
    QTest::newRow("1e30 is off every screen")      << "1e30"  << "1e30"  << QPoint(320, 364);
    QTest::newRow("far up and left")               << "-1e30" << "-4500" << QPoint(0, 0);
    QTest::newRow("title bar just above the top")  << "1500"  << "-15"   << QPoint(100, 0);
    QTest::newRow("hanging off the left, 100 px showing") << "-12900" << "300" << QPoint(-860, 20);
    // clang-format on
  }
  void StoredPositionAndFolder() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, position);
    {
      QSettings store = Store();
      store.setValue(QStringLiteral("Settings/MainLeft"), left);
      store.setValue(QStringLiteral("Settings/MainTop"), top);
      store.setValue(QStringLiteral("Settings/OpenPathName"), QStringLiteral("/work/progs/"));
    }
    Fixture f;
    MainWindow& w = f.Open();
    QCOMPARE(w.pos(), position);
    QCOMPARE(w.OpenPath(), QStringLiteral("/work/progs/"));
    f.dialogs.open_answers << QString();
    f.Doc().Open();
    QCOMPARE(f.dialogs.open_folders, QStringList{QStringLiteral("/work/progs/")});
    // What is written back is where the window stood.
    QVERIFY(w.close());
    QCOMPARE(Setting("MainLeft"), QString::number(position.x() * 15));
    QCOMPARE(Setting("MainTop"), QString::number(position.y() * 15));
  }

  void PositionOnScreens_data() {
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("placed");
    const QList<QRect> one = {QRect(0, 0, 1280, 1024)};
    const QList<QRect> two = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    const QList<QRect> small = {QRect(0, 0, 800, 600)};
    // clang-format off
    QTest::newRow("on the screen stays")             << QPoint(110, 60)    << one   << QPoint(110, 60);
    QTest::newRow("right of the screen")             << QPoint(2000, 0)    << one   << QPoint(320, 0);
    QTest::newRow("below the screen")                << QPoint(100, 1100)  << one   << QPoint(100, 364);
    QTest::newRow("bottom half off stays")           << QPoint(100, 900)   << one   << QPoint(100, 900);
    QTest::newRow("title bar below the bottom edge") << QPoint(100, 1000)  << one   << QPoint(100, 364);
    QTest::newRow("100 px of title bar showing")     << QPoint(-860, 100)  << one   << QPoint(-860, 100);
    QTest::newRow("99 px of title bar showing")      << QPoint(-861, 100)  << one   << QPoint(0, 100);
    QTest::newRow("on the second screen stays")      << QPoint(1500, 100)  << two   << QPoint(1500, 100);
    QTest::newRow("below the taller second screen")  << QPoint(1400, 1100) << two   << QPoint(1400, 420);
    QTest::newRow("far right goes to the second")    << QPoint(9000, 50)   << two   << QPoint(2240, 50);
    QTest::newRow("window taller than the screen")   << QPoint(0, 700)     << small << QPoint(0, 0);
    QTest::newRow("no screens known")                << QPoint(5000, 5000) << QList<QRect>() << QPoint(5000, 5000);
    // clang-format on
  }
  void PositionOnScreens() {
    QFETCH(QPoint, stored);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, placed);
    QCOMPARE(zel::PositionOnScreens(QRect(stored, QSize(960, 660)), 30, screens), placed);
  }

  void StoredPositionPixelsStayInRange() {
    QCOMPARE(StoredPositionPixels(1650), 110);
    QCOMPARE(StoredPositionPixels(1e30), 666667);
    QCOMPARE(StoredPositionPixels(-1e30), -666667);
  }

  void OuterSizeCountsTheFrame() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.frameGeometry().size(), QSize(960, 660));
    // Every control stands inside the client area.
    for (QWidget* child : w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(w.centralWidget()->rect().contains(child->geometry()),
               qPrintable(child->objectName()));
  }

  void SyntaxColourSetting_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("colour");
    // clang-format off
    QTest::newRow("absent: colouring on") << QVariant()                    << true;
    QTest::newRow("0: colouring off")     << QVariant(QStringLiteral("0")) << false;
    QTest::newRow("1: colouring on")      << QVariant(QStringLiteral("1")) << true;
    // clang-format on
  }
  void SyntaxColourSetting() {
    QFETCH(QVariant, stored);
    QFETCH(bool, colour);
    if (stored.isValid()) {
      QSettings store = Store();
      store.setValue(QStringLiteral("Settings/SyntaxColour"), stored);
    }
    Fixture f;
    f.Open();
    QCOMPARE(f.Box().SyntaxColour(), colour);
    // The program only reads it.
    f.window->close();
    QCOMPARE(Store().contains(QStringLiteral("Settings/SyntaxColour")), stored.isValid());
  }

  void StartOnTheControl() {
    {
      QSettings store = Store();
      store.setValue(QStringLiteral("Settings/OpenPathName"), QStringLiteral("C:\\TEMP\\"));
    }
    Fixture f;
    f.platform.control = true;
    f.platform.screen_height = 768;
    MainWindow& w = f.Open();
    // Bottom edge: screen height − 9900 twips + 30 twips, in pixels.
    QCOMPARE(w.pos(), QPoint(0, qRound((768 * 15 - 9900 + 30) / 15.0)));
    QCOMPARE(w.OpenPath(), QStringLiteral("D:\\MD1\\"));
    w.show();
    // The frame's lower edge stands 30 twips (2 pixels) below the screen's.
    QCOMPARE(w.frameGeometry().bottom() + 1, 768 + 2);
    w.close();
    QCOMPARE(Setting("OpenPathName"), QStringLiteral("D:\\MD1\\"));
  }

  void MinimisedExitKeepsPosition() {
    {
      QSettings store = Store();
      store.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("1650"));
      store.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("750"));
    }
    Fixture f;
    MainWindow& w = f.Open();
    w.showMinimized();
    w.move(300, 300);
    w.close();
    QCOMPARE(Setting("MainLeft"), QStringLiteral("1650"));
    QCOMPARE(Setting("MainTop"), QStringLiteral("750"));
    QCOMPARE(Setting("OpenPathName"), QStringLiteral("C:\\"));
  }

  void DiscardQuestions_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("default_yes");
    QTest::newRow("new") << "new"
                         << "データが変更されていますが新規にしますか ?"
                         << "ZEL_Editor" << false;
    QTest::newRow("open") << "open"
                          << "データが変更されていますが開きますか ?"
                          << "ZEL Editor" << true;
    QTest::newRow("exit command") << "exit"
                                  << "データが変更されていますが終了しますか ?"
                                  << "ZEL_Editor" << false;
    QTest::newRow("close box") << "close"
                               << "データが変更されていますが終了しますか ?"
                               << "ZEL_Editor" << false;
  }
  void DiscardQuestions() {
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(bool, default_yes);
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    f.Doc().SaveAs();  // cancelled: no name
    f.Box().SetCaret(0);
    f.Box().ReplaceSelection(QStringLiteral("G00"));
    QVERIFY(f.Doc().Modified());
    f.prompts.Script({PromptAnswer::kNo});
    if (command == QStringLiteral("new")) f.Doc().New();
    if (command == QStringLiteral("open")) f.Doc().Open();
    if (command == QStringLiteral("exit")) w.mnuFileExit_Click();
    if (command == QStringLiteral("close")) QVERIFY(!w.close());
    QCOMPARE(f.prompts.requests.size(), 1);
    const PromptRequest& asked = f.prompts.requests.first();
    QCOMPARE(asked.text, text);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.icon, PromptIcon::kWarning);
    QCOMPARE(asked.buttons, PromptButtons::kYesNo);
    QCOMPARE(asked.default_button, default_yes ? PromptAnswer::kYes : PromptAnswer::kNo);
    // No changes nothing: the program runs on with its text.
    QVERIFY(w.isVisible());
    QCOMPARE(f.Text(), QStringLiteral("G00"));
    QVERIFY(f.Doc().Modified());
    QVERIFY(f.dialogs.open_folders.isEmpty());
  }

  void NoQuestionWithoutChanges() {
    Fixture f;
    f.Open();
    f.Doc().New();
    f.dialogs.open_answers << QString();
    f.Doc().Open();
    QVERIFY(f.prompts.requests.isEmpty());
    QVERIFY(f.window->close());
    QVERIFY(f.prompts.requests.isEmpty());
  }

  void NewEmptiesDocument() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(path, "G00\r\n");
    Fixture f;
    f.Open();
    QVERIFY(f.Doc().OpenNamedFile(path, false));
    f.Box().ReplaceSelection(QStringLiteral("X"));
    f.prompts.Script({PromptAnswer::kYes});
    f.Doc().New();
    QCOMPARE(f.Text(), QString());
    QCOMPARE(f.Doc().CurrentFileName(), QString());
    QCOMPARE(f.NameBox(), QString());
    QVERIFY(!f.Doc().Modified());
  }

  void OpenKeepsFileExactly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prog.MIN"));
    // Mixed line ends, no final line end, a second byte form and a byte that is no
    // character.
    const QByteArray bytes("(\x8a\x4f\x8c\x61)\r\nG00\nX1\rZ\xed\x40\x80\r\nM02", 24);
    WriteBytes(path, bytes);
    Fixture f;
    f.Open();
    f.Box().ReplaceSelection(QStringLiteral("typed"));
    f.prompts.Script({PromptAnswer::kYes});
    f.dialogs.open_answers << path;
    f.Doc().Open();
    QCOMPARE(f.Text(),
             QStringLiteral("(外径)\r\nG00\nX1\rZ纊") + QChar(0xF780) + QStringLiteral("\r\nM02"));
    QCOMPARE(f.Doc().CurrentFileName(), path);  // case kept on a case-sensitive system
    QCOMPARE(f.NameBox(), path);
    QVERIFY(!f.Doc().Modified());
    QVERIFY(!f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    QCOMPARE(QString::fromUtf8(f.Doc().Undo().text.utf8), f.Text());
    // Edit the second line only, save: everything else comes back byte for byte.
    f.Box().Select(6, 3);
    f.Box().ReplaceSelection(QStringLiteral("G01"));
    f.Doc().Save();
    QVERIFY(!f.Doc().Modified());
    QByteArray expected = bytes;
    expected.replace(8, 3, "G01");
    QCOMPARE(ReadBytes(path), expected);
  }

  void FailedReadKeepsDocument() {
    QTemporaryDir dir;
    Fixture f;
    f.Open();
    const QString kept = dir.filePath(QStringLiteral("KEPT.MIN"));
    WriteBytes(kept, "G00\r\n");
    QVERIFY(f.Doc().OpenNamedFile(kept, false));
    f.Box().ReplaceSelection(QStringLiteral("N1 "));
    f.prompts.Script({PromptAnswer::kYes});
    f.dialogs.open_answers << dir.path();  // a folder cannot be read
    f.Doc().Open();
    QCOMPARE(f.prompts.requests.last().text, dir.path() + QStringLiteral(" ファイルが開けません."));
    QCOMPARE(f.prompts.requests.last().title, QStringLiteral("ZEL_Editor"));
    QCOMPARE(f.prompts.requests.last().icon, PromptIcon::kNone);
    QCOMPARE(f.Text(), QStringLiteral("N1 G00\r\n"));
    QCOMPARE(f.Doc().CurrentFileName(), kept);
    QCOMPARE(f.NameBox(), kept);
    QVERIFY(f.Doc().Modified());
    QVERIFY(f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
  }

  void OpenCancelledLosesOnlyTheName() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(path, "G00");
    Fixture f;
    f.Open();
    QVERIFY(f.Doc().OpenNamedFile(path, false));
    f.Box().ReplaceSelection(QStringLiteral("X"));
    f.prompts.Script({PromptAnswer::kYes});
    f.dialogs.open_answers << QString();
    f.Doc().Open();
    QCOMPARE(f.Text(), QStringLiteral("XG00"));
    QVERIFY(f.Doc().Modified());
    QCOMPARE(f.Doc().CurrentFileName(), QString());
    QCOMPARE(f.NameBox(), path);
  }

  void DroppedFileOpensAfterTheOpenQuestion() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DROP.MIN"));
    WriteBytes(path, "N1 G00\r\n");
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    f.SetText(QStringLiteral("typed"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    for (PromptAnswer answer : {PromptAnswer::kNo, PromptAnswer::kYes}) {
      f.prompts.Script({answer});
      QDragEnterEvent enter(QPoint(50, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(f.Box().viewport(), &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent drop(QPointF(50, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(f.Box().viewport(), &drop);
    }
    QCOMPARE(f.prompts.requests.size(), 2);
    QCOMPARE(f.prompts.requests.first().text,
             QStringLiteral("データが変更されていますが開きますか ?"));
    QCOMPARE(f.Text(), QStringLiteral("N1 G00\r\n"));
    QCOMPARE(f.Doc().CurrentFileName(), path);
    QVERIFY(!f.Doc().Modified());
  }

  void SaveAndSaveAsNames() {
    QTemporaryDir dir;
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("G00\r\n"));
    // Save without a name runs Save As; a cancelled dialog changes nothing.
    f.Doc().Save();
    QCOMPARE(f.dialogs.save_folders.size(), 1);
    QVERIFY(f.Doc().Modified());
    QCOMPARE(f.NameBox(), QString());
    f.dialogs.save_answers << dir.filePath(QStringLiteral("prog"));
    f.Doc().Save();
    const QString saved = dir.filePath(QStringLiteral("PROG.MIN"));
    QCOMPARE(f.Doc().CurrentFileName(), saved);
    QCOMPARE(f.NameBox(), saved);
    QVERIFY(!f.Doc().Modified());
    QCOMPARE(ReadBytes(saved), QByteArray("G00\r\n"));  // no line end added
    // Save As cancelled on a named document: the next Save asks for a name again.
    f.Doc().SaveAs();
    QCOMPARE(f.Doc().CurrentFileName(), QString());
    QCOMPARE(f.NameBox(), saved);
    f.Doc().Save();
    QCOMPARE(f.dialogs.save_folders.size(), 4);
  }

  void UnrepresentableCharacterRefusesSave() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(path, "old\r\n");
    Fixture f;
    f.Open();
    QVERIFY(f.Doc().OpenNamedFile(path, false));
    f.Box().SetCaret(5);
    f.Box().ReplaceSelection(QStringLiteral("G00\r\n(😀)"));
    f.Doc().Save();
    QCOMPARE(ReadBytes(path), QByteArray("old\r\n"));
    QVERIFY(f.Doc().Modified());
    const QString message = f.prompts.requests.last().text;
    QVERIFY2(message.startsWith(QStringLiteral("保存が出来ません。\n3 行目")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("😀")));
  }

  void SaveAsKeepsAnExistingNameAsPicked() {
#ifdef Q_OS_WIN
    QSKIP("a.min and A.MIN are two files only where file names keep their case");
#endif
    QTemporaryDir dir;
    const QString lower = dir.filePath(QStringLiteral("a.min"));
    const QString upper = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(lower, "lower\r\n");
    WriteBytes(upper, "upper\r\n");
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("G00\r\n"));
    f.dialogs.save_answers << lower;
    f.Doc().SaveAs();
    QCOMPARE(f.Doc().CurrentFileName(), lower);
    QCOMPARE(f.NameBox(), lower);
    QCOMPARE(ReadBytes(lower), QByteArray("G00\r\n"));
    QCOMPARE(ReadBytes(upper), QByteArray("upper\r\n"));
  }

  void PastedPrivateUseCharactersAreRefused_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("detail");
    // clang-format off
    QTest::newRow("stand-ins for a line break") << QStringLiteral("G01 \uF70D\uF70AX1.")
                                                << QStringLiteral("2 行目の文字「\uF70D」(U+F70D)");
    QTest::newRow("lone lead byte before A")    << QStringLiteral("(\uF781A)")
                                                << QStringLiteral("2 行目の 1 バイト 81 は次の文字とつながって");
    // clang-format on
  }
  void PastedPrivateUseCharactersAreRefused() {
    QFETCH(QString, pasted);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(path, "N1\r\n");
    Fixture f;
    f.Open();
    QVERIFY(f.Doc().OpenNamedFile(path, false));
    f.Box().SetCaret(4);
    QGuiApplication::clipboard()->setText(pasted);
    f.Doc().Paste();
    f.Doc().Save();
    QCOMPARE(ReadBytes(path), QByteArray("N1\r\n"));
    QVERIFY(f.Doc().Modified());
    const QString message = f.prompts.requests.last().text;
    QVERIFY2(message.startsWith(QStringLiteral("保存が出来ません。\n") + detail),
             qPrintable(message));
  }

  void FailedWriteKeepsModified() {
    QTemporaryDir dir;
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("G00"));
    f.dialogs.save_answers << dir.filePath(QStringLiteral("no/such/folder/x"));
    f.Doc().SaveAs();
    QCOMPARE(f.prompts.requests.last().text, QStringLiteral("保存が出来ません。"));
    QVERIFY(f.Doc().Modified());
    QCOMPARE(f.NameBox(), dir.filePath(QStringLiteral("no/such/folder/X.MIN")));
  }

  void UndoAfterTyping() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    f.Box().setFocus();
    QTest::keyClicks(&f.Box(), "G01");
    QCOMPARE(f.Text(), QStringLiteral("G01"));
    QVERIFY(f.Doc().Modified());
    QVERIFY(f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    QVERIFY(f.Action(QStringLiteral("元に戻す"))->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
    f.Action(QStringLiteral("mnuEditUndo"))->trigger();
    QCOMPARE(f.Text(), QString());
    QCOMPARE(f.Box().SelectionStart(), qint64(0));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QVERIFY(!f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    QVERIFY(!f.Action(QStringLiteral("元に戻す"))->isEnabled());
    // After a change Undo brings the same snapshot back once more.
    QTest::keyClicks(&f.Box(), "X");
    f.Action(QStringLiteral("元に戻す"))->trigger();
    QCOMPARE(f.Text(), QString());
  }

  void UndoAfterOpenUsesStoredCaret() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    WriteBytes(path, "N1\r\nN2");
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("a long text before the skeleton"));
    f.Box().SetCaret(20);
    w_ONumber(f);  // stores caret 20
    f.prompts.Script({PromptAnswer::kYes});
    QVERIFY(f.Doc().OpenNamedFile(path, true));
    f.Box().SetCaret(6);
    f.Box().ReplaceSelection(QStringLiteral("X"));
    f.Doc().UndoCommand();
    QCOMPARE(f.Text(), QStringLiteral("N1\r\nN2"));
    QCOMPARE(f.Box().SelectionStart(), qint64(6));  // 20 lies beyond the end
  }

  void CutCopyPaste() {
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("G00 X1"));
    // Cut with nothing selected.
    f.Box().SetCaret(3);
    f.Doc().Cut();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(f.Text(), QStringLiteral("G00 X1"));
    QVERIFY(f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    QCOMPARE(QString::fromUtf8(f.Doc().Undo().text.utf8), QStringLiteral("G00 X1"));
    // Cut a selection, paste it elsewhere, undo the paste.
    f.Box().Select(0, 4);
    f.Doc().Cut();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("G00 "));
    QCOMPARE(f.Text(), QStringLiteral("X1"));
    f.Box().SetCaret(2);
    f.Doc().Paste();
    QCOMPARE(f.Text(), QStringLiteral("X1G00 "));
    QCOMPARE(f.Box().SelectionStart(), qint64(6));
    f.Doc().UndoCommand();
    QCOMPARE(f.Text(), QStringLiteral("X1"));
    // Undo emptied the clipboard: Paste now only deletes the selection, and Undo brings
    // it back.
    f.Box().Select(0, 1);
    f.Doc().Paste();
    QCOMPARE(f.Text(), QStringLiteral("1"));
    f.Doc().UndoCommand();
    QCOMPARE(f.Text(), QStringLiteral("X1"));
    // Pasted lines get the control's line ends.
    QGuiApplication::clipboard()->setText(QStringLiteral("A\nB\rC\r\n"));
    f.Box().SetCaret(0);
    f.Doc().Paste();
    QCOMPARE(f.Text(), QStringLiteral("A\r\nB\r\nC\r\nX1"));
  }

  void AllCopyOfLongText() {
    Fixture f;
    f.Open();
    QString text;
    for (int i = 0; i < 5000; ++i) text += QStringLiteral("N%1 G01 X1.5 (加工)\r\n").arg(i);
    QVERIFY(text.size() > 32767);
    f.SetText(text);
    f.Box().SetCaret(10);
    f.Action(QStringLiteral("mnuEditAllCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QCOMPARE(f.Box().SelectionStart(), qint64(0));
    QCOMPARE(f.Box().SelectionLength(), qint64(text.size()));
  }

  void KeysReachTheProgramsCommands() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.SetText(QStringLiteral("G00 X1"));
    f.Box().setFocus();
    QTest::keyClick(&f.Box(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("G00 X1"));
    QTest::keyClick(&f.Box(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.Text(), QString());
    QCOMPARE(QString::fromUtf8(f.Doc().Undo().text.utf8), QStringLiteral("G00 X1"));
    QTest::keyClick(&f.Box(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&f.Box(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Text(), QStringLiteral("G00 X1G00 X1"));
    // Scintilla's own undo is not reachable.
    QTest::keyClick(&f.Box(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.Text(), QStringLiteral("G00 X1G00 X1"));
    // Alt+F opens the File menu instead of typing an "f".
    auto* file = w.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QTest::keyClick(&f.Box(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    file->close();
    QCOMPARE(f.Text(), QStringLiteral("G00 X1G00 X1"));
  }

  void ContextMenuIsTheEditMenu() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* edit = w.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            f.Box().viewport()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(f.Box().viewport(), &event);
    QTRY_VERIFY(edit->isVisible());
    edit->close();
  }

  void Skeleton_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty program") << "" << qint64(0) << qint64(0) << kGraphicSkeleton;
    QTest::newRow("over a selection")
        << "N1\r\nXXXX\r\nN2" << qint64(4) << qint64(4) << "N1\r\n" + kGraphicSkeleton + "\r\nN2";
    QTest::newRow("middle of a line")
        << "G00 X1" << qint64(4) << qint64(0) << "G00 " + kGraphicSkeleton + "X1";
  }
  void Skeleton() {
    QFETCH(QString, text);
    QFETCH(qint64, start);
    QFETCH(qint64, length);
    QFETCH(QString, result);
    QCOMPARE(kGraphicSkeleton.size(), 87);
    Fixture f;
    MainWindow& w = f.Open();
    f.SetText(text);
    f.Box().Select(start, length);
    w.Command1_Click(0);
    QCOMPARE(f.Text(), result);
    QCOMPARE(f.Box().SelectionStart(), start + 52);
    QCOMPARE(f.Box().SelectionLength(), qint64(0));
    QVERIFY(f.Doc().Modified());
    f.Action(QStringLiteral("mnuEditUndo"))->trigger();
    QCOMPARE(f.Text(), text);
    QCOMPARE(f.Box().SelectionStart(), start);
  }

  void GeneratorHandOff() {
    Fixture f;
    MainWindow& w = f.Open();
    f.SetText(QStringLiteral("OZEL\r\n\r\nN000 DRAW\r\n"));
    f.Box().SetCaret(6);
    auto transfer = [](const QString& block) {
      return
          [block](const GeneratorContext& context, QWidget*) { context.sink.InsertBlock(block); };
    };
    w.RunGenerator(transfer(QStringLiteral("NOEX A=1\r\n")));
    w.RunGenerator(transfer(QStringLiteral("NOEX B=2\r\n")));
    QCOMPARE(f.Text(), QStringLiteral("OZEL\r\nNOEX A=1\r\nNOEX B=2\r\n\r\nN000 DRAW\r\n"));
    QCOMPARE(f.Box().SelectionStart(), qint64(26));
    QVERIFY(f.Action(QStringLiteral("mnuEditUndo"))->isEnabled());
    // Undo goes back to just before the second dialog.
    f.Doc().UndoCommand();
    QCOMPARE(f.Text(), QStringLiteral("OZEL\r\nNOEX A=1\r\n\r\nN000 DRAW\r\n"));
    QCOMPARE(f.Box().SelectionStart(), qint64(16));
    // A cancelled dialog changes neither text nor flag, but takes the snapshot anew.
    f.Doc().Save();  // cancelled save dialog
    f.SetText(QStringLiteral("X"));
    const bool modified = f.Doc().Modified();
    w.RunGenerator([](const GeneratorContext&, QWidget*) {});
    QCOMPARE(f.Text(), QStringLiteral("X"));
    QCOMPARE(f.Doc().Modified(), modified);
    QCOMPARE(QString::fromUtf8(f.Doc().Undo().text.utf8), QStringLiteral("X"));
    QCOMPARE(f.Box().hasFocus() || !w.isVisible(), true);
  }

  // Each generator dialog, opened from its strip button or its menu command, fills in one
  // example and transfers it: the block lands at the caret as one undo step.
  void GeneratorTransferThenUndo_data() {
    QTest::addColumn<QString>("command");  // the menu command
    QTest::addColumn<int>("strip");        // its strip button, Command1(n)
    QTest::addColumn<bool>("by_button");   // opened by the button, else by the command
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("block");
    // clang-format off
    QTest::newRow("チャック/心押し, button 1") << "InputChuck" << 1 << true  << "frmChuck"    << "チャック/心押し" << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999"});
    QTest::newRow("工具登録, menu command")    << "InputTool"  << 2 << false << "frmTool"     << "工具登録"        << Lines({"NOEX VTLIN[2]=24 VTLFN[2]=1"});
    QTest::newRow("素材側面, button 3")        << "InputWork"  << 3 << true  << "frmWork"     << "素材側面"        << Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END"});
    QTest::newRow("素材正面, button 4")        << "InputWorkF" << 4 << true  << "frmWorkFace" << "素材正面"        << Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 END"});
    // clang-format on
  }

  void GeneratorTransferThenUndo() {
    QFETCH(QString, command);
    QFETCH(int, strip);
    QFETCH(bool, by_button);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, block);
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    const QString before = QStringLiteral("OZEL\r\n\r\nN000 DRAW\r\n");
    f.SetText(before);
    f.Box().SetCaret(6);
    auto* button = w.findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(strip));
    QVERIFY(f.Action(command)->isEnabled());
    QVERIFY(button->isEnabled());
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
      QWidget* shown = QApplication::activeModalWidget();
      QVERIFY(shown);
      seen = shown->objectName() + " " + shown->windowTitle();
      FillAndTransfer(shown);
    });
    if (by_button) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else {
      f.Action(command)->trigger();
    }
    QCOMPARE(seen, dialog + " " + title);
    QCOMPARE(f.Text(), QStringLiteral("OZEL\r\n") + block + QStringLiteral("\r\nN000 DRAW\r\n"));
    QCOMPARE(f.Box().SelectionStart(), qint64(6 + block.size()));
    QVERIFY(f.Doc().Modified());
    f.Action(QStringLiteral("元に戻す"))->trigger();
    QCOMPARE(f.Text(), before);
    QCOMPARE(f.Box().SelectionStart(), qint64(6));
  }

  // "ブロック編集" below the generator commands opens the chuck block at the caret; its
  // transfer replaces the block and one Undo brings it back.
  void EditBlockThenUndo() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    QStringList entries;
    for (QAction* entry : w.findChild<QMenu*>(QStringLiteral("mnuInput"))->actions())
      entries << entry->objectName();
    QCOMPARE(entries, (QStringList{"ONumber", "InputChuck", "InputTool", "InputWork", "InputWorkF",
                                   "EditBlock"}));
    QAction* edit = f.Action(QStringLiteral("EditBlock"));
    QCOMPARE(edit->text() + " " + edit->shortcut().toString(), "ブロック編集(&E) Ctrl+E");
    const QString before = Lines({"OZEL", "NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150",
                                  "NOEX VWKR=9999", "N000 DRAW"});
    f.SetText(before);
    f.Box().SetCaret(8);
    QTimer::singleShot(0, this, [] {
      QWidget* shown = QApplication::activeModalWidget();
      QVERIFY(shown && shown->objectName() == QStringLiteral("frmChuck"));
      Child<QLineEdit>(shown, QStringLiteral("Text2"))->setText(QStringLiteral("55"));
      QTest::mouseClick(Child<QPushButton>(shown, "Command2"), Qt::LeftButton);
    });
    edit->trigger();
    QCOMPARE(f.Text(), QString(before).replace("VCHKD=50", "VCHKD=55"));
    f.Action(QStringLiteral("元に戻す"))->trigger();
    QCOMPARE(f.Text(), before);
    QCOMPARE(f.Box().SelectionStart(), qint64(8));
  }

  void FindCommandsAreWired() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    f.SetText(QStringLiteral("G01 X1\r\nG01 X2"));
    f.Box().Select(0, 3);
    f.Action(QStringLiteral("mnuEditFind"))->trigger();
    auto* find = w.findChild<QWidget*>(QStringLiteral("frmFind"));
    QVERIFY(find && find->isVisible());
    QCOMPARE(find->findChild<QLineEdit*>(QStringLiteral("txtFind"))->text(), QStringLiteral("G01"));
    find->close();
    // F3 goes on from just after the selection start.
    f.Action(QStringLiteral("mnuEditNextFind"))->trigger();
    QCOMPARE(f.Box().SelectionStart(), qint64(8));
    QCOMPARE(f.Box().SelectedText(), QStringLiteral("G01"));
    QVERIFY(f.Action(QStringLiteral("検索"))->isEnabled());
    QVERIFY(f.Action(QStringLiteral("置換"))->isEnabled());
  }

  void EmptyButtonsOnlyReturnFocus() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.SetText(QStringLiteral("G00"));
    for (int i : {5, 6}) {
      auto* button = w.findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(i));
      button->setFocus();
      QTest::mouseClick(button, Qt::LeftButton);
      QCOMPARE(f.Text(), QStringLiteral("G00"));
      QVERIFY(f.Box().hasFocus());
    }
  }

  void PreviewCommandOpensTheModelessPreview() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // "表示(&V)" stands between "登録(&I)" and "ヘルプ(&H)".
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus,
             (QStringList{"ファイル(&F)", "編集(&E)", "登録(&I)", "表示(&V)", "ヘルプ(&H)"}));
    QAction* preview = f.Action(QStringLiteral("mnuViewPreview"));
    QCOMPARE(preview->text(), QStringLiteral("図形プレビュー(&P)"));
    QCOMPARE(preview->shortcut(), QKeySequence(Qt::Key_F5));
    f.SetText(QStringLiteral("N1 CALL OZEL\r\n") + kGraphicSkeleton);
    f.Box().setFocus();
    QTest::keyClick(&f.Box(), Qt::Key_F5);
    auto* window = w.findChild<QWidget*>(QStringLiteral("frmPreview"));
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    // The main window still takes input while the preview is open.
    QVERIFY(w.isEnabled());
    window->close();
  }

  void NameBoxLeavesMenuKeysToTheMenu() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.SetText(QStringLiteral("G00 X1"));
    auto* name_box = w.findChild<QLineEdit*>(QStringLiteral("Text2"));
    QTest::mouseClick(name_box, Qt::LeftButton);
    QVERIFY(name_box->hasFocus());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(name_box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("G00 X1"));
    QCOMPARE(f.Box().SelectionLength(), qint64(6));
  }

  void NameBoxHasTheMenuColour() {
    const QPalette saved = QApplication::palette("QMenu");
    QPalette menu = saved;
    menu.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(menu, "QMenu");
    Fixture f;
    MainWindow& w = f.Open();
    QApplication::setPalette(saved, "QMenu");
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("Text2"))->palette().color(QPalette::Base),
             QColor(0x12, 0x34, 0x56));
  }

  void ExitButtonAnsweredNoReturnsFocus() {
    Fixture f;
    MainWindow& w = f.Open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.SetText(QStringLiteral("G00"));
    f.prompts.Script({PromptAnswer::kNo});
    auto* exit = w.findChild<QPushButton*>(QStringLiteral("Command1(7)"));
    exit->setFocus();
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(f.prompts.requests.size(), 1);
    QVERIFY(w.isVisible());
    QVERIFY(f.Box().hasFocus());
  }

  void OpenOfAFifoChangesNothing() {
#ifdef Q_OS_WIN
    QSKIP("FIFOs are POSIX's");
#else
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("PIPE.MIN"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    Fixture f;
    f.Open();
    f.SetText(QStringLiteral("G00"));
    f.prompts.Script({PromptAnswer::kYes});
    f.dialogs.open_answers << fifo;
    f.Doc().Open();
    QCOMPARE(f.prompts.requests.last().text, fifo + QStringLiteral(" ファイルが開けません."));
    QCOMPARE(f.Text(), QStringLiteral("G00"));
    QVERIFY(f.Doc().Modified());
#endif
  }

  void WindowsPathsShowBackslashes() {
    Fixture f;
    f.platform.backslash_paths = true;
    f.platform.case_insensitive = true;
    f.Open();
    f.dialogs.open_answers << QStringLiteral("D:/md1/prog.min");
    f.Doc().Open();
    QCOMPARE(f.prompts.requests.last().text,
             QStringLiteral("D:\\MD1\\PROG.MIN ファイルが開けません."));
  }

  void VersionWindow() {
    AboutDialog about;
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 ZEL_Editor"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
             QStringLiteral("ZEL_Editor"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Ver. 1.2.0"));
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }

 private:
  static void w_ONumber(Fixture& f) { f.window->ONumber_Click(); }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
