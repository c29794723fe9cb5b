#include "readback/read_back.h"

#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

ReadBack::ReadBack(Form1& form, ReplyDispatcher& dispatcher) : f_(form), dispatcher_(dispatcher) {
  dispatcher_.readBackBlock = [this](int block) { return handleBlock(block); };
  // Under Label9's place, as wide as its longest section caption.
  progress.setGeometry(fromTwips(6000, 4320, 3900, 180));
  progress.setVisible(false);
  f_.Label9.changed.connect([this] { followLabel9(); });
}

void ReadBack::followLabel9() {
  const Label& label = f_.Label9;
  if (!label.visible()) {
    progress.setVisible(false);
  } else if (label.caption() != label9Caption_ && !handling_) {
    progress.setVisible(false);
    progress.setValue(0);
  }
  label9Caption_ = label.caption();
}

void ReadBack::showProgress(int block) {
  const LinkState& s = f_.state;
  const bool recall = s.readSource != 0 || s.readMode != 0;
  progress.setMaximum(recall ? kLastRecallBlock : kLastBlock);
  progress.setValue(block);
  progress.setVisible(f_.Label9.visible());
}

ReceiveEnd ReadBack::handleBlock(int block) {
  struct Handling {
    bool& flag;
    explicit Handling(bool& f) : flag(f) { flag = true; }
    ~Handling() { flag = false; }
  } handling(handling_);
  f_.timers.timer2->setEnabled(false);
  decoding_ = true;
  decodeBlock(f_, block);
  decoding_ = false;
  showProgress(block);
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
