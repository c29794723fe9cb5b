#pragma once
// The band editor on screen: mirrors a BandEditor model (boxes, knob, step
// buttons) and reports the operator's input to it. A held step button
// repeats on a timer, so the window keeps running between steps.
#include <QTimer>
#include <QWidget>

#include "graph/band_editor.h"

class QLineEdit;

namespace kavel {

class BandEditorWidget : public QWidget {
 public:
  // The model outlives the widget.
  explicit BandEditorWidget(BandEditor& editor, QWidget* parent = nullptr);
  BandEditor& editor() { return editor_; }
  QSize sizeHint() const override { return {51, 245}; }

  // How a held step button repeats: the pause after the first step, then
  // the time between steps (milliseconds).
  void setRepeatTiming(int delayMs, int intervalMs);

  QLineEdit* txtDB() const { return txtDB_; }
  QLineEdit* txtF() const { return txtF_; }
  QLineEdit* txtQ() const { return txtQ_; }
  QWidget* track() const { return track_; }
  QWidget* stepButton(BandEditor::StepButton which) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QLineEdit* makeBox(TextBox& model);
  void startStep(BandEditor::StepButton which);
  void repeatStep();
  void endStep();

  BandEditor& editor_;
  QLineEdit* txtDB_;
  QLineEdit* txtF_;
  QLineEdit* txtQ_;
  QWidget* track_;
  QWidget* steps_[4];
  QTimer repeat_;
  int repeatDelay_ = 300, repeatInterval_ = 40;
};

}  // namespace kavel
