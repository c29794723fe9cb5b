#pragma once
// The ordered table of replies: a reply is recognised by the first 4, 6 or 8
// characters of its hex text together with a condition on the link record;
// the first entry that matches wins. The acknowledgement entries come from
// the command catalogue, the probe replies from the model table.
#include <string>
#include <vector>

#include "link/link_state.h"
#include "protocol/catalogue.h"

namespace kavel {

enum class ReplyAction {
  ProbeAnswered,      // a model's probe reply
  UnsupportedDevice,  // "5A79" while the probe addresses model 1 or 2
  ConnectAcknowledged,
  ReadBackBlock,
  OfflineAcknowledged,
  Acknowledged,       // a plain acknowledgement of a parameter command
  SavedToMode,
  BulkImportDone,
};

struct ReplyEntry {
  enum class When { Always, DeviceModel, Kind };

  std::string code;
  When when = When::Always;
  Integer deviceModel = 0;        // for When::DeviceModel
  std::vector<Integer> kinds;     // for When::Kind: any of these
  ReplyAction action = ReplyAction::Acknowledged;
  int modelColumn = 0;            // ProbeAnswered: the model's column
  int block = 0;                  // ReadBackBlock: 0x01..0x27
  Owner timer = Owner::Timer2;    // Acknowledged: the timer to stop

  bool matches(const std::string& rxHex, const LinkState& state) const;
};

inline constexpr int kReadBackBlocks = 39;  // blocks 0x01 to 0x27

const std::vector<ReplyEntry>& replyTable();
// The first entry that matches, or nullptr: a communication error.
const ReplyEntry* matchReply(const std::string& rxHex, const LinkState& state);

// True when `rxHex` is the beginning of a reply the link takes once its rest
// has come: shorter than the code of an entry whose condition holds, and
// equal to its start. A reply crossing the 10 ms window then waits for the
// next notification instead of failing; nothing more is sent for it. (A
// read-back block is taken as it stands once its code has come: its missing
// bytes read 0.)
bool replyIncomplete(const std::string& rxHex, const LinkState& state);

}  // namespace kavel
