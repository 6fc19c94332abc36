#pragma once

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

class EditorBox;
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
// the toolbar and the button strip, and wires menus, toolbar keys and buttons to the
// commands of the document, the search and the generator dialogs.
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
  void mnuHelpAbout_Click();
  void ONumber_Click();
  void InputChuck_Click();
  void InputTool_Click();
  void InputWork_Click();
  void InputWorkF_Click();

  // Shows a generator dialog the way the four generator commands do: stores the undo
  // snapshot, runs the dialog modally, then puts the focus back on the editor box.
  using DialogRunner = std::function<void(const GeneratorContext&, QWidget* parent)>;
  void RunGenerator(const DialogRunner& run_dialog);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildButtonStrip();
  void LayOut();
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

  QMenu* edit_menu_ = nullptr;
  QAction* undo_action_ = nullptr;
  QAction* paste_action_ = nullptr;
  QAction* undo_key_ = nullptr;
  QAction* paste_key_ = nullptr;
};

}  // namespace zel
