#include "link/reply_table.h"

#include <algorithm>

#include "link/device_models.h"
#include "protocol/command_frame.h"

namespace kavel {

bool ReplyEntry::matches(const std::string& rxHex, const LinkState& s) const {
  if (rxHex.size() < code.size() || rxHex.compare(0, code.size(), code) != 0) return false;
  switch (when) {
    case When::Always: return true;
    case When::DeviceModel: return s.deviceModel == deviceModel;
    case When::Kind: return std::find(kinds.begin(), kinds.end(), s.commandKind) != kinds.end();
  }
  return false;
}

namespace {

// The plain acknowledgements in the order they are tried; a group of kinds
// shares one entry.
const std::vector<std::vector<Integer>> kTimer2Acks = {
    {2},  {3},  {76}, {4},  {5},  {6},  {7},  {8},  {53}, {75}, {100, 101}, {18}, {9}, {10},
    {12}, {13}, {14}, {15}, {16}, {55}, {56}, {72}, {98}, {99}, {102, 103}, {46}, {47}, {49},
    {50}, {51}, {52}, {36}, {44}, {45}, {37}, {38}, {40}, {41}, {42}, {43},
};
const std::vector<std::vector<Integer>> kTimer3Acks = {
    {24}, {25}, {28}, {30}, {31}, {34}, {19}, {20}, {78}, {21}, {22}, {59},
    {60}, {61}, {62}, {63}, {64}, {65}, {66}, {67}, {69}, {73}, {74},
};

// The acknowledgement of a catalogue row; for the link command its code byte is `linkValue`.
std::string ackOf(int kind, Byte linkValue = 0) {
  const Command& c = *findCommand(kind);
  return ackCode(c.group, c.frame == Frame::Link ? linkValue : c.code, c.ackChars);
}

ReplyEntry entry(std::string code, ReplyAction action) {
  ReplyEntry e;
  e.code = std::move(code);
  e.action = action;
  return e;
}

ReplyEntry onKinds(std::string code, std::vector<Integer> kinds, ReplyAction action) {
  ReplyEntry e = entry(std::move(code), action);
  e.when = ReplyEntry::When::Kind;
  e.kinds = std::move(kinds);
  return e;
}

void addAcks(std::vector<ReplyEntry>& table, const std::vector<std::vector<Integer>>& groups) {
  for (const auto& kinds : groups) {
    ReplyEntry e = onKinds(ackOf(kinds.front()), kinds, ReplyAction::Acknowledged);
    e.timer = findCommand(kinds.front())->owner;
    table.push_back(std::move(e));
  }
}

std::vector<ReplyEntry> makeTable() {
  std::vector<ReplyEntry> t;
  for (int column = 0; column < kModelColumns; ++column) {
    const DeviceModel& m = kDeviceModels[column];
    ReplyEntry e = entry(m.reply, ReplyAction::ProbeAnswered);
    e.when = ReplyEntry::When::DeviceModel;
    e.deviceModel = m.deviceModel;
    e.modelColumn = column;
    t.push_back(std::move(e));
  }
  // The second variant's reply from any other model is a device this editor does not drive.
  t.push_back(entry(kDeviceModels[3].reply, ReplyAction::UnsupportedDevice));
  t.push_back(onKinds(ackOf(1, 0x7F), {1}, ReplyAction::ConnectAcknowledged));
  for (int block = 1; block <= kReadBackBlocks; ++block) {
    ReplyEntry e = onKinds("10" + toHex({Byte(block)}), {11}, ReplyAction::ReadBackBlock);
    e.block = block;
    t.push_back(std::move(e));
  }
  t.push_back(onKinds(ackOf(1, 0x00), {1}, ReplyAction::OfflineAcknowledged));
  addAcks(t, kTimer2Acks);
  addAcks(t, kTimer3Acks);
  t.push_back(onKinds(ackOf(70), {70}, ReplyAction::SavedToMode));
  t.push_back(onKinds(kBulkImportAck, {std::begin(kBulkImportKinds), std::end(kBulkImportKinds)},
                      ReplyAction::BulkImportDone));
  return t;
}

}  // namespace

const std::vector<ReplyEntry>& replyTable() {
  static const std::vector<ReplyEntry> table = makeTable();
  return table;
}

const ReplyEntry* matchReply(const std::string& rxHex, const LinkState& state) {
  for (const ReplyEntry& e : replyTable())
    if (e.matches(rxHex, state)) return &e;
  return nullptr;
}

bool replyIncomplete(const std::string& rxHex, const LinkState& state) {
  if (rxHex.empty() || matchReply(rxHex, state)) return false;
  for (const ReplyEntry& e : replyTable())
    if (e.code.size() > rxHex.size() && e.code.compare(0, rxHex.size(), rxHex) == 0 &&
        e.matches(e.code, state))
      return true;
  return false;
}

}  // namespace kavel
