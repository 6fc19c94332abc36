#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

#include "preview/graphic_reader.h"
#include "toolpath/program_path.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSlider;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zel {

class BackgroundJobs;
class EditorBox;
class ToolpathView;

// The main program's tool path in the preview window: the path over the material of spindle
// 1 with the moves of the caret's line highlighted, a step control that walks it move by move,
// the cycle time ("サイクルタイム H:MM:SS.s（切削 H:MM:SS.s）") with its parts, the share of each
// tool, the lines not simulated, the block-skip switch and the four machine rates of the time
// model. A click on a move, or on a listed line, puts the editor's caret on its line.
//
// The program is interpreted away from the main thread from a copy of the editor's text (see
// BackgroundJobs); a result that a later Interpret has overtaken is dropped unseen.
class ToolpathPanel : public QWidget {
  Q_OBJECT

 public:
  // Rows of the list of lines not simulated, at most; a last row tells how many more there are.
  static constexpr int kMaxNoteRows = 1000;

  explicit ToolpathPanel(EditorBox& editor, QWidget* parent = nullptr);

  // The machine's rates: shown in the four fields; the path is interpreted again.
  void SetRates(const MachineRates& rates);
  MachineRates Rates() const;
  // Interprets the editor's text again.
  void Interpret();
  // Interprets this copy of the editor's text (UTF-8), which the caller has taken anyway.
  void Interpret(QByteArray utf8);
  // Whether an interpretation is under way whose result will still be shown.
  bool Busy() const;
  // The X-Z section of spindle 1 the path is drawn over (a null image: none), drawn at
  // `scale` pixels a unit.
  void SetMaterial(QImage image, double scale);
  // The tools registered in the graphic subprogram, named in the list of tool shares.
  void SetRegisteredTools(const QList<ToolData>& tools);
  // The path shown, or null before the first result.
  const ProgramPath* Path() const { return path_.get(); }
  ToolpathView* View() const { return view_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 signals:
  // The user changed a rate in the window.
  void RatesChanged(const MachineRates& rates);
  // A result of Interpret is shown.
  void PathShown();
  // The editor's caret was put on a line (0-based).
  void LineShown(int line);

 private:
  void ShowPath(std::shared_ptr<const ProgramPath> path);
  void ShowTimes();
  void ShowTools();
  void ShowNotes();
  void ShowStep();
  void GoToLine(int line);
  void RateEdited();
  // The text of a line of the editor, cut to a length a list shows.
  QString LineText(int line) const;

  // The one kind of background work of the panel.
  enum JobKind { kInterpretJob };

  EditorBox& editor_;
  BackgroundJobs* jobs_ = nullptr;
  std::shared_ptr<const ProgramPath> path_;
  QList<ToolData> registered_;
  ToolpathView* view_ = nullptr;
  QLabel* cycle_time_ = nullptr;
  QLabel* time_parts_ = nullptr;
  QLabel* path_note_ = nullptr;
  QCheckBox* block_skip_ = nullptr;
  QSlider* step_ = nullptr;
  QToolButton* step_back_ = nullptr;
  QToolButton* step_next_ = nullptr;
  QLabel* step_text_ = nullptr;
  QDoubleSpinBox* rapid_x_ = nullptr;
  QDoubleSpinBox* rapid_z_ = nullptr;
  QDoubleSpinBox* spindle_max_ = nullptr;
  QDoubleSpinBox* tool_change_ = nullptr;
  QTreeWidget* tool_times_ = nullptr;
  QTreeWidget* notes_ = nullptr;
};

}  // namespace zel
