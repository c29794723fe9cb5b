#include "readback/block_fields.h"

#include <algorithm>
#include <array>

#include "protocol/codecs.h"
#include "protocol/display_texts.h"
#include "readback/read_back.h"
#include "window/form1.h"

namespace kavel {

namespace {

constexpr int kFirstFieldByte = 2;
constexpr int kLastRunByte = 7;  // EQ runs use bytes 2 to 7 of each block

// The rows of each run, band by band: Q, gain, then the frequency's two bytes.
void spellOut(const BandRun& run, std::vector<FieldRow>& out) {
  int block = run.block, byte = run.byte;
  for (int band = run.first; band < run.first + run.count; ++band) {
    for (BandPart part : {BandPart::Q, BandPart::Gain, BandPart::Freq}) {
      if (byte > kLastRunByte) {
        ++block;
        byte = kFirstFieldByte;
      }
      out.push_back({block, byte, BandField{run.eq, band, part}});
      byte += part == BandPart::Freq ? 2 : 1;
    }
  }
}

using BlockTable = std::array<std::vector<FieldRow>, ReadBack::kLastBlock + 1>;

BlockTable buildBlocks() {
  std::vector<FieldRow> all;
  for (const FieldTable* t :
       {&sectionCaptions(), &micMusicFields(), &settingsFields(), &subFields(), &effectFields(),
        &centerSurroundFields()}) {
    all.insert(all.end(), t->rows.begin(), t->rows.end());
    for (const BandRun& run : t->runs) spellOut(run, all);
  }
  // A caption at byte k is shown before the field at byte k.
  auto order = [](const FieldRow& r) {
    return std::pair(r.byte, !std::holds_alternative<SectionCaption>(r.field));
  };
  std::stable_sort(all.begin(), all.end(),
                   [&](const FieldRow& a, const FieldRow& b) { return order(a) < order(b); });
  BlockTable blocks;
  for (const FieldRow& row : all) blocks.at(row.block).push_back(row);
  return blocks;
}

int fieldValue(const std::string& hex, int byte, int width) {
  int v = 0;
  for (int i = 0; i < width; ++i) v = v * 256 + replyByte(hex, byte + i);
  return v;
}

void setBand(Form1& f, const BandField& field, int v) {
  BandEditor& editor = f.eq(field.eq).editor(field.band);
  switch (field.part) {
    case BandPart::Q: {
      const double q = byteToQ(v);
      editor.setQ(q);
      editor.QChanged.emit(q);
      break;
    }
    case BandPart::Gain: {
      const double db = byteToGain(v);
      editor.setDb(db);
      editor.DBChanged.emit(db);
      break;
    }
    case BandPart::Freq: {
      // Codes past the end of the scale read as its end, 20000 Hz: the
      // editor's range, and a number the 16-bit record holds.
      f.state.decodedFreq = Integer(codeToFreq(std::min(v, int(kMaxFreqCode))));
      const double hz = f.state.decodedFreq;
      editor.setF(hz);
      editor.FChanged.emit(hz);
      break;
    }
  }
}

struct Apply {
  Form1& f;
  int v;
  void operator()(const SliderField& s) const {
    Slider& slider = s.slider(f);
    slider.setValue(s.position(v));
    s.box(f).setText(s.text(slider.value()));
  }
  void operator()(const TextField& t) const { t.box(f).setText(t.text(v)); }
  void operator()(const SwitchCaption& s) const { s.button(f).setCaption(v == kSwitchOn ? s.on : s.off); }
  void operator()(const BandField& b) const { setBand(f, b, v); }
  void operator()(const FieldAction& a) const { a.apply(f, v); }
  void operator()(const SectionCaption& c) const { f.Label9.setCaption(c.caption); }
};

}  // namespace

int fieldWidth(const Field& field) {
  if (const auto* s = std::get_if<SliderField>(&field)) return s->width;
  if (const auto* b = std::get_if<BandField>(&field)) return b->part == BandPart::Freq ? 2 : 1;
  if (std::holds_alternative<SectionCaption>(field)) return 0;
  return 1;
}

bool applies(When when, const LinkState& s) {
  switch (when) {
    case When::Always: return true;
    case When::NotAltModel3: return !s.altModel3;
    case When::Model3: return s.deviceModel > 2;
    case When::Models1And2: return s.deviceModel <= 2;
  }
  return false;
}

const std::vector<FieldRow>& blockFields(int block) {
  static const BlockTable blocks = buildBlocks();
  static const std::vector<FieldRow> none;
  return block >= 0 && block < int(blocks.size()) ? blocks[block] : none;
}

int replyByte(const std::string& hex, int k) {
  const std::size_t at = 2 * std::size_t(k);
  if (k < 0 || at + 2 > hex.size()) return 0;
  int v = 0;
  for (char c : hex.substr(at, 2)) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return 0;
    v = v * 16 + digit;
  }
  return v;
}

void decodeBlock(Form1& form, int block) {
  LinkState& s = form.state;
  for (const FieldRow& row : blockFields(block)) {
    if (!applies(row.when, s)) continue;
    const int width = fieldWidth(row.field);
    const std::size_t at = std::min(s.rxHex.size(), 2 * std::size_t(row.byte));
    s.fieldHex = s.rxHex.substr(at, 2 * std::size_t(width));
    std::visit(Apply{form, fieldValue(s.rxHex, row.byte, width)}, row.field);
  }
}

}  // namespace kavel
