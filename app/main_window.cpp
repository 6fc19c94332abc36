#include "app/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QToolBar>

#include <memory>

#include "app/about_dialog.h"
#include "editor/editor_box.h"
#include "editor/program_document.h"
#include "editor/range_block_sink.h"
#include "generators/chuck/chuck_dialog.h"
#include "generators/frontview/front_view_dialog.h"
#include "generators/sideview/work_dialog.h"
#include "generators/tool/tool_dialog.h"
#include "platform/fonts.h"
#include "platform/machine.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "preview/preview_window.h"
#include "preview/toolpath_panel.h"
#include "reopen/block_editing.h"
#include "platform/wrapping_button.h"
#include "search/search_commands.h"

namespace zel {
namespace {

// The outer size of the window, frame and title bar included.
constexpr int kWindowWidth = 14400;
constexpr int kWindowHeight = 9900;
// Height of a title bar before the window system has told its real frame.
constexpr int kTitleBarPixels = 30;
constexpr int kEditorTop = 600;
constexpr int kEditorHeight = 7650;
constexpr int kButtonHeight = 855;

const QString kWindowCaption = QStringLiteral("ZEL_Editor Ver.1.2");

// Captions of the button strip, set at start-up; 5 and 6 have no command.
// clang-format off
const std::array<QString, 8> kButtonCaptions = {
    QStringLiteral("O番号挿入"), QStringLiteral("   チャック   心押し"),
    QStringLiteral("工具登録"),  QStringLiteral("素材側面"),
    QStringLiteral("素材正面"),  QString(),
    QString(),                   QStringLiteral("終了")};
// clang-format on

// The menus of the menu bar, left to right.
enum MenuId { kFileMenu, kEditMenu, kInputMenu, kViewMenu, kHelpMenu, kNoMenu };
struct MenuRow {
  const char* name;
  const char* caption;
};
constexpr MenuRow kMenus[] = {{"mnuFile", "ファイル(&F)"},
                              {"mnuEdit", "編集(&E)"},
                              {"mnuInput", "登録(&I)"},
                              {"mnuView", "表示(&V)"},
                              {"mnuHelp", "ヘルプ(&H)"}};

// Toolbar keys, left to right, with their pictures and the command each one triggers. A
// separator follows "上書き保存".
struct ToolKey {
  const char* key;
  const char* picture;
  const char* command;
};
// clang-format off
constexpr ToolKey kToolKeys[] = {
    {"新規",       ":/tb_new.svg",     "mnuFileNew"},
    {"開く",       ":/tb_open.svg",    "mnuFileOpen"},
    {"上書き保存", ":/tb_save.svg",    "mnuFileSave"},
    {"元に戻す",   ":/tb_undo.svg",    "mnuEditUndo"},
    {"切り取り",   ":/tb_cut.svg",     "mnuEditCut"},
    {"コピー",     ":/tb_copy.svg",    "mnuEditCopy"},
    {"全コピー",   ":/tb_allcopy.svg", "mnuEditAllCopy"},
    {"貼り付け",   ":/tb_paste.svg",   "mnuEditPaste"},
    {"検索",       ":/tb_find.svg",    "mnuEditFind"},
    {"置換",       ":/tb_replace.svg", "OpenReplace"}};
// clang-format on

// The strip buttons that are no generator command; 5 and 6 have none and only give the
// focus back to the editor box.
struct StripCommand {
  int index;
  const char* command;
};
constexpr StripCommand kStripCommands[] = {{0, "ONumber"}, {7, "mnuFileExit"}};

// How a generator command makes its dialog.
using DialogMaker = std::unique_ptr<QDialog> (*)(const GeneratorContext&, QWidget* parent);
template <typename Dialog>
std::unique_ptr<QDialog> MakeDialog(const GeneratorContext& context, QWidget* parent) {
  return std::make_unique<Dialog>(context, parent);
}

// The four generator commands of the "登録" menu and the strip. A command without a dialog
// maker is not built yet: its menu entry and strip button stay disabled.
struct GeneratorCommand {
  const char* name;
  const char* caption;
  int strip_index;
  DialogMaker make;
};
// clang-format off
constexpr GeneratorCommand kGeneratorCommands[] = {
    {"InputChuck", "チャック/心押し(&C)", 1, &MakeDialog<ChuckDialog>},
    {"InputTool",  "工具登録(&T)",        2, &MakeDialog<ToolDialog>},
    {"InputWork",  "素材側面(&M)",        3, &MakeDialog<WorkDialog>},
    {"InputWorkF", "素材正面(&F)",        4, &MakeDialog<FrontViewDialog>},
};
// clang-format on

// Keeps a toolbar key or a strip button enabled exactly when its command is.
template <typename Control>
void FollowEnabled(QAction* command, Control* control) {
  control->setEnabled(command->isEnabled());
  QObject::connect(command, &QAction::enabledChanged, control, &Control::setEnabled);
}

// Runs a function on the events of one object; for the few events the window watches on
// itself and its children.
class EventHook : public QObject {
 public:
  using Function = std::function<bool(QEvent*)>;
  EventHook(QObject* watched, Function function)
      : QObject(watched), function_(std::move(function)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override { return function_(event); }

 private:
  Function function_;
};

}  // namespace

MainWindow::MainWindow(const MainWindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kWindowCaption);
  setWindowIcon(QIcon(PictureFile(QStringLiteral(":/app_icon.svg"))));
  setFont(UiFont(9));
  setAcceptDrops(true);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);

