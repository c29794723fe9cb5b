#include "readback/read_back.h"

#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

ReadBack::ReadBack(Form1& form, ReplyDispatcher& dispatcher) : f_(form), dispatcher_(dispatcher) {
  dispatcher_.readBackBlock = [this](int block) { return handleBlock(block); };
}

ReceiveEnd ReadBack::handleBlock(int block) {
  f_.timers.timer2->setEnabled(false);
  decoding_ = true;
  decodeBlock(f_, block);
  decoding_ = false;
  const LinkState& s = f_.state;
  if (block == kLastRecallBlock && (s.readSource != 0 || s.readMode != 0)) return endRecall();
  if (block == kLastBlock) {
    endConnect();
    return ReceiveEnd::Normally;
  }
  dispatcher_.requestNextBlock(block);
  return ReceiveEnd::Normally;
}

ReceiveEnd ReadBack::endRecall() {
  f_.state.clearReply();
  f_.timers.stopAll();
  f_.state.eqSendEnabled = true;
  f_.Label9.setCaption("调   用  完  成");
  f_.clock.pause(kEndPauseMs);
  f_.state.resetCounters();
  return ReceiveEnd::AtOnce;
}

void ReadBack::endConnect() {
  LinkState& s = f_.state;
  s.clearReply();
  f_.timers.stopAll();
  s.resetCounters();
  f_.mnulianji.setEnabled(false);
  f_.mnutuoji.setEnabled(true);
  s.eqSendEnabled = true;
  s.isOnline = true;
  f_.Label8.setCaption("联 机 状 态");
  f_.Label8.setForeColor(colors::brightGreen);
  f_.Label9.setCaption("数据加载完成...");
  f_.clock.pause(kEndPauseMs);
  f_.Label9.setVisible(false);
  f_.Lkframe[2].setVisible(true);
  s.readBackEndReset();
}

}  // namespace kavel
