#include "preview/preview_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include "editor/editor_box.h"
#include "generators/common/number_forms.h"
#include "generators/common/preview_canvas.h"
#include "generators/tool/tool_catalogue.h"
#include "platform/fonts.h"
#include "preview/background_jobs.h"
#include "preview/side_section.h"
#include "preview/toolpath_panel.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("図形プレビュー");
const QString kNoSubprogram = QStringLiteral("図形サブプログラム (OZEL) がありません。");
const QString kSubprogramLines = QStringLiteral("OZEL: %1 行目～%2 行目  問題 %3 件");
// The last row of a problem list that lists only the first problems.
const QString kMoreProblems = QStringLiteral("ほか %1 件の問題は表示していません");
const QString kNotAssigned = QStringLiteral("—");
// How far the wheel may enlarge a section: a pixel of the dialog's picture 50 pixels wide.
constexpr double kSectionMaxZoom = 50;

// clang-format off
constexpr std::array<QStringView, 8> kShapeNames = {
    u"1 外径円筒", u"2 外径円錐", u"3 外径凸円弧", u"4 外径凹円弧",
    u"5 内径円筒", u"6 内径円錐", u"7 内径凸円弧", u"8 内径凹円弧",
};
// clang-format on

QString Number(const std::optional<double>& value) {
  return value ? NumberText(*value) : kNotAssigned;
}

QTreeWidget* MakeList(const QString& name, const QStringList& headers, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->header()->setStretchLastSection(true);
  return list;
}

// How telling a colour is when a reduced picture has room for one of several: the background
// least, the material more, axes and outlines most.
int Salience(QRgb rgb) {
  const QRgb colour = rgb & 0xFFFFFF;
  if (colour == 0) return 0;
  if (colour == (PreviewColorToRgb(kPreviewYellow) & 0xFFFFFF)) return 1;
  return 2;
}

// The picture reduced to `size`: every pixel of it takes the most telling colour of the
// picture's pixels it covers, so that a line one pixel wide never drops out and no colour is
// mixed into one the dialog never draws.
QImage ReducedPicture(const QImage& image, QSize size) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage reduced(size, QImage::Format_RGB32);
  reduced.fill(Qt::black);
  std::vector<int> column_of(source.width());
  for (int x = 0; x < source.width(); ++x)
    column_of[x] = static_cast<int>(qint64(x) * size.width() / source.width());
  for (int y = 0; y < source.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(
        reduced.scanLine(static_cast<int>(qint64(y) * size.height() / source.height())));
    for (int x = 0; x < source.width(); ++x) {
      QRgb& pixel = to[column_of[x]];
      if (Salience(from[x]) > Salience(pixel)) pixel = from[x];
    }
  }
  return reduced;
}

}  // namespace

SectionView::SectionView(QImage image, QWidget* parent)
    : ZoomView(kSectionMaxZoom, parent), image_(std::move(image)) {
  setMinimumSize(120, 120);
}

void SectionView::SetImage(QImage image) {
  image_ = std::move(image);
  reduced_ = QImage();
  update();
}

QRectF SectionView::Extent() const { return QRectF(QPointF(0, 0), QSizeF(image_.size())); }

QRectF SectionView::PictureRect() const {
  if (image_.isNull()) return {};
  return ToView().mapRect(Extent());
}

void SectionView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (image_.isNull()) return;
  const QRectF target = PictureRect();
  // Enlarged, every pixel becomes a block of one colour, so the picture stays the dialog's
  // picture. Reduced, dropping whole rows and columns would drop the one-pixel axes and
  // outlines with them; the reduced picture keeps them.
  const QSize reduced_size = target.size().toSize();
  if (target.width() < image_.width() && !reduced_size.isEmpty()) {
    if (reduced_.size() != reduced_size) reduced_ = ReducedPicture(image_, reduced_size);
    painter.drawImage(target.topLeft(), reduced_);
    return;
  }
  painter.drawImage(target, image_);
}