  text1_ = new EditorBox(client_);
  text1_->setFont(ProgramFont(12));
  text2_ = new QLineEdit(client_);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setFont(ProgramFont(12));
  text2_->setReadOnly(true);
  text2_->setFocusPolicy(Qt::ClickFocus);
  // The name box is painted in the menu colour of the system.
  QPalette name_palette = text2_->palette();
  name_palette.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
  text2_->setPalette(name_palette);
  // Once clicked, a line box would take Ctrl+A and Ctrl+C for itself; the menu's shortcuts
  // win everywhere in the window.
  new EventHook(text2_, [](QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    event->ignore();
    return true;
  });

  document_ = new ProgramDocument(*text1_, context_.codec, context_.prompts, context_.dialogs,
                                  context_.platform, this);
  connect(document_, &ProgramDocument::NameBoxChanged, text2_, &QLineEdit::setText);
  connect(document_, &ProgramDocument::UndoEnabledChanged, this, &MainWindow::SetUndoEnabled);
  connect(document_, &ProgramDocument::PasteEnabledChanged, this,
          &MainWindow::SetPasteEnabled);
  connect(text1_, &EditorBox::ContextMenuWanted, this,
          [this](const QPoint& pos) { edit_menu_->popup(pos); });
  connect(text1_, &EditorBox::FileDropped, this, &MainWindow::OpenDroppedFile);
  search_ = new SearchCommands(this, *text1_, context_.prompts, [this] {
    activateWindow();
    text1_->setFocus();
  });

  BuildMenus();
  BuildToolbar();
  BuildButtonStrip();

  // Start-up: where the window stands, where the dialogs start, an empty document.
  control_present_ = context_.platform.ControlMarkerPresent();
  text2_->clear();
  settings_ = ReadWindowSettings();
  text1_->SetSyntaxColour(settings_.syntax_colour);
  // The outer size counts the frame, which the window system tells only once the window is
  // shown (and may tell again as it moves it); the controls follow the client area.
  new EventHook(this, [this](QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Move) FitOuterSize();
    return false;
  });
  new EventHook(client_, [this](QEvent* event) {
    if (event->type() == QEvent::Resize) LayOut();
    return false;
  });
  FitOuterSize();
  PlaceWindow();
  SetUndoEnabled(false);
  SetPasteEnabled(true);
  document_->SetOpenPath(settings_.open_path);
  text1_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::PlaceWindow() {
  double left = settings_.left;
  double top = settings_.top;
  if (control_present_) {
    // On the control's panel the window sits on the bottom edge of the screen and the
    // dialogs start in the control's program folder.
    left = 0;
    top = context_.platform.ScreenHeight() * kTwipsPerPixel - kWindowHeight + 30;
    settings_.open_path = kControlProgramFolder;
    move(TwipsToPixels(left), TwipsToPixels(top));
    return;
  }
  // A stored position that would leave the title bar off every screen (another monitor
  // once, a value edited by hand) is moved onto the nearest screen.
  const QRect frame(StoredPositionPixels(left), StoredPositionPixels(top),
                    TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));
  const int margin_top = geometry().top() - frameGeometry().top();
  move(PositionOnScreens(frame, margin_top > 0 ? margin_top : kTitleBarPixels,
                         context_.platform.ScreenAreas()));
}

