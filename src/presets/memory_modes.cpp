#include "presets/memory_modes.h"

#include <cmath>

#include "protocol/codecs.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

namespace {

constexpr int kSaveToModeCommand = 70;
constexpr Integer kModeSource = 0x11;  // read a stored mode, not the current parameters
constexpr const char* kOnlineOnly = "对不起,此功能在联机状态下才可以使用";
constexpr const char* kInvalidMode = "对不起,你要保存的位置无效";

// Selects option `index` (or none for -1) and clears the others.
void selectOnly(Form1& f, int index) {
  for (int i = 0; i < kMemoryModes; ++i) f.panels.mOption[i].setValue(i == index);
}

}  // namespace

std::optional<int> memoryModeOf(const std::string& entry) {
  const double n = leadingNumber(entry);
  if (n != std::floor(n) || n < 1 || n > kMemoryModes) return std::nullopt;
  return int(n);
}

void saveToDeviceMode(Form1& f) {
  selectOnly(f, -1);
  const std::string entry =
      f.dialogs.input("请输入你要保存的位置1---10", "保存到设备", "0").value_or("");
  if (!f.online()) {
    f.timers.timer1->setEnabled(false);
    f.dialogs.message(kOnlineOnly, "系统提示", MessageIcon::Error);
    return;
  }
  if (!memoryModeOf(entry)) {
    f.dialogs.message(kInvalidMode, "提示");
    return;
  }
  // The frame and the confirmation read the mode from saveModeText, so it
  // takes only an entry that is sent: a refused entry must not change the
  // mode of a store still waiting for its acknowledgement.
  f.state.saveModeText = entry;
  requestCommand(f, kSaveToModeCommand);
}

void recallDeviceMode(Form1& f, int index) {
  selectOnly(f, index);
  if (!f.online()) {
    f.timers.timer1->setEnabled(false);
    return;
  }
  LinkState& s = f.state;
  s.commandKind = kReadBackKind;
  s.readBlock = 1;
  s.readSource = kModeSource;
  for (int i = 0; i < Form1::kPanelCount; ++i) f.Lkframe[i].setVisible(false);
  f.Label9.setVisible(true);
  f.Label9.setCaption("请稍后......");
  s.eqSendEnabled = false;
  f.timers.timer1->setEnabled(true);
  s.readMode = Integer(index + 1);
}

void connectMemoryModes(Form1& f) {
  f.Command8.clicked.connect([&f] { saveToDeviceMode(f); });
  for (int i = 0; i < kMemoryModes; ++i)
    f.panels.mOption[i].clicked.connect([&f, i] { recallDeviceMode(f, i); });
}

}  // namespace kavel
