#include "protocol/build_frame.h"

#include "protocol/catalogue.h"
#include "protocol/codecs.h"
#include "protocol/command_frame.h"
#include "window/form1.h"

namespace kavel {

namespace {

constexpr Byte kZeroGain = 0x78;

bool putBand(Bytes& out, const BandValues& b) {
  if (!put(out, qToByte(b.q)) || !put(out, gainToByte(b.gain))) return false;
  if (b.freq > 20000) {  // no code: both frequency bytes stay 0x00
    out.insert(out.end(), {0x00, 0x00});
    return true;
  }
  const auto code = freqToCode(b.freq);
  if (!code) return false;
  const auto [hi, lo] = splitWord(*code);
  out.push_back(hi);
  out.push_back(lo);
  return true;
}

bool putGains(Bytes& out, const BandReader& bands, Eq eq) {
  for (int i = 0; i < bandCount(eq); ++i) {
    const auto b = bands ? bands(i) : std::nullopt;
    if (!b || !put(out, gainToByte(b->gain))) return false;
  }
  return true;
}

bool putValue(Bytes& out, const Value& v, Form1& f) {
  const LinkState& s = f.state;
  switch (v.kind) {
    case Payload::None:
      return true;
    case Payload::Position:
      return putNumber(out, v.position(f), v.width);
    case Payload::Magnitude:
      return putNumber(out, -v.position(f), v.width);
    case Payload::Reversed:
      return putNumber(out, 100 - v.position(f), v.width);
    case Payload::BoxNumber: {
      const TextBox* box = v.box(f, s.paramIndex);
      return box && putNumber(out, (leadingNumber(box->text()) + v.offset) * v.factor, v.width);
    }
    case Payload::ParamCode:
      return put(out, toWireByte(s.paramCode));
    case Payload::ParamIndex:
      return put(out, toWireByte(s.paramIndex));
    case Payload::Zero:
      out.push_back(0x00);
      return true;
    case Payload::EqBand: {
      const int band = s.paramIndex;
      if (band < 0 || band >= bandCount(v.eq)) return false;
      const BandReader& bands = f.panels.bands(v.eq);
      const auto values = bands ? bands(band) : std::nullopt;
      out.push_back(Byte(band));
      return values && putBand(out, *values);
    }
    case Payload::FlatGains:
      out.insert(out.end(), bandCount(v.eq), kZeroGain);
      out.push_back(0x7F);
      return true;
    case Payload::BandGains:
      if (!putGains(out, f.panels.bands(v.eq), v.eq)) return false;
      out.push_back(0x00);
      return true;
  }
  return false;
}

}  // namespace

std::optional<Bytes> buildFrame(int kind, Form1& f) {
  const Command* c = findCommand(kind);
  if (!c) return std::nullopt;
  const LinkState& s = f.state;
  switch (c->frame) {
    case Frame::Plain:
    case Frame::SharedCode: {
      Byte code = c->code;
      if (c->frame == Frame::SharedCode) {
        const auto b = toWireByte(s.paramCode);
        if (!b) return std::nullopt;
        code = *b;
      }
      Bytes payload;
      if (!putValue(payload, c->value, f)) return std::nullopt;
      return makeFrame(c->group, code, payload, true);
    }
    case Frame::Link: {
      const auto value = toWireByte(s.paramCode);
      if (!value) return std::nullopt;
      return makeFrame(c->group, *value, {}, false);
    }
    case Frame::ReadRequest: {
      const auto source = toWireByte(s.readSource), mode = toWireByte(s.readMode),
                 block = toWireByte(s.readBlock);
      if (!source || !mode || !block) return std::nullopt;
      return makeFrame(*source, *mode, {0x10, *block, 0x08}, false);
    }
    case Frame::SaveToMode: {
      const auto mode = toWireByte(leadingNumber(s.saveModeText));
      if (!mode) return std::nullopt;
      return makeFrame(c->group, *mode, {}, false);
    }
  }
  return std::nullopt;
}

std::string ackText(int kind, const LinkState& s) {
  const Command* c = findCommand(kind);
  if (!c || c->ackChars == 0) return "";
  // The link command's code byte is its value: "3582017F" online, "35820100" offline.
  const Byte code = c->frame == Frame::Link ? Byte(s.paramCode) : c->code;
  return ackCode(c->group, code, c->ackChars);
}

}  // namespace kavel
