#include "sim/processor.h"

#include <cstdio>

#include "sim/block_map.h"
#include "sim/import_map.h"

namespace kavel::sim {

namespace {

constexpr Byte kGroupLink = 0x01;
constexpr Byte kGroupSave = 0x12;
constexpr Byte kReadMode = 0x11;
constexpr Byte kLinkOn = 0x7F;
constexpr Byte kLinkOff = 0x00;
constexpr Byte kBandCode = 0x01;
constexpr Byte kBypassOn = 0x7F;
constexpr Byte kFlatGain = 120;

// The two equalizers with a bypass and a reset command of their own.
struct EqSwitches {
  EqId eq;
  Byte group;
  Byte resetCode;
  Byte bypassCode;
  ParamId bypassFlag;
};
constexpr EqSwitches kEqSwitches[] = {
    {micEq, 0x02, 0x09, 0x0C, micEqBypass},
    {musicEq, 0x03, 0x0D, 0x10, musicEqBypass},
};

std::string hexByte(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", v & 0xFF);
  return buf;
}

// Parameters that live in the settings blocks belong to the unit, not to a
// memory mode: a recall leaves them as they are.
bool isGlobal(ParamId p) {
  for (int block : {0x26, 0x27})
    for (const Field& f : blockFields(block, Model::M1))
      if (f.kind == Field::Kind::Scalar && f.id == p) return true;
  return false;
}

}  // namespace

Bytes ackOf(Byte group, Byte code) { return {0x35, 0x82, group, code}; }

Processor::Processor(Model model, Store current) : model_(model), current_(std::move(current)) {
  modes_.fill(Store::factory());
}

std::vector<Exchange> Processor::receive(const Bytes& in, long long nowUs) {
  std::vector<Exchange> out;
  for (const Chunk& c : parser_.feed(in, nowUs)) out.push_back(handle(c));
  return out;
}

Exchange Processor::handle(const Chunk& c) {
  switch (c.kind) {
    case Chunk::Kind::Probe: return handleProbe(c.bytes[0]);
    case Chunk::Kind::Frame: return handleFrame(c.bytes);
    case Chunk::Kind::Ignored: break;
  }
  return Exchange{c.bytes, {}, "skipped", false, false};
}

Exchange Processor::handleProbe(Byte b) {
  Exchange ex{{b}, {}, "", true, false};
  const ModelInfo& info = modelInfo(model_);
  if (b == info.probe) {
    ex.reply = {0x5A, info.probeReply};
    ex.note = "probe " + hexByte(b);
  } else {
    ex.note = "probe " + hexByte(b) + " of another model, no answer";
  }
  return ex;
}

Exchange Processor::handleFrame(const Bytes& f) {
  Exchange ex{f, {}, "", true, false};
  Byte len = f[6];
  if (len == 2 && f[7] == kGroupLink)
    handleLink(f, ex);
  else if (len == 2 && f[7] == kGroupSave)
    handleSave(f, ex);
  else if (len >= 0xD6)
    handleImport(f, ex);
  else if (len == 5 && f[9] == 0x10 && f[11] == 0x08 && (f[7] == 0x00 || f[7] == kReadMode))
    handleRead(f, ex);
  else
    handleCommand(f, ex);
  return ex;
}

void Processor::handleLink(const Bytes& f, Exchange& ex) {
  Byte what = f[8];
  if (what != kLinkOn && what != kLinkOff) {
    ex.note = "link command " + hexByte(what) + " unknown, no answer";
    return;
  }
  connected_ = what == kLinkOn;
  ex.reply = ackOf(kGroupLink, what);
  ex.note = connected_ ? "connect" : "go offline";
}

void Processor::handleSave(const Bytes& f, Exchange& ex) {
  int mode = f[8];
  if (mode < 1 || mode > kModeCount) {
    ex.note = "store to mode " + std::to_string(mode) + " out of range, no answer";
    return;
  }
  modes_[mode - 1] = current_;
  ex.changed = true;
  ex.reply = ackOf(kGroupSave, f[8]);
  ex.note = "current parameters stored to mode " + std::to_string(mode);
}

void Processor::recall(int mode) {
  const Store& m = modes_[mode - 1];
  for (const ParamInfo& p : params())
    if (!isGlobal(p.id)) current_.values[p.id] = m.values[p.id];
  current_.bands = m.bands;
}

void Processor::handleRead(const Bytes& f, Exchange& ex) {
  int block = f[10];
  bool fromMode = f[7] == kReadMode;
  int mode = f[8];
  if (block < kFirstBlock || block > kLastBlock || (fromMode && (mode < 1 || mode > kModeCount))) {
    ex.note = "read request for block " + hexByte(block) + " mode " + std::to_string(mode) +
              " out of range, no answer";
    return;
  }
  ex.note = "read block " + hexByte(block);
  if (!fromMode) {
    ex.reply = encodeBlock(current_, block, model_);
    return;
  }
  // Reading a memory mode recalls it: from its first block on, the unit
  // plays that mode.
  if (block == kFirstBlock) {
    recall(mode);
    ex.changed = true;
    ex.note += ", mode " + std::to_string(mode) + " recalled";
  } else {
    ex.note += " of mode " + std::to_string(mode);
  }
  ex.reply = encodeBlock(modes_[mode - 1], block, model_);
}

void Processor::handleImport(const Bytes& f, Exchange& ex) {
  if (f[6] != modelInfo(model_).importLength) {
    ex.note = "bulk import of length " + hexByte(f[6]) + " is for another model, no answer";
    return;
  }
  decodeImport(f, current_);
  ex.changed = true;
  ex.reply = {0x35, 0x82, 0x13};
  ex.note = "bulk import";
}

bool Processor::handleEqCommand(const Bytes& f, Exchange& ex) {
  Byte group = f[7], code = f[8], len = f[6];
  for (const EqInfo& e : eqs()) {
    if (e.group != group || code != kBandCode) continue;
    int band = f[9];
    if (len != 8 || band >= e.bands) {
      ex.note = std::string(e.name) + " frame malformed, no answer";
      return true;
    }
    current_.band(e.id, band) = Band{f[10], f[11], f[12] << 8 | f[13]};
    ex.note = std::string(e.name) + " " + std::to_string(band) + ": Q " + std::to_string(f[10]) +
              ", gain " + std::to_string(f[11]) + ", frequency code " +
              std::to_string(f[12] << 8 | f[13]);
    ex.changed = true;
    ex.reply = ackOf(group, code);
    return true;
  }
  for (const EqSwitches& s : kEqSwitches) {
    if (s.group != group) continue;
    std::vector<Band>& bands = current_.bands[s.eq];
    if (code == s.resetCode && len == 4) {
      for (Band& b : bands) b.gain = kFlatGain;
      ex.note = std::string(eq(s.eq).name) + " reset to flat";
    } else if (code == s.bypassCode && len == bands.size() + 4) {
      Byte flag = f[9 + bands.size()];
      current_[s.bypassFlag] = flag;
      // Bypass on sends flat gains; the unit keeps the band gains it holds, so
      // that turning the bypass off (which resends them) loses nothing.
      if (flag != kBypassOn)
        for (std::size_t i = 0; i < bands.size(); ++i) bands[i].gain = f[9 + i];
      ex.note = std::string(param(s.bypassFlag).name) + " = " + hexByte(flag);
    } else {
      continue;
    }
    ex.changed = true;
    ex.reply = ackOf(group, code);
    return true;
  }
  return false;
}

void Processor::handleCommand(const Bytes& f, Exchange& ex) {
  if (handleEqCommand(f, ex)) return;
  Byte group = f[7], code = f[8], len = f[6];
  std::optional<ParamId> p = paramByCommand(group, code);
  if (!p || len != param(*p).width + 3) {
    ex.note = "command " + hexByte(group) + " " + hexByte(code) + " unknown, no answer";
    return;
  }
  int value = param(*p).width == 2 ? (f[9] << 8 | f[10]) : f[9];
  current_[*p] = value;
  ex.changed = true;
  ex.reply = ackOf(group, code);
  ex.note = std::string(param(*p).name) + " = " + std::to_string(value);
}

}  // namespace kavel::sim
