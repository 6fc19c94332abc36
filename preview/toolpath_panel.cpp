#include "preview/toolpath_panel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

#include "editor/editor_box.h"
#include "generators/common/number_forms.h"
#include "preview/background_jobs.h"
#include "preview/preview_window.h"
#include "preview/toolpath_view.h"
#include "toolpath/cycle_time.h"

namespace zel {

namespace {

const QString kCycleTime = QStringLiteral("サイクルタイム %1（切削 %2）");
const QString kTimeParts = QStringLiteral(
    "早送り %1  ドウェル %2  工具交換 %3（加減速なし: 送りも早送りも指令速度のまま）");
const QString kNoseCompensation =
    QStringLiteral("%1 行目 G41/G42: 工具ノーズR補正は描かず、プログラムの経路を描きます。");
const QString kNoEnd = QStringLiteral("M02/M30 がありません: 最後の行まで実行しました。");
const QString kStep = QStringLiteral("移動 %1 / %2");
const QString kStepLine = QStringLiteral("  %1 行目: %2");
const QString kMoreNotes = QStringLiteral("ほか %1 件");
const QString kNoTool = QStringLiteral("T 指令前");
const QString kNotRegistered = QStringLiteral("未登録");
// The longest line text a list shows.
constexpr int kShownLineLength = 200;

QTreeWidget* MakeList(const QString& name, const QStringList& headers, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->header()->setStretchLastSection(true);
  return list;
}

struct RateField {
  const char* name;
  const char* caption;
  double minimum;
  double maximum;
  int decimals;
};
// clang-format off
constexpr RateField kRateFields[] = {
    {"txtRapidX",     "早送り X (m/min)",  0.1, 500,    1},
    {"txtRapidZ",     "早送り Z (m/min)",  0.1, 500,    1},
    {"txtSpindleMax", "主軸上限 (min⁻¹)",  1,   100000, 0},
    {"txtToolChange", "工具交換 (秒)",     0,   600,    1},
};
// clang-format on

}  // namespace

ToolpathPanel::ToolpathPanel(EditorBox& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("fraToolpath"));
  jobs_ = new BackgroundJobs(this);

  cycle_time_ = new QLabel(kCycleTime.arg(CycleTimeText(0), CycleTimeText(0)), this);
  cycle_time_->setObjectName(QStringLiteral("lblCycleTime"));
  QFont bold = cycle_time_->font();
  bold.setBold(true);
  cycle_time_->setFont(bold);
  time_parts_ = new QLabel(this);
  time_parts_->setWordWrap(true);
  time_parts_->setObjectName(QStringLiteral("lblTimeParts"));
  path_note_ = new QLabel(this);
  path_note_->setObjectName(QStringLiteral("lblPathNote"));
  path_note_->setWordWrap(true);
  path_note_->hide();
  block_skip_ = new QCheckBox(QStringLiteral("ブロックスキップ (/)"), this);
  block_skip_->setObjectName(QStringLiteral("chkBlockSkip"));
  connect(block_skip_, &QCheckBox::toggled, this, [this] { Interpret(); });

  view_ = new ToolpathView(this);
  view_->setObjectName(QStringLiteral("picPath"));
  view_->setToolTip(QStringLiteral("工具経路  第一主軸"));
  connect(view_, &ToolpathView::MoveClicked, this,
          [this](int index) { GoToLine(path_->moves[index].line); });
  // The moves of the caret's line stand out while the caret moves.
  connect(&editor_, &QsciScintilla::cursorPositionChanged, view_,
          [this](int line, int) { view_->SetHighlightLine(line); });

  step_ = new QSlider(Qt::Horizontal, this);
  step_->setObjectName(QStringLiteral("sldStep"));
  step_back_ = new QToolButton(this);
  step_back_->setObjectName(QStringLiteral("cmdStepBack"));
  step_back_->setText(QStringLiteral("◀"));
  step_back_->setAutoRepeat(true);
  step_next_ = new QToolButton(this);
  step_next_->setObjectName(QStringLiteral("cmdStepNext"));
  step_next_->setText(QStringLiteral("▶"));
  step_next_->setAutoRepeat(true);
  step_text_ = new QLabel(this);
  // Texts of any length (a line of the program) never widen the panel.
  for (QLabel* label : {time_parts_, path_note_, step_text_})
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  step_text_->setObjectName(QStringLiteral("lblStep"));
  connect(step_, &QSlider::valueChanged, this, &ToolpathPanel::ShowStep);
  connect(step_back_, &QToolButton::clicked, this, [this] { step_->setValue(step_->value() - 1); });
  connect(step_next_, &QToolButton::clicked, this, [this] { step_->setValue(step_->value() + 1); });

