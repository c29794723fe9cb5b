#include "presets/bulk_import.h"

#include <algorithm>
#include <cstdlib>

#include "presets/import_layout.h"
#include "protocol/codecs.h"
#include "protocol/command_frame.h"
#include "window/form1.h"

namespace kavel {

namespace {

struct Variant {
  int kind;
  std::size_t size;
};
// Models 1 and 2 take the whole layout; model 3 lacks the last byte, its
// second variant the last three.
constexpr Variant kVariants[] = {{71, 224}, {79, 223}, {77, 221}};
constexpr std::size_t kFullSize = 224;
constexpr Byte kOn = 0x7F;
constexpr const char* kShelfOn = "LH-PASS ON";

// The frequency is rounded to whole hertz before it is coded; above
// 20000 Hz it has no code and both bytes stay 0x00.
bool putFreq(Bytes& out, double hz) {
  const double whole = roundHalfEven(hz);
  if (whole > 20000) {
    out.insert(out.end(), {0x00, 0x00});
    return true;
  }
  const auto code = freqToCode(whole);
  if (!code) return false;
  const auto [hi, lo] = splitWord(*code);
  out.insert(out.end(), {hi, lo});
  return true;
}

bool putQG(Bytes& out, const BandValues& b) {
  return put(out, qToByte(b.q)) && put(out, gainToByte(b.gain));
}

std::optional<BandValues> band(Form1& f, Eq eq, int i) {
  const BandReader& read = f.panels.bands(eq);
  return read ? read(i) : std::nullopt;
}

std::size_t widthOf(const ImportRow& r) {
  switch (r.source) {
    case ImportSource::Bands: return 4 * std::size_t(r.count);
    case ImportSource::BandQG:
    case ImportSource::BandFreq: return 2;
    case ImportSource::Position:
    case ImportSource::Number: return std::size_t(r.width);
    default: return 1;
  }
}

bool putRow(Bytes& out, const ImportRow& r, Form1& f) {
  switch (r.source) {
    case ImportSource::Bands:
      for (int i = r.band; i < r.band + r.count; ++i) {
        const auto b = band(f, r.eq, i);
        if (!b || !putQG(out, *b) || !putFreq(out, b->freq)) return false;
      }
      return true;
    case ImportSource::BandQG: {
      const auto b = band(f, r.eq, r.band);
      return b && putQG(out, *b);
    }
    case ImportSource::BandFreq: {
      const auto b = band(f, r.eq, r.band);
      return b && putFreq(out, b->freq);
    }
    case ImportSource::Phase:
      out.push_back(leadingNumber(r.text(f)) == 0 ? 0x00 : kOn);
      return true;
    case ImportSource::Position:
      return putNumber(out, r.position(f), r.width);
    case ImportSource::Magnitude:
      return putNumber(out, std::abs(r.position(f)), 1);
    case ImportSource::Number:
      return putNumber(out, (leadingNumber(r.text(f)) + r.add) * r.factor, r.width);
    case ImportSource::ListIndex: {
      const ComboBox& c = r.selector(f);
      const auto it = std::find(c.items().begin(), c.items().end(), c.text());
      out.push_back(it == c.items().end() ? 0 : Byte(it - c.items().begin()));
      return true;
    }
    case ImportSource::Shelf:
      out.push_back(r.text(f) == kShelfOn ? kOn : 0x00);
      return true;
  }
  return false;
}

// Header and length byte of a zero-filled frame of `size` bytes.
Bytes frameHead(std::size_t size) {
  Bytes frame(size, 0x00);
  std::copy(std::begin(kFrameHeader), std::end(kFrameHeader), frame.begin());
  frame[kLengthOffset] = Byte(size - kLengthOffset - 1);
  return frame;
}

// Bytes 7 onward from the panels; false when a value has no wire byte.
bool writeFields(Bytes& frame, Form1& f) {
  for (const ImportRow& r : importLayout()) {
    if (r.at + widthOf(r) > frame.size() || (r.fullFrameOnly && frame.size() != kFullSize))
      continue;
    Bytes out;
    if (!putRow(out, r, f)) return false;
    std::copy(out.begin(), out.end(), frame.begin() + std::ptrdiff_t(r.at));
  }
  return true;
}

// Ends the import and lets the equalizers send again.
void endImport(Form1& f) {
  f.timers.timer4->setEnabled(false);
  f.state.eqSendEnabled = true;
  f.state.resetCounters();
}

}  // namespace

int bulkImportKind(int deviceModel, bool altModel3) {
  if (deviceModel < 3) return 71;
  return altModel3 ? 77 : 79;
}

std::size_t importFrameSize(int kind) {
  for (const Variant& v : kVariants)
    if (v.kind == kind) return v.size;
  return 0;
}

std::optional<Bytes> importFrame(int kind, Form1& f) {
  const std::size_t size = importFrameSize(kind);
  if (size == 0) return std::nullopt;
  Bytes frame = frameHead(size);
  if (!writeFields(frame, f)) return std::nullopt;
  return frame;
}

bool startBulkImport(Form1& f) {
  if (!f.online()) {
    f.timers.timer4->setEnabled(false);
    return false;
  }
  f.state.commandKind = Integer(bulkImportKind(f.state.deviceModel, f.state.altModel3));
  f.timers.timer4->setEnabled(true);
  return true;
}

void bulkImportTick(Form1& f) {
  LinkState& s = f.state;
  const std::size_t size = importFrameSize(s.commandKind);
  if (size == 0) {
    // A panel command replaced the import: it ends silently, and the
    // equalizers send again unless a read-back, which holds them, took over.
    f.timers.timer4->setEnabled(false);
    if (s.commandKind != kReadBackKind) s.eqSendEnabled = true;
    return;
  }
  Bytes frame = frameHead(size);
  f.clock.pause(kImportPauseMs);
  if (!writeFields(frame, f)) {
    // Nothing goes out, as with a single command whose value has no byte.
    endImport(f);
    f.dialogs.message(SendScheduler::kInvalidValue, "系统提示", MessageIcon::Error);
    return;
  }
  s.txFrame = frame;
  f.port.write(s.txFrame);
  if (++s.sendTicks <= SendScheduler::kMaxSends) return;
  // Timer4's ticks are held off while the box is open.
  f.dialogs.message(kImportTimeout, kImportTimeoutTitle);
  endImport(f);
}

void connectBulkImport(Form1& f) {
  f.sender.bulkImportTick = [&f] { bulkImportTick(f); };
}

}  // namespace kavel
