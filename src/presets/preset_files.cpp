#include "presets/preset_files.h"

#include <filesystem>
#include <vector>

#include "presets/atomic_file.h"
#include "presets/bulk_import.h"
#include "presets/memory_modes.h"
#include "presets/preset_apply.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"
#include "window/form1.h"

namespace kavel {
namespace {

constexpr const char* kOnlineOnly = "对不起,此功能在联机状态下才可以使用";
constexpr const char* kTitle = "系统提示";

const std::vector<FileFilter>& presetFilters() {
  static const std::vector<FileFilter> filters{{"KTV文件(*.ktv)", "*.ktv"},
                                               {"所有文件(*.*)", "*"}};
  return filters;
}

// The panel frame shown now; -1 when none is.
int shownPanel(Form1& f) {
  for (int i = 0; i < Form1::kPanelCount; ++i)
    if (f.Lkframe[i].visible()) return i;
  return -1;
}

void showOnly(Form1& f, int panel) {
  for (int i = 0; i < Form1::kPanelCount; ++i) f.Lkframe[i].setVisible(i == panel);
}

// A refused file: the window as it was before the load, ready for edits.
void endRefusedLoad(Form1& f, int panel) {
  showOnly(f, panel);
  f.Label9.setCaption("");
  f.Label9.setVisible(panel < 0);
  f.state.eqSendEnabled = true;
}

}  // namespace

void savePresetToComputer(Form1& f) {
  if (!f.online()) {
    f.dialogs.message(kOnlineOnly, kTitle, MessageIcon::Error);
    return;
  }
  const auto path = f.dialogs.saveFile("保存在电脑", presetFilters(), f.presetFileName);
  if (!path || path->empty()) return;
  f.presetFileName = *path;
  const PresetBytes file = formatPreset(takeSnapshot(f));
  std::error_code ec;
  const bool replacing = std::filesystem::exists(*path, ec);
  std::string why = file.error;
  if (why.empty()) {
    if (const FileFailure failure = replaceFile(*path, file.bytes)) why = saveFailureText(failure);
  }
  if (!why.empty()) {
    f.dialogs.message("参数未能保存到 " + *path + ":" + why + (replacing ? "。原有文件保持不变。" : "。"),
                      kTitle, MessageIcon::Error);
    return;
  }
  f.dialogs.message(kSavedMessage, kTitle);
}

void loadPresetFromComputer(Form1& f) {
  if (!f.online()) {
    f.timers.timer4->setEnabled(false);
    f.dialogs.message(kOnlineOnly, kTitle, MessageIcon::Error);
    return;
  }
  const auto path = f.dialogs.openFile("从电脑中调用", presetFilters(), f.presetFileName);
  if (!path || path->empty()) return;
  f.presetFileName = *path;
  const int panel = shownPanel(f);
  f.state.eqSendEnabled = false;
  showOnly(f, -1);
  f.Label9.setVisible(true);
  f.Label9.setCaption("请稍后正在导出数据......");
  const ParsedPreset parsed = readPresetFile(*path);
  if (!parsed.snapshot) {
    if (parsed.noMarker) {
      f.dialogs.message(kNotAPresetMessage, Form1::kCaption, MessageIcon::Error);
    } else {
      f.dialogs.message("无法调用效果文件 " + *path + ",面板上的参数未作任何改动。\n" + parsed.message,
                        kTitle, MessageIcon::Error);
    }
    endRefusedLoad(f, panel);
    return;
  }
  applyPreset(f, *parsed.snapshot);
  for (int i = 0; i < kMemoryModes; ++i) f.panels.mOption[i].setValue(false);
  f.Label9.setCaption("请稍后正在下载数据......");
  startBulkImport(f);
}

void connectPresetFiles(Form1& f) {
  f.Command7.clicked.connect([&f] { savePresetToComputer(f); });
  f.Command9.clicked.connect([&f] { loadPresetFromComputer(f); });
}

}  // namespace kavel