void MainWindow::FitOuterSize() {
  const QSize frame_extra = frameGeometry().size() - geometry().size();
  const QSize inner =
      QSize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight)) - frame_extra;
  if (minimumSize() == inner && maximumSize() == inner) return;
  setFixedSize(inner);
  // Lay the client area out now, also while the window is still hidden.
  if (layout()) layout()->activate();
  LayOut();
}

void MainWindow::LayOut() {
  // Whatever the frame, the title and the menu bar leave of the outer size.
  const double client_width = client_->width() * double(kTwipsPerPixel);
  const double client_height = client_->height() * double(kTwipsPerPixel);

  toolbar_->setGeometry(0, 2, TwipsToPixels(5040), TwipsToPixels(480));
  text2_->setGeometry(TwipsToPixels(5040), TwipsToPixels(200), TwipsToPixels(8895), TwipsToPixels(320));

  auto* line1 = client_->findChild<QFrame*>(QStringLiteral("Line1"));
  auto* line2 = client_->findChild<QFrame*>(QStringLiteral("Line2"));
  line1->setGeometry(0, TwipsToPixels(510), TwipsToPixels(client_width), 1);
  line2->setGeometry(0, TwipsToPixels(510) + 1, TwipsToPixels(client_width), 1);

  // The editor box keeps its height unless a tall frame leaves too little room for the
  // button strip under it.
  const double editor_height =
      std::clamp(client_height - kEditorTop - 30 - kButtonHeight, 1500.0, double(kEditorHeight));
  text1_->setGeometry(TwipsToPixels(50), TwipsToPixels(kEditorTop),
                      TwipsToPixels(client_width - 100), TwipsToPixels(editor_height));
  for (int i = 0; i < 8; ++i) {
    const double top = kEditorTop + editor_height + 30;
    const double left = (client_width - 50) / 8 * i + 50;
    const double width = (client_width - 160) / 8;
    buttons_[i]->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(kButtonHeight));
    buttons_[i]->setText(kButtonCaptions[i]);
  }
}

