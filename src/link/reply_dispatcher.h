#pragma once
// Receive handling: on each notification of received bytes, wait 10 ms for
// the rest of the reply, take everything waiting as hex text, run the first
// matching entry of the reply table (or the communication error) and
// discard what is left in the port's buffers. A reply still incomplete
// after the 10 ms is kept until the next notification brings its rest.
#include <functional>

namespace kavel {

class Form1;
class Handshake;
struct LinkState;
struct ReplyEntry;

// How a reply's handling ends: normally with the buffer discard, or at once without it.
enum class ReceiveEnd { Normally, AtOnce };

class ReplyDispatcher {
 public:
  static constexpr const char* kCommunicationError = "通信发生异常!";
  static constexpr int kAssemblyMs = 10;

  // Takes the port's receive notification.
  ReplyDispatcher(Form1& form, Handshake& handshake);

  void MSComm1_OnComm();

  // What the read-back makes of block `block` (0x01..0x27); set by the read-back.
  std::function<ReceiveEnd(int block)> readBackBlock;
  // The closing step of every block that does not end a read-back: clear
  // the reply, stop Timer2, reset the counters and probe for block + 1.
  void requestNextBlock(int block);

 private:
  void takeReceived(LinkState& state);
  ReceiveEnd run(const ReplyEntry& entry);
  void communicationError();
  void savedToMode();
  void bulkImportDone();

  Form1& f_;
  Handshake& handshake_;
  bool receiving_ = false;
};

}  // namespace kavel
