#pragma once
// The read-back sequence: after a connect (and after a memory-mode recall)
// the processor's 39 parameter blocks are requested one after another; each
// reply is decoded into the panels, the next block is asked for, and the
// last block ends the sequence.
#include <string>

#include "controls/progress_bar.h"
#include "link/reply_dispatcher.h"

namespace kavel {

class Form1;

class ReadBack {
 public:
  static constexpr int kLastRecallBlock = 0x25;  // a recall reads 0x01 to 0x25
  static constexpr int kLastBlock = 0x27;        // a connect reads 0x01 to 0x27
  static constexpr int kEndPauseMs = 1000;

  // Takes the block replies of the dispatcher.
  ReadBack(Form1& form, ReplyDispatcher& dispatcher);

  // Handles the reply of block `block` (0x01 to 0x27): decodes it into the
  // window (block_fields.h), then asks for block + 1 or ends the read-back.
  ReceiveEnd handleBlock(int block);

  // A block is being written into the panels: the values are the
  // processor's, not the operator's edits.
  bool decoding() const { return decoding_; }

  // How far the read-back has come, shown under Label9's section caption:
  // the last block read, of 39 for a connect or 37 for a recall. Any caption
  // in Label9 that the read-back did not set (a new connect, a recall's
  // start, an import) clears it; it hides with Label9.
  ProgressBar progress{"readProgress"};

 private:
  void followLabel9();
  void showProgress(int block);

  ReceiveEnd endRecall();
  void endConnect();

  Form1& f_;
  ReplyDispatcher& dispatcher_;
  bool decoding_ = false;
  bool handling_ = false;      // inside handleBlock: Label9's captions are ours
  std::string label9Caption_;  // the caption followLabel9 saw last
};

}  // namespace kavel