namespace preview_text {

QString ToolKindName(const std::optional<int>& kind) {
  if (!kind) return kNotAssigned;
  if (*kind < 1 || *kind > kToolKindCount) return QString::number(*kind);
  return kToolKindTexts[*kind - 1].toString();
}

QString ToolDimensions(const ToolData& tool) {
  // clang-format off
  constexpr std::array<std::pair<Dimension, QStringView>, 6> kNames = {{
      {Dimension::kA1, u"A1"}, {Dimension::kA2, u"A2"}, {Dimension::kL, u"L"},
      {Dimension::kD, u"D"},   {Dimension::kW, u"W"},   {Dimension::kNR, u"NR"},
  }};
  // clang-format on
  QStringList items;
  for (const auto& [dimension, name] : kNames) {
    if (const std::optional<double> value = tool.DimensionValue(dimension))
      items << name.toString() + u'=' + NumberText(*value);
  }
  return items.join(u' ');
}

QString ContourDescription(const ContourShape& shape) {
  QString text = kShapeNames[shape.sn - 1].toString();
  text += shape.face == ContourFace::kLeft ? QStringLiteral(" LC") : QStringLiteral(" RC");
  text += QStringLiteral(" Z=") + NumberText(shape.z.value);
  const bool cylinder = shape.sn == 1 || shape.sn == 5;
  if (cylinder) {
    text += QStringLiteral(" D=") + NumberText(shape.d1.value);
  } else {
    text += QStringLiteral(" D1=") + NumberText(shape.d1.value) + QStringLiteral(" D2=") +
            NumberText(shape.d2.value);
  }
  text += QStringLiteral(" L=") + NumberText(shape.l.value);
  const int profile = (shape.sn - 1) % 4;
  if (profile >= 2) text += QStringLiteral(" R=") + NumberText(shape.r.value);
  return text;
}

}  // namespace preview_text

PreviewWindow::PreviewWindow(EditorBox& editor, QWidget* parent)
    : QWidget(parent, Qt::Window), editor_(editor) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(kCaption);
  setFont(UiFont(9));

  jobs_ = new BackgroundJobs(this);
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(kRereadDelayMs);
  connect(timer_, &QTimer::timeout, this, &PreviewWindow::Reread);
  // Every change restarts the pause, so nothing is read while the user keeps typing; nothing
  // at all while the window is hidden (showing it reads the text).
  connect(&editor_, &QsciScintilla::textChanged, this, [this] {
    if (isVisible()) timer_->start();
  });

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  chuck_ = new QLabel(this);
  chuck_->setObjectName(QStringLiteral("lblChuck"));
  chuck_->setWordWrap(true);
  chuck_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  tools_ = MakeList(QStringLiteral("lstTools"),
                    {QStringLiteral("工具番号"), QStringLiteral("工具種類"), QStringLiteral("形状"),
                     QStringLiteral("寸法"), QStringLiteral("ノーズR"), QStringLiteral("位置")},
                    splitter);
  material_ = MakeList(QStringLiteral("lstMaterial"),
                       {QStringLiteral("行"), QStringLiteral("素材")}, splitter);
  problems_ =
      MakeList(QStringLiteral("lstProblems"),
               {QStringLiteral("行"), QStringLiteral("理由"), QStringLiteral("文")}, splitter);
  // A click goes to the problem's line, and so does Enter (see eventFilter); a double click
  // is a click that has gone there already.
  connect(problems_, &QTreeWidget::itemClicked, this, &PreviewWindow::GoToProblem);
  problems_->installEventFilter(this);
  // A double click on a tool or on a line of a material block edits that block.
  connect(tools_, &QTreeWidget::itemDoubleClicked, this, &PreviewWindow::EditBlockOf);
  connect(material_, &QTreeWidget::itemDoubleClicked, this, &PreviewWindow::EditBlockOf);

  sections_ = new QWidget(this);
  sections_->setObjectName(QStringLiteral("fraSections"));
  new QGridLayout(sections_);
  sections_->layout()->setContentsMargins(0, 0, 0, 0);

  // The graphic on the left, the main program's tool path on the right.
  auto* graphic = new QWidget(this);
  auto* layout = new QVBoxLayout(graphic);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(status_);
  layout->addWidget(chuck_);
  layout->addWidget(sections_, 1);
  layout->addWidget(splitter, 1);
  toolpath_ = new ToolpathPanel(editor_, this);
  auto* halves = new QSplitter(Qt::Horizontal, this);
  halves->addWidget(graphic);
  halves->addWidget(toolpath_);
  halves->setSizes({540, 700});
  halves->setChildrenCollapsible(false);
  (new QHBoxLayout(this))->addWidget(halves);
  resize(1240, 800);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Reread();
}

void PreviewWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  timer_->stop();
  // What was being read is of no use: showing the window again reads the text afresh.
  jobs_->Drop(kReadingJob);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == problems_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      GoToProblem(problems_->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PreviewWindow::Reread() {
  timer_->stop();
  // The copy costs a moment; reading and drawing the copy may take long, and go on while the
  // user types on.
  // One copy serves both (shared, never written).
  const QByteArray utf8 = editor_.Utf8View().toByteArray();
  jobs_->Start<PreviewReading>(
      kReadingJob, [utf8] { return ReadPreview(utf8); },
      [this](PreviewReading reading) { Show(std::move(reading)); });
  toolpath_->Interpret(utf8);
}

bool PreviewWindow::Reading() const { return jobs_->Busy(kReadingJob); }

void PreviewWindow::Show(PreviewReading reading) {
  program_ = std::move(reading.program);
  status_->setText(program_.found ? kSubprogramLines.arg(program_.first_line + 1)
                                        .arg(program_.last_line + 1)
                                        .arg(program_.ProblemCount())
                                  : kNoSubprogram);
  ShowChuck();
  ShowTools();
  ShowMaterial();
  // The tool path is drawn over the first spindle's X-Z section, at one scale with it.
  toolpath_->SetMaterial(reading.sections[kSectionWork], reading.work_scale);
  toolpath_->SetRegisteredTools(program_.tools);
  ShowSections(std::move(reading.sections));
  ShowProblems();
  emit ReadingShown();
}

void PreviewWindow::ShowSections(std::array<QImage, kSectionCount> images) {
  // One column a spindle that appears in either row, spindle 1 on the left: the X-Z sections
  // above, the X-Y sections below them.
  const bool first = !images[kSectionWork].isNull() || !images[kSectionFront].isNull();
  const bool second = !images[kSectionWorkS].isNull() || !images[kSectionFrontS].isNull();
  const bool side = !images[kSectionWork].isNull() || !images[kSectionWorkS].isNull();
  const bool front = !images[kSectionFront].isNull() || !images[kSectionFrontS].isNull();
  // clang-format off
  static const std::array<std::pair<QString, QString>, kSectionCount> kNames = {{
      {QStringLiteral("picWork"),   QStringLiteral("素材側面  第一主軸")},
      {QStringLiteral("picWorkS"),  QStringLiteral("素材側面  第二主軸")},
      {QStringLiteral("picFront"),  QStringLiteral("素材正面  第一主軸")},
      {QStringLiteral("picFrontS"), QStringLiteral("素材正面  第二主軸")},
  }};
  // clang-format on
  auto* grid = static_cast<QGridLayout*>(sections_->layout());
  for (int section = 0; section < kSectionCount; ++section) {
    SectionView*& view = views_[section];
    if (images[section].isNull()) {
      if (view) {
        view->hide();
        view->SetImage({});
      }
      continue;
    }
    if (!view) {
      view = new SectionView({}, sections_);
      view->setObjectName(kNames[section].first);
      view->setToolTip(kNames[section].second);
    }
    view->SetImage(std::move(images[section]));
    const int row = section < kSectionFront ? 0 : 1;
    const int column = section % 2 == 1 && first ? 1 : 0;
    int at_row = -1;
    int at_column = -1;
    int rows = 0;
    int columns = 0;
    const int index = grid->indexOf(view);
    if (index >= 0) grid->getItemPosition(index, &at_row, &at_column, &rows, &columns);
    if (at_row != row || at_column != column) {
      grid->removeWidget(view);
      grid->addWidget(view, row, column);
    }
    view->show();
  }
  grid->setRowStretch(0, side ? 2 : 0);
  grid->setRowStretch(1, front ? 1 : 0);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, first && second ? 1 : 0);
  sections_->setVisible(first || second);
}