void MainWindow::BuildMenus() {
  // One action per command. A row without caption is a separator of its menu.
  struct CommandRow {
    MenuId menu;
    const char* name;
    const char* caption;
    QList<QKeySequence> shortcuts;
    std::function<void()> run;
  };
  using K = QKeySequence;
  ProgramDocument* doc = document_;
  // clang-format off
  const CommandRow commands[] = {
      {kFileMenu, "mnuFileNew",      "新規(&N)",                {K(Qt::CTRL | Qt::Key_N)}, [doc] { doc->New(); }},
      {kFileMenu, "mnuFileOpen",     "開く(&O)...",             {K(Qt::CTRL | Qt::Key_O)}, [doc] { doc->Open(); }},
      {kFileMenu, "mnuFileBar0",     nullptr,                   {}, {}},
      {kFileMenu, "mnuFileSave",     "上書き保存(&S)",          {K(Qt::CTRL | Qt::Key_S)}, [doc] { doc->Save(); }},
      {kFileMenu, "mnuFileSaveAs",   "名前を付けて保存(&A)...", {}, [doc] { doc->SaveAs(); }},
      {kFileMenu, "mnuFileBar1",     nullptr,                   {}, {}},
      {kFileMenu, "mnuFileExit",     "終了(&X)",                {}, [this] { mnuFileExit_Click(); }},
      {kEditMenu, "mnuEditUndo",     "元に戻す(&U)",            {}, [doc] { doc->UndoCommand(); }},
      {kEditMenu, "mnuEditBar0",     nullptr,                   {}, {}},
      // The editor box's own alternative clipboard keys lead to the same commands.
      {kEditMenu, "mnuEditCut",      "切り取り(&T)", {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}, [doc] { doc->Cut(); }},
      {kEditMenu, "mnuEditCopy",     "ｺﾋﾟｰ(&C)",     {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}, [doc] { doc->Copy(); }},
      {kEditMenu, "mnuEditAllCopy",  "全コピー(&A)", {K(Qt::CTRL | Qt::Key_A)}, [doc] { doc->AllCopy(); }},
      {kEditMenu, "mnuEditPaste",    "貼り付け(&P)", {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, [doc] { doc->Paste(); }},
      {kEditMenu, "mnuEditBar1",     nullptr,        {}, {}},
      {kEditMenu, "mnuEditFind",     "検索(&F)",     {K(Qt::CTRL | Qt::Key_F)}, [this] { search_->OpenFind(); }},
      {kEditMenu, "mnuEditNextFind", "次を検索",     {K(Qt::Key_F3)}, [this] { search_->FindNext(); }},
      {kInputMenu, "ONumber",        "O番号挿入(&O)", {}, [this] { ONumber_Click(); }},
      {kViewMenu, "mnuViewPreview",  "図形プレビュー(&P)", {K(Qt::Key_F5)}, [this] { mnuViewPreview_Click(); }},
      {kHelpMenu, "mnuHelpAbout",    "ﾊﾞｰｼﾞｮﾝ情報(&A)", {}, [this] { mnuHelpAbout_Click(); }},
      // Only the toolbar's "置換" key leads to the replace dialog.
      {kNoMenu,   "OpenReplace",     "置換",         {}, [this] { search_->OpenReplace(); }},
  };
  // clang-format on

  std::array<QMenu*, std::size(kMenus)> menus{};
  for (std::size_t i = 0; i < menus.size(); ++i) {
    menus[i] = menuBar()->addMenu(QString::fromUtf8(kMenus[i].caption));
    menus[i]->setObjectName(QString::fromUtf8(kMenus[i].name));
  }
  edit_menu_ = menus[kEditMenu];
  const auto add = [this, &menus](MenuId menu, const char* name, const char* caption,
                                  const QList<QKeySequence>& shortcuts, std::function<void()> run) {
    QAction* action = nullptr;
    if (menu == kNoMenu) {
      action = new QAction(QString::fromUtf8(caption), this);
    } else if (!caption) {
      action = menus[menu]->addSeparator();
    } else {
      action = menus[menu]->addAction(QString::fromUtf8(caption));
    }
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcuts(shortcuts);
    if (run) connect(action, &QAction::triggered, this, std::move(run));
    commands_.insert(action->objectName(), action);
    return action;
  };
  for (const CommandRow& row : commands)
    add(row.menu, row.name, row.caption, row.shortcuts, row.run);
  for (const GeneratorCommand& generator : kGeneratorCommands) {
    const DialogMaker make = generator.make;
    QAction* action = add(kInputMenu, generator.name, generator.caption, {}, [this, make] {
      RunGenerator([make](const GeneratorContext& context, QWidget* parent) {
        make(context, parent)->exec();
      });
    });
    action->setEnabled(make != nullptr);
  }
  add(kInputMenu, "EditBlock", "ブロック編集(&E)", {K(Qt::CTRL | Qt::Key_E)},
      [this] { EditBlock_Click(); });
}

QAction* MainWindow::Command(const QString& name) const {
  QAction* action = commands_.value(name);
  if (!action) qFatal("The main window has no command %s", qPrintable(name));
  return action;
}

void MainWindow::BuildToolbar() {
  toolbar_ = new QToolBar(client_);
  toolbar_->setObjectName(QStringLiteral("tbToolBar"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize(QSize(20, 20));
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolKey& tool : kToolKeys) {
    const QString key = QString::fromUtf8(tool.key);
    QAction* action =
        toolbar_->addAction(QIcon(PictureFile(QString::fromUtf8(tool.picture))), key);
    action->setObjectName(key);
    action->setData(key);
    action->setToolTip(key);
    connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    FollowEnabled(Command(QString::fromUtf8(tool.command)), action);
    if (key == QStringLiteral("上書き保存")) toolbar_->addSeparator();
  }
  // The two lines under the toolbar: 3D shadow, then 3D highlight.
  for (const auto& [name, role] : {std::pair{"Line1", QPalette::Dark}, std::pair{"Line2", QPalette::Light}}) {
    auto* line = new QFrame(client_);
    line->setObjectName(QString::fromUtf8(name));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(role));
    line->setPalette(palette);
  }
}

void MainWindow::BuildButtonStrip() {
  for (const StripCommand& strip : kStripCommands)
    strip_commands_[strip.index] = Command(QString::fromUtf8(strip.command));
  for (const GeneratorCommand& generator : kGeneratorCommands)
    strip_commands_[generator.strip_index] = Command(QString::fromUtf8(generator.name));
  for (int i = 0; i < 8; ++i) {
    auto* button = new WrappingButton(client_);
    button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
    button->setFont(CaptionFont(14.25));
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    if (strip_commands_[i]) FollowEnabled(strip_commands_[i], static_cast<QPushButton*>(button));
    buttons_[i] = button;
  }
}

void MainWindow::SetUndoEnabled(bool enabled) {
  Command(QStringLiteral("mnuEditUndo"))->setEnabled(enabled);
}

void MainWindow::SetPasteEnabled(bool enabled) {
  Command(QStringLiteral("mnuEditPaste"))->setEnabled(enabled);
}

void MainWindow::Command1_Click(int index) {
  QAction* command = strip_commands_[index];
  if (command) command->trigger();
  // Every button gives the focus back to the editor box, Exit too when it was answered No
  // (after Yes the window is gone).
  if (isVisible()) text1_->setFocus();
}

void MainWindow::tbToolBar_ButtonClick(const QString& key) {
  for (const ToolKey& tool : kToolKeys) {
    if (key == QString::fromUtf8(tool.key)) Command(QString::fromUtf8(tool.command))->trigger();
  }
}

void MainWindow::ONumber_Click() {
  document_->StoreUndoState();
  document_->InsertGraphicSkeleton();
}

void MainWindow::RunGenerator(const DialogRunner& run_dialog, BlockSink* sink) {
  document_->StoreUndoState();
  run_dialog(GeneratorContext{context_.prompts, sink ? *sink : *text1_}, this);
  text1_->setFocus();
}

void MainWindow::EditBlock_Click() {
  int line = 0;
  int index = 0;
  text1_->getCursorPosition(&line, &index);
  const std::optional<BlockEdit> edit = PrepareBlockEdit(*text1_, line, context_.prompts, this);
  if (!edit) {
    text1_->setFocus();
    return;
  }
  // The transfer puts the dialog's block in place of the block's lines.
  RangeBlockSink sink(*text1_, edit->start, edit->length);
  RunGenerator(
      [&edit](const GeneratorContext& context, QWidget* parent) {
        MakeReopenedDialog(edit->block, context, parent)->exec();
      },
      &sink);
}

void MainWindow::mnuViewPreview_Click() {
  if (!preview_) {
    preview_ = new PreviewWindow(*text1_, this);
    // A double click on a block there has put the caret on it.
    connect(preview_, &PreviewWindow::EditBlockWanted, this, [this] {
      activateWindow();
      Command(QStringLiteral("EditBlock"))->trigger();
    });
    // The tool path's machine rates come from the settings and go back as they are changed.
    preview_->Toolpath()->SetRates(ReadMachineRates());
    connect(preview_->Toolpath(), &ToolpathPanel::RatesChanged, this, &WriteMachineRates);
    // Beside the main window: to its right where the screen has room, else to its left.
    const QRect frame = frameGeometry();
    const QRect screen = this->screen()->availableGeometry();
    const int right = frame.right() + 1;
    const int x = right + preview_->width() <= screen.right() ? right
                                                              : frame.left() - preview_->width();
    preview_->move(std::max(screen.left(), x), frame.top());
  }
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
}

void MainWindow::mnuHelpAbout_Click() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::mnuFileExit_Click() {
  if (!document_->ConfirmExit()) return;
  exit_confirmed_ = true;
  if (!close()) exit_confirmed_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing by the close box or the system asks about unsaved changes too.
  if (!exit_confirmed_ && !document_->ConfirmExit()) {
    event->ignore();
    return;
  }
  exit_confirmed_ = false;
  Shutdown();
  event->accept();
}

void MainWindow::Shutdown() {
  // Other windows close first, the last opened first.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.crbegin(); it != windows.crend(); ++it)
    if (*it != this && (*it)->isVisible()) (*it)->close();
  settings_.left = frameGeometry().x() * kTwipsPerPixel;
  settings_.top = frameGeometry().y() * kTwipsPerPixel;
  WriteWindowSettings(settings_, !isMinimized());
}

void MainWindow::OpenAtStart(const QString& path) {
  // Made absolute as text: the name may hold bytes that are not UTF-8 (see file_names.h),
  // which a round trip through the file system's encoding would lose.
  const QString absolute =
      QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
  document_->OpenNamedFile(QDir::cleanPath(absolute), false);
}

void MainWindow::OpenDroppedFile(const QString& path) {
  document_->OpenNamedFile(path, true);
  text1_->setFocus();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFileOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = LocalFileOf(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenDroppedFile(path);
}

}  // namespace zel
