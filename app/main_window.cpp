#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolBar>

#include "app/about_dialog.h"
#include "platform/fonts.h"
#include "platform/machine.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "editor/editor_box.h"
#include "editor/program_document.h"
#include "generators/chuck/chuck_dialog.h"
#include "search/search_commands.h"

namespace zel {
namespace {

constexpr int kWindowWidth = 14400;
constexpr int kWindowHeight = 9900;
// The client area that remains of the window's outer size below its title and menu bars.
constexpr int kClientWidth = 14400;
constexpr int kClientHeight = 9150;
constexpr int kEditorTop = 600;
constexpr int kEditorHeight = 7650;
constexpr int kButtonHeight = 855;

const QString kWindowCaption = QStringLiteral("ZEL_Editor Ver.1.2");

// Captions of the button strip, set at start-up; 5 and 6 have no command.
const std::array<QString, 8> kButtonCaptions = {
    QStringLiteral("O番号挿入"), QStringLiteral("   チャック   心押し"),
    QStringLiteral("工具登録"),  QStringLiteral("素材側面"),
    QStringLiteral("素材正面"),  QString(),
    QString(),                   QStringLiteral("終了")};

// Toolbar keys, left to right, with their pictures. A separator follows "上書き保存".
struct ToolKey {
  const char* key;
  const char* picture;
};
constexpr ToolKey kToolKeys[] = {
    {"新規", ":/tb_new.svg"},        {"開く", ":/tb_open.svg"},
    {"上書き保存", ":/tb_save.svg"}, {"元に戻す", ":/tb_undo.svg"},
    {"切り取り", ":/tb_cut.svg"},    {"コピー", ":/tb_copy.svg"},
    {"全コピー", ":/tb_allcopy.svg"}, {"貼り付け", ":/tb_paste.svg"},
    {"検索", ":/tb_find.svg"},       {"置換", ":/tb_replace.svg"}};

// A strip button whose caption wraps at its blanks when it is wider than the button, so
// that "   チャック   心押し" stands on two lines as the operators know it.
class StripButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    const QRect area = rect().adjusted(4, 2, -4, -2);
    // Break only where the caption has blanks, never inside a word.
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetrics metrics(font());
    QStringList lines;
    for (const QString& word : words) {
      if (!lines.isEmpty() &&
          metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= area.width())
        lines.last() += QLatin1Char(' ') + word;
      else
        lines.append(word);
    }
    const QString caption = lines.join(QLatin1Char('\n'));
    const int flags = Qt::AlignCenter;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.drawText(area, flags, caption);
  }
};

}  // namespace

MainWindow::MainWindow(const MainWindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kWindowCaption);
  setWindowIcon(QIcon(QStringLiteral(":/app_icon.svg")));
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
  QPalette name_palette = text2_->palette();
  name_palette.setColor(QPalette::Base, name_palette.color(QPalette::Window));
  text2_->setPalette(name_palette);

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
  PlaceWindow();
  LayOut();
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
  }
  move(TwipsToPixels(left), TwipsToPixels(top));
}

void MainWindow::LayOut() {
  const int menu_height = menuBar()->sizeHint().height();
  setFixedSize(TwipsToPixels(kClientWidth), menu_height + TwipsToPixels(kClientHeight));
  const double client_width = kClientWidth;

  toolbar_->setGeometry(0, 2, TwipsToPixels(5040), TwipsToPixels(480));
  text2_->setGeometry(TwipsToPixels(5040), TwipsToPixels(200), TwipsToPixels(8895), TwipsToPixels(320));

  auto* line1 = client_->findChild<QFrame*>(QStringLiteral("Line1"));
  auto* line2 = client_->findChild<QFrame*>(QStringLiteral("Line2"));
  line1->setGeometry(0, TwipsToPixels(510), TwipsToPixels(client_width), 1);
  line2->setGeometry(0, TwipsToPixels(510) + 1, TwipsToPixels(client_width), 1);

  text1_->setGeometry(TwipsToPixels(50), TwipsToPixels(kEditorTop), TwipsToPixels(client_width - 100), TwipsToPixels(kEditorHeight));
  for (int i = 0; i < 8; ++i) {
    const double top = kEditorTop + kEditorHeight + 30;
    const double left = (client_width - 50) / 8 * i + 50;
    const double width = (client_width - 160) / 8;
    buttons_[i]->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(kButtonHeight));
    buttons_[i]->setText(kButtonCaptions[i]);
  }
}