void PreviewWindow::ShowChuck() {
  const ChuckValues& c = program_.chuck;
  QString text = QStringLiteral("チャック爪  D1=%1  L1=%2  CX=%3  CZ=%4")
                     .arg(Number(c.VCHKD), Number(c.VCHKL), Number(c.VCHKX), Number(c.VCHKZ));
  if (c.VCHIO) text += *c.VCHIO == 0 ? QStringLiteral("  外径把握") : QStringLiteral("  内径把握");
  text += QStringLiteral("\nセンター  D2=%1  D3=%2  L2=%3  素材端面 WR=%4")
              .arg(Number(c.VTSDA), Number(c.VTSDB), Number(c.VTSL), Number(c.VWKR));
  if (c.VCHSW)
    text += *c.VCHSW == 0 ? QStringLiteral("  チャックワーク") : QStringLiteral("  センターワーク");
  if (c.chuck_barrier) text += QStringLiteral("\nチャックバリア M25");
  if (c.tailstock_barrier) text += QStringLiteral("  心押しバリア M21");
  chuck_->setText(text);
}

void PreviewWindow::ShowTools() {
  tools_->clear();
  QList<QTreeWidgetItem*> items;
  for (const ToolData& tool : program_.tools) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, ShownLineText(tool.number));
    item->setText(1, preview_text::ToolKindName(tool.kind));
    item->setText(2, tool.shape ? QString::number(*tool.shape) : kNotAssigned);
    item->setText(3, preview_text::ToolDimensions(tool));
    item->setText(4, Number(tool.nose_radius));
    item->setText(5, Number(tool.nose_position));
    item->setData(0, Qt::UserRole, tool.line);
    items << item;
  }
  tools_->addTopLevelItems(items);
  for (int column = 0; column < 5; ++column) tools_->resizeColumnToContents(column);
}

void PreviewWindow::ShowMaterial() {
  material_->clear();
  QList<QTreeWidgetItem*> items;
  auto add = [&items](int line, const QString& text) {
    auto* item = new QTreeWidgetItem({QString::number(line + 1), text});
    item->setData(0, Qt::UserRole, line);
    items << item;
  };
  for (const SideBlock& block : program_.side_blocks) {
    add(block.line, block.second_spindle ? QStringLiteral("素材側面  第二主軸")
                                         : QStringLiteral("素材側面  第一主軸"));
    for (const ContourShape& shape : block.shapes)
      add(shape.line, QStringLiteral("    ") + preview_text::ContourDescription(shape));
  }
  for (const FrontBlock& block : program_.front_blocks) {
    add(block.line, block.second_spindle ? QStringLiteral("素材正面  第二主軸")
                                         : QStringLiteral("素材正面  第一主軸"));
    for (const FrontCircle& circle : block.circles)
      add(circle.line,
          (circle.inner ? QStringLiteral("    2 内径円 D=") : QStringLiteral("    1 外径円 D=")) +
              NumberText(circle.d.value));
  }
  material_->addTopLevelItems(items);
  material_->resizeColumnToContents(0);
}

void PreviewWindow::ShowProblems() {
  problems_->clear();
  QList<QTreeWidgetItem*> items;
  for (const UnreadLine& problem : program_.problems) {
    auto* item = new QTreeWidgetItem(
        {QString::number(problem.line + 1), ReadProblemText(problem.problem), problem.text});
    item->setData(0, Qt::UserRole, problem.line);
    items << item;
  }
  // This row has no line to go to.
  if (program_.unlisted_problems > 0)
    items << new QTreeWidgetItem({QString(), kMoreProblems.arg(program_.unlisted_problems)});
  problems_->addTopLevelItems(items);
  problems_->resizeColumnToContents(0);
  problems_->resizeColumnToContents(1);
}

void PreviewWindow::GoToProblem(QTreeWidgetItem* item) {
  if (!item || !item->data(0, Qt::UserRole).isValid()) return;
  const int line = item->data(0, Qt::UserRole).toInt();
  editor_.setCursorPosition(line, 0);
  editor_.ensureLineVisible(line);
  editor_.window()->activateWindow();
  editor_.setFocus();
  emit ProblemShown(line);
}

void PreviewWindow::EditBlockOf(QTreeWidgetItem* item) {
  if (!item || !item->data(0, Qt::UserRole).isValid()) return;
  const int line = item->data(0, Qt::UserRole).toInt();
  editor_.setCursorPosition(line, 0);
  editor_.ensureLineVisible(line);
  emit EditBlockWanted();
}

}  // namespace zel
