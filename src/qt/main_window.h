#pragma once
// The editor's window: menus, the top bar, the five panel frames and the
// status line, all mirrored from the core's Form1.
#include <memory>

#include <QLabel>
#include <QMainWindow>

#include "qt/center_surround_view.h"
#include "qt/effect_panel_view.h"
#include "qt/group_frame_widget.h"
#include "qt/mic_panel_view.h"
#include "qt/music_panel_view.h"
#include "qt/sub_settings_view.h"
#include "window/form1.h"

namespace kavel {

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(Form1& form);

  // The frame widget of panel i, for the panels' own views.
  GroupFrameWidget* panelFrame(int i) { return panels_[i]; }
  // A note at the right of the status line, e.g. that the processor is simulated.
  void setNotice(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  void buildTopBar(QWidget* client);

  Form1& form_;
  GroupFrameWidget* panels_[Form1::kPanelCount]{};
  std::unique_ptr<MicPanelView> micPanel_;
  std::unique_ptr<MusicPanelView> musicPanel_;
  std::unique_ptr<EffectPanelView> effectPanel_;
  std::unique_ptr<CenterSurroundView> centerSurroundPanel_;
  std::unique_ptr<SubSettingsView> subSettingsPanel_;
  QLabel* notice_ = nullptr;
  bool exitConfirmed_ = false;
};

}  // namespace kavel