void MainWindow::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut, auto slot) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  auto separator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromUtf8(name));
  };
  ProgramDocument* doc = document_;

  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  file->setObjectName(QStringLiteral("mnuFile"));
  add(file, "mnuFileNew", QStringLiteral("新規(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N),
      [doc] { doc->New(); });
  add(file, "mnuFileOpen", QStringLiteral("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O),
      [doc] { doc->Open(); });
  separator(file, "mnuFileBar0");
  add(file, "mnuFileSave", QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S),
      [doc] { doc->Save(); });
  add(file, "mnuFileSaveAs", QStringLiteral("名前を付けて保存(&A)..."), QKeySequence(),
      [doc] { doc->SaveAs(); });
  separator(file, "mnuFileBar1");
  add(file, "mnuFileExit", QStringLiteral("終了(&X)"), QKeySequence(),
      [this] { mnuFileExit_Click(); });

  edit_menu_ = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  edit_menu_->setObjectName(QStringLiteral("mnuEdit"));
  undo_action_ = add(edit_menu_, "mnuEditUndo", QStringLiteral("元に戻す(&U)"), QKeySequence(),
                     [doc] { doc->UndoCommand(); });
  separator(edit_menu_, "mnuEditBar0");
  QAction* cut = add(edit_menu_, "mnuEditCut", QStringLiteral("切り取り(&T)"),
                     QKeySequence(Qt::CTRL | Qt::Key_X), [doc] { doc->Cut(); });
  QAction* copy = add(edit_menu_, "mnuEditCopy", QStringLiteral("ｺﾋﾟｰ(&C)"),
                      QKeySequence(Qt::CTRL | Qt::Key_C), [doc] { doc->Copy(); });
  add(edit_menu_, "mnuEditAllCopy", QStringLiteral("全コピー(&A)"),
      QKeySequence(Qt::CTRL | Qt::Key_A), [doc] { doc->AllCopy(); });
  paste_action_ = add(edit_menu_, "mnuEditPaste", QStringLiteral("貼り付け(&P)"),
                      QKeySequence(Qt::CTRL | Qt::Key_V), [doc] { doc->Paste(); });
  // The editor box's own alternative clipboard keys lead to the same commands.
  cut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
  copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
  paste_action_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
  separator(edit_menu_, "mnuEditBar1");
  add(edit_menu_, "mnuEditFind", QStringLiteral("検索(&F)"), QKeySequence(Qt::CTRL | Qt::Key_F),
      [this] { search_->OpenFind(); });
  add(edit_menu_, "mnuEditNextFind", QStringLiteral("次を検索"), QKeySequence(Qt::Key_F3),
      [this] { search_->FindNext(); });

  QMenu* input = menuBar()->addMenu(QStringLiteral("登録(&I)"));
  input->setObjectName(QStringLiteral("mnuInput"));
  add(input, "ONumber", QStringLiteral("O番号挿入(&O)"), QKeySequence(), [this] { ONumber_Click(); });
  add(input, "InputChuck", QStringLiteral("チャック/心押し(&C)"), QKeySequence(),
      [this] { InputChuck_Click(); });
  add(input, "InputTool", QStringLiteral("工具登録(&T)"), QKeySequence(),
      [this] { InputTool_Click(); })->setEnabled(false);
  add(input, "InputWork", QStringLiteral("素材側面(&M)"), QKeySequence(),
      [this] { InputWork_Click(); })->setEnabled(false);
  add(input, "InputWorkF", QStringLiteral("素材正面(&F)"), QKeySequence(),
      [this] { InputWorkF_Click(); })->setEnabled(false);

  QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  add(help, "mnuHelpAbout", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), QKeySequence(),
      [this] { mnuHelpAbout_Click(); });
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
    QAction* action = toolbar_->addAction(QIcon(QString::fromUtf8(tool.picture)), key);
    action->setObjectName(key);
    action->setData(key);
    action->setToolTip(key);
    connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    if (key == QStringLiteral("上書き保存")) toolbar_->addSeparator();
    if (key == QStringLiteral("元に戻す")) undo_key_ = action;
    if (key == QStringLiteral("貼り付け")) paste_key_ = action;
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
  for (int i = 0; i < 8; ++i) {
    auto* button = new StripButton(client_);
    button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
    button->setFont(CaptionFont(14.25));
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    // Buttons 2 to 4 wait for their dialogs.
    if (i >= 2 && i <= 4) button->setEnabled(false);
    buttons_[i] = button;
  }
}

void MainWindow::SetUndoEnabled(bool enabled) {
  undo_action_->setEnabled(enabled);
  undo_key_->setEnabled(enabled);
}

void MainWindow::SetPasteEnabled(bool enabled) {
  paste_action_->setEnabled(enabled);
  paste_key_->setEnabled(enabled);
}

void MainWindow::Command1_Click(int index) {
  switch (index) {
    case 0: ONumber_Click(); break;
    case 1: InputChuck_Click(); break;
    case 2: InputTool_Click(); break;
    case 3: InputWork_Click(); break;
    case 4: InputWorkF_Click(); break;
    case 7: mnuFileExit_Click(); return;
    default: break;
  }
  text1_->setFocus();
}

void MainWindow::tbToolBar_ButtonClick(const QString& key) {
  if (key == QStringLiteral("新規")) document_->New();
  else if (key == QStringLiteral("開く")) document_->Open();
  else if (key == QStringLiteral("上書き保存")) document_->Save();
  else if (key == QStringLiteral("元に戻す")) document_->UndoCommand();
  else if (key == QStringLiteral("切り取り")) document_->Cut();
  else if (key == QStringLiteral("コピー")) document_->Copy();
  else if (key == QStringLiteral("全コピー")) document_->AllCopy();
  else if (key == QStringLiteral("貼り付け")) document_->Paste();
  else if (key == QStringLiteral("検索")) search_->OpenFind();
  else if (key == QStringLiteral("置換")) search_->OpenReplace();
}

void MainWindow::ONumber_Click() {
  document_->StoreUndoState();
  document_->InsertGraphicSkeleton();
}

void MainWindow::RunGenerator(const DialogRunner& run_dialog) {
  document_->StoreUndoState();
  run_dialog(GeneratorContext{context_.prompts, *text1_}, this);
  text1_->setFocus();
}

void MainWindow::InputChuck_Click() {
  RunGenerator([](const GeneratorContext& context, QWidget* parent) {
    ChuckDialog dialog(context, parent);
    dialog.exec();
  });
}

// The tool, side-view and front-view dialogs are not built yet: their menu entries and
// buttons stay disabled, and these handlers do nothing.
void MainWindow::InputTool_Click() {}
void MainWindow::InputWork_Click() {}
void MainWindow::InputWorkF_Click() {}

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
  document_->OpenNamedFile(QFileInfo(path).absoluteFilePath(), false);
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