  // Two rows of two fields, so that the panel leaves the graphic its room.
  auto* rates = new QGridLayout;
  QDoubleSpinBox** fields[] = {&rapid_x_, &rapid_z_, &spindle_max_, &tool_change_};
  for (size_t i = 0; i < std::size(kRateFields); ++i) {
    const RateField& field = kRateFields[i];
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QString::fromLatin1(field.name));
    box->setRange(field.minimum, field.maximum);
    box->setDecimals(field.decimals);
    // A value counts when it is confirmed (Enter, leaving the field, the arrows).
    box->setKeyboardTracking(false);
    auto* caption = new QLabel(QString::fromUtf8(field.caption), this);
    caption->setBuddy(box);
    const int row = int(i) / 2;
    const int column = int(i) % 2 * 2;
    rates->addWidget(caption, row, column);
    rates->addWidget(box, row, column + 1);
    *fields[i] = box;
  }
  rates->setColumnStretch(4, 1);
  SetRates(MachineRates{});
  for (QDoubleSpinBox* box : {rapid_x_, rapid_z_, spindle_max_, tool_change_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &ToolpathPanel::RateEdited);

  auto* lists = new QSplitter(Qt::Vertical, this);
  tool_times_ =
      MakeList(QStringLiteral("lstToolTimes"),
               {QStringLiteral("工具"), QStringLiteral("登録工具"), QStringLiteral("切削時間"),
                QStringLiteral("早送り時間"), QStringLiteral("切削長 (mm)")},
               lists);
  notes_ = MakeList(QStringLiteral("lstPathNotes"),
                    {QStringLiteral("行"), QStringLiteral("理由"), QStringLiteral("文")}, lists);
  // A listed line, or a tool's first T word, is a click away.
  for (QTreeWidget* list : {notes_, tool_times_}) {
    connect(list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
      const QVariant line = item->data(0, Qt::UserRole);
      if (line.isValid()) GoToLine(line.toInt());
    });
  }

  auto* top = new QHBoxLayout;
  top->addWidget(cycle_time_);
  top->addStretch(1);
  top->addWidget(block_skip_);
  auto* steps = new QHBoxLayout;
  steps->addWidget(step_back_);
  steps->addWidget(step_, 1);
  steps->addWidget(step_next_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(time_parts_);
  layout->addWidget(path_note_);
  layout->addWidget(view_, 3);
  layout->addLayout(steps);
  layout->addWidget(step_text_);
  layout->addLayout(rates);
  layout->addWidget(lists, 1);
  ShowStep();
}

void ToolpathPanel::SetRates(const MachineRates& rates) {
  const QSignalBlocker block_x(rapid_x_), block_z(rapid_z_), block_max(spindle_max_),
      block_change(tool_change_);
  rapid_x_->setValue(rates.rapid_x);
  rapid_z_->setValue(rates.rapid_z);
  spindle_max_->setValue(rates.spindle_max);
  tool_change_->setValue(rates.tool_change);
  if (path_) Interpret();
}

MachineRates ToolpathPanel::Rates() const {
  return MachineRates{rapid_x_->value(), rapid_z_->value(), spindle_max_->value(),
                      tool_change_->value()};
}

void ToolpathPanel::RateEdited() {
  emit RatesChanged(Rates());
  Interpret();
}

void ToolpathPanel::Interpret() {
  // The copy costs a moment; the interpretation goes on while the user types on.
  Interpret(editor_.Utf8View().toByteArray());
}

void ToolpathPanel::Interpret(QByteArray utf8) {
  PathOptions options;
  options.block_skip = block_skip_->isChecked();
  options.rates = Rates();
  jobs_->Start<std::shared_ptr<const ProgramPath>>(
      kInterpretJob,
      [utf8 = std::move(utf8), options] {
        return std::make_shared<const ProgramPath>(InterpretProgram(utf8, options));
      },
      [this](std::shared_ptr<const ProgramPath> path) { ShowPath(std::move(path)); });
}

bool ToolpathPanel::Busy() const { return jobs_->Busy(kInterpretJob); }

void ToolpathPanel::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Showing the window again interprets the text afresh.
  jobs_->Drop(kInterpretJob);
}

void ToolpathPanel::SetMaterial(QImage image, double scale) {
  view_->SetMaterial(std::move(image), scale);
}

void ToolpathPanel::SetRegisteredTools(const QList<ToolData>& tools) {
  registered_ = tools;
  if (path_) ShowTools();
}

