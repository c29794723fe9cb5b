#include "link/reply_dispatcher.h"

#include <exception>

#include "link/handshake.h"
#include "link/reply_table.h"
#include "protocol/codecs.h"
#include "window/form1.h"

namespace kavel {

namespace {

// A failing step of the receive handling is skipped; the next one runs.
template <typename F>
void step(F&& f) {
  try {
    f();
  } catch (const std::exception&) {
  }
}

Timer& timerOf(Form1& f, Owner owner) {
  switch (owner) {
    case Owner::Timer2: return *f.timers.timer2;
    case Owner::Timer3: return *f.timers.timer3;
    case Owner::Timer4: return *f.timers.timer4;
  }
  return *f.timers.timer2;
}

}  // namespace

ReplyDispatcher::ReplyDispatcher(Form1& form, Handshake& handshake)
    : f_(form), handshake_(handshake) {
  f_.port.onComm = [this] { MSComm1_OnComm(); };
}

void ReplyDispatcher::MSComm1_OnComm() {
  // A notification that arrives while a reply's message box is open waits
  // in the port's buffer; the handler never runs inside itself.
  if (receiving_ || f_.port.commEvent() != SerialPort::kCommEventReceive) return;
  receiving_ = true;
  LinkState& s = f_.state;
  // Nothing else of the editor runs during the pause; the line keeps filling the buffer.
  f_.clock.pause(kAssemblyMs);
  s.rxInput.clear();
  s.rxBytes.clear();
  step([&] {
    s.rxInput = f_.port.readAll();
    s.rxBytes = s.rxInput;
  });
  // A notification whose bytes an earlier handling already took finds
  // nothing waiting: it is no reply, so nothing is matched or discarded.
  if (s.rxBytes.empty()) {
    receiving_ = false;
    return;
  }
  takeReceived(s);
  // The rest of a reply split across notifications comes with a later one;
  // the buffers keep what has come.
  if (replyIncomplete(s.rxHex, s)) {
    receiving_ = false;
    return;
  }
  ReceiveEnd end = ReceiveEnd::Normally;
  step([&] {
    if (const ReplyEntry* entry = matchReply(s.rxHex, s))
      end = run(*entry);
    else
      communicationError();
  });
  if (end == ReceiveEnd::Normally) {
    step([&] { f_.port.discardInput(); });
    step([&] { f_.port.discardOutput(); });
  }
  receiving_ = false;
}

// Adds the bytes just read to the reply text. A partial reply kept from an
// earlier notification that these bytes do not continue was never finished
// (the processor hung up, or sent a stray byte): it goes, and the new bytes
// are judged on their own.
void ReplyDispatcher::takeReceived(LinkState& s) {
  const std::string received = toHex(s.rxBytes);
  s.rxHex += received;
  if (s.rxHex.size() > received.size() && !matchReply(s.rxHex, s) && !replyIncomplete(s.rxHex, s))
    s.rxHex = received;
}

ReceiveEnd ReplyDispatcher::run(const ReplyEntry& e) {
  LinkState& s = f_.state;
  switch (e.action) {
    case ReplyAction::ProbeAnswered:
      handshake_.probeAnswered(e.modelColumn);
      break;
    case ReplyAction::UnsupportedDevice:
      handshake_.unsupportedDevice();
      return ReceiveEnd::AtOnce;
    case ReplyAction::ConnectAcknowledged:
      handshake_.connectAcknowledged();
      break;
    case ReplyAction::ReadBackBlock:
      return readBackBlock ? readBackBlock(e.block) : ReceiveEnd::Normally;
    case ReplyAction::OfflineAcknowledged:
      handshake_.offlineAcknowledged();
      break;
    case ReplyAction::Acknowledged:
      s.clearReply();
      timerOf(f_, e.timer).setEnabled(false);
      s.resetCounters();
      break;
    case ReplyAction::SavedToMode:
      savedToMode();
      break;
    case ReplyAction::BulkImportDone:
      bulkImportDone();
      break;
  }
  return ReceiveEnd::Normally;
}

void ReplyDispatcher::requestNextBlock(int block) {
  LinkState& s = f_.state;
  s.clearReply();
  f_.timers.timer2->setEnabled(false);
  s.resetCounters();
  s.commandKind = kReadBackKind;
  s.readBlock = Integer(block + 1);
  f_.timers.timer1->setEnabled(true);
}

void ReplyDispatcher::communicationError() {
  f_.state.clearReply();
  f_.timers.stopAll();
  f_.dialogs.message(kCommunicationError, "系统提示", MessageIcon::Error);
}

void ReplyDispatcher::savedToMode() {
  LinkState& s = f_.state;
  s.clearReply();
  f_.timers.timer3->setEnabled(false);
  s.resetCounters();
  f_.dialogs.message("当前数据已保存到模式" + formatNumber(leadingNumber(s.saveModeText)), "提示");
}

void ReplyDispatcher::bulkImportDone() {
  LinkState& s = f_.state;
  s.clearReply();
  f_.timers.timer4->setEnabled(false);
  f_.Label9.setCaption("导入成功");
  f_.clock.pause(100);
  s.resetCounters();
  s.eqSendEnabled = true;
}

}  // namespace kavel
