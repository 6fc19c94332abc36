#pragma once

#include <QHash>
#include <QMainWindow>

#include <array>
#include <functional>

#include "app/settings.h"
#include "generators/common/generator_context.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;

namespace zel {

class BlockSink;
class EditorBox;
class PreviewWindow;
class FileDialogs;
class Platform;
class ProgramDocument;
class Prompts;
class SearchCommands;
class TextCodec;

// What the main window is given: the message boxes, the file dialogs, the machine and the
// code page of the program files.
struct MainWindowContext {
  Prompts& prompts;
  FileDialogs& dialogs;
  const Platform& platform;
  const TextCodec& codec;
};

// frmMain: the program's one top-level window. It lays out the editor box, the name box,
// the toolbar and the button strip. Every command is one QAction, made from the window's
// command table (and the generator table); the menus show these actions, and the toolbar
// keys and strip buttons trigger them and follow their enabled state.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const MainWindowContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  EditorBox& Editor() { return *text1_; }
  ProgramDocument& Document() { return *document_; }
  SearchCommands& Search() { return *search_; }
  const QString& OpenPath() const { return settings_.open_path; }

  // Opens the file named on the command line, as Open does after its dialog.
  void OpenAtStart(const QString& path);

  // Command handlers.
  void Command1_Click(int index);
  void tbToolBar_ButtonClick(const QString& key);
  void mnuFileExit_Click();
  void mnuViewPreview_Click();
  void mnuHelpAbout_Click();
  void ONumber_Click();
  // "ブロック編集": opens the block at the caret in the dialog that wrote it.
  void EditBlock_Click();

  // Shows a generator dialog the way the four generator commands do: stores the undo
  // snapshot, runs the dialog modally, then puts the focus back on the editor box. The
  // dialog hands its block to `sink`, or to the editor box's InsertBlock when none is given.
  using DialogRunner = std::function<void(const GeneratorContext&, QWidget* parent)>;
  void RunGenerator(const DialogRunner& run_dialog, BlockSink* sink = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The action of a command, by its name ("mnuEditUndo"); the only place where a command
  // is enabled or disabled.
  QAction* Command(const QString& name) const;
  void BuildMenus();
  void BuildToolbar();
  void BuildButtonStrip();
  void LayOut();
  // Fixes the size so that the outer size, frame included, is 14400 × 9900 twips.
  void FitOuterSize();
  void PlaceWindow();
  void SetUndoEnabled(bool enabled);
  void SetPasteEnabled(bool enabled);
  void OpenDroppedFile(const QString& path);
  void Shutdown();

  MainWindowContext context_;
  WindowSettings settings_;
  bool control_present_ = false;
  bool exit_confirmed_ = false;

  QWidget* client_ = nullptr;
  EditorBox* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::array<QPushButton*, 8> buttons_{};
  ProgramDocument* document_ = nullptr;
  SearchCommands* search_ = nullptr;

  QHash<QString, QAction*> commands_;
  // The graphic preview, made at its first opening and kept (hidden when closed).
  PreviewWindow* preview_ = nullptr;
  // The command of each strip button; 5 and 6 have none.
  std::array<QAction*, 8> strip_commands_{};
  QMenu* edit_menu_ = nullptr;
};

}  // namespace zel