void ToolpathPanel::ShowPath(std::shared_ptr<const ProgramPath> path) {
  // Stepping through the old path goes on where it was; a path shown whole stays whole.
  const bool whole = !path_ || step_->value() == step_->maximum();
  path_ = std::move(path);
  view_->SetPath(path_);
  {
    const QSignalBlocker block(step_);
    step_->setRange(0, int(path_->moves.size()));
    if (whole) step_->setValue(step_->maximum());
  }
  int line = 0, index = 0;
  editor_.getCursorPosition(&line, &index);
  view_->SetHighlightLine(line);
  ShowStep();
  ShowTimes();
  ShowTools();
  ShowNotes();
  emit PathShown();
}

void ToolpathPanel::ShowTimes() {
  const CycleTimes& times = path_->times;
  cycle_time_->setText(kCycleTime.arg(CycleTimeText(times.Total()), CycleTimeText(times.cutting)));
  time_parts_->setText(kTimeParts.arg(CycleTimeText(times.rapid), CycleTimeText(times.dwell),
                                      CycleTimeText(times.tool_change)));
  QStringList notes;
  if (path_->nose_compensation_line >= 0)
    notes << kNoseCompensation.arg(path_->nose_compensation_line + 1);
  if (path_->end_line < 0 && !path_->moves.empty()) notes << kNoEnd;
  path_note_->setText(notes.join(u'\n'));
  path_note_->setVisible(!notes.isEmpty());
}

void ToolpathPanel::ShowTools() {
  tool_times_->clear();
  QList<QTreeWidgetItem*> items;
  for (const ToolShare& share : path_->tools) {
    QString tool = kNoTool;
    QString registered;
    if (share.tool > 0 || !share.t_word.isEmpty()) {
      tool = QStringLiteral("T%1 (%2)").arg(share.tool, 2, 10, QLatin1Char('0')).arg(share.t_word);
      registered = kNotRegistered;
      // The graphic subprogram registers a tool by its number in brackets.
      for (const ToolData& data : registered_) {
        if (LeadingNumberValue(data.number) == std::optional<double>(share.tool))
          registered = QStringLiteral("[%1] ").arg(data.number.trimmed()) +
                       preview_text::ToolKindName(data.kind);
      }
    }
    auto* item = new QTreeWidgetItem({tool, registered, CycleTimeText(share.cutting_seconds),
                                      CycleTimeText(share.rapid_seconds),
                                      QString::number(share.cutting_length, 'f', 1)});
    if (share.t_line >= 0) item->setData(0, Qt::UserRole, share.t_line);
    items << item;
  }
  tool_times_->addTopLevelItems(items);
  for (int column = 0; column < 4; ++column) tool_times_->resizeColumnToContents(column);
}

void ToolpathPanel::ShowNotes() {
  notes_->clear();
  QList<QTreeWidgetItem*> items;
  const auto& notes = path_->notes;
  for (size_t i = 0; i < notes.size() && i < size_t(kMaxNoteRows); ++i) {
    auto* item = new QTreeWidgetItem({QString::number(notes[i].line + 1),
                                      PathIssueText(notes[i].issue), LineText(notes[i].line)});
    item->setData(0, Qt::UserRole, notes[i].line);
    items << item;
  }
  if (notes.size() > size_t(kMaxNoteRows))
    items << new QTreeWidgetItem({QString(), kMoreNotes.arg(notes.size() - kMaxNoteRows)});
  notes_->addTopLevelItems(items);
  notes_->resizeColumnToContents(0);
  notes_->resizeColumnToContents(1);
}

void ToolpathPanel::ShowStep() {
  const int count = step_->value();
  const int total = path_ ? int(path_->moves.size()) : 0;
  view_->SetShownMoves(size_t(count));
  QString text = kStep.arg(count).arg(total);
  if (path_ && count > 0) {
    const int line = path_->moves[count - 1].line;
    text += kStepLine.arg(line + 1).arg(LineText(line));
  }
  step_text_->setText(text);
  step_back_->setEnabled(count > 0);
  step_next_->setEnabled(count < total);
}

QString ToolpathPanel::LineText(int line) const {
  if (line >= editor_.lines()) return {};
  const int length = editor_.lineLength(line);
  QString text = length > 4 * kShownLineLength
                     ? editor_.text(editor_.positionFromLineIndex(line, 0),
                                    editor_.positionFromLineIndex(line, 0) + 4 * kShownLineLength)
                     : editor_.text(line);
  while (text.endsWith(u'\n') || text.endsWith(u'\r')) text.chop(1);
  if (text.size() > kShownLineLength) text = text.left(kShownLineLength) + QStringLiteral("…");
  return text;
}

void ToolpathPanel::GoToLine(int line) {
  editor_.setCursorPosition(line, 0);
  editor_.ensureLineVisible(line);
  editor_.window()->activateWindow();
  editor_.setFocus();
  emit LineShown(line);
}

}  // namespace zel
