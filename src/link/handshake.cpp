#include "link/handshake.h"

#include "link/device_models.h"
#include "window/form1.h"

namespace kavel {

Handshake::Handshake(Form1& form) : f_(form) {
  f_.mnulianji.clicked.connect([this] { mnulianji_Click(); });
  f_.mnutuoji.clicked.connect([this] { mnutuoji_Click(); });
  f_.timers.timer1->setHandler([this] { Timer1_Timer(); });
}

void Handshake::mnulianji_Click() {
  if (!f_.port.isOpen() && f_.port.open()) return;  // cannot open: nothing changes
  f_.Label8.setCaption(kWaiting);
  for (int i = 0; i < Form1::kPanelCount; ++i) f_.Lkframe[i].setVisible(false);
  f_.Label9.setVisible(true);
  f_.Label9.setCaption("");
  LinkState& s = f_.state;
  s.eqSendEnabled = false;
  s.probeFrame = kDeviceModels[0].probe;
  s.deviceModel = kDeviceModels[0].deviceModel;
  s.commandKind = 1;
  s.paramCode = 127;
  f_.timers.timer1->setEnabled(true);
}

void Handshake::mnutuoji_Click() {
  if (!f_.online()) return;
  f_.state.commandKind = 1;
  f_.state.paramCode = 0;
  f_.timers.timer1->setEnabled(true);
}

void Handshake::Timer1_Timer() {
  LinkState& s = f_.state;
  Timer& timer1 = *f_.timers.timer1;
  f_.port.write({s.probeFrame});
  ++s.probeTicks;
  // After 25 unanswered probes the next model's byte, after 50 the third's.
  for (int column : {1, 2}) {
    if (s.probeTicks != (column == 1 ? kModel2At : kModel3At)) continue;
    s.clearReply();
    timer1.restart();
    s.probeFrame = kDeviceModels[column].probe;
    s.deviceModel = kDeviceModels[column].deviceModel;
  }
  if (s.probeTicks != kGiveUpAt) return;
  s.clearReply();
  s.probeTicks = 0;
  timer1.setEnabled(false);
  if (f_.mnulianji.enabled()) {
    f_.dialogs.message(kConnectFailed, "系统提示", MessageIcon::Error);
    f_.Label9.setVisible(false);
    f_.Label8.setCaption(kOffline);
    f_.Label8.setForeColor(colors::red);
  } else {
    f_.dialogs.message(kOperationFailed, "系统提示", MessageIcon::Error);
    timer1.setEnabled(false);
  }
}

void Handshake::probeAnswered(int modelColumn) {
  LinkState& s = f_.state;
  s.altModel3 = kDeviceModels[modelColumn].altModel3;
  applyModel(f_, modelColumn);
  s.clearReply();
  f_.timers.timer1->setEnabled(false);
  f_.timers.timer2->setEnabled(true);
  f_.timers.timer3->setEnabled(true);
  f_.timers.timer4->setEnabled(true);
}

void Handshake::connectAcknowledged() {
  LinkState& s = f_.state;
  s.clearReply();
  f_.mnutuoji.setEnabled(true);
  f_.timers.timer2->setEnabled(false);
  s.resetCounters();
  f_.timers.timer1->setEnabled(true);
  s.commandKind = kReadBackKind;  // the read-back of the processor's parameters follows
  s.readBlock = 1;
}

void Handshake::offlineAcknowledged() {
  LinkState& s = f_.state;
  s.clearReply();
  f_.Label8.setCaption(kOffline);
  f_.Label8.setForeColor(colors::red);
  s.isOnline = false;
  f_.mnutuoji.setEnabled(false);
  f_.mnulianji.setEnabled(true);
  if (f_.port.isOpen()) f_.port.close();
  f_.timers.stopAll();
  s.offlineReset();
}

void Handshake::unsupportedDevice() {
  f_.state.clearReply();
  f_.state.resetCounters();
  f_.timers.stopAll();
  f_.dialogs.message(kUnsupportedDevice, Form1::kCaption, MessageIcon::Error);
}

}  // namespace kavel
