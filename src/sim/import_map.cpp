#include "sim/import_map.h"

namespace kavel::sim {

namespace {

// A run of consecutive frame bytes: whole bands of one equalizer, part of a
// band, or single parameters.
struct Run {
  enum class Kind { Bands, QGain, Freq, Scalar, Word } kind;
  int id;
  int first = 0;  // first band
  int count = 1;  // bands
};

constexpr Run bands(EqId e, int first, int count) { return {Run::Kind::Bands, e, first, count}; }
constexpr Run qGain(EqId e, int b) { return {Run::Kind::QGain, e, b, 1}; }
constexpr Run freq(EqId e, int b) { return {Run::Kind::Freq, e, b, 1}; }
constexpr Run one(ParamId p) { return {Run::Kind::Scalar, p}; }
constexpr Run word(ParamId p) { return {Run::Kind::Word, p}; }

// From frame byte 7 to byte 223, in order.
constexpr Run kLayout[] = {
    bands(micEq, 0, 12),          // 7 .. 54
    qGain(micEq, 12),             // 55, 56
    one(micPhase),                // 57
    freq(micEq, 12),              // 58, 59
    one(micHighPass), one(micLimitThreshold), one(micCompRatio), one(micCompRelease),
    one(micCompAttack),           // 60 .. 64
    bands(musicEq, 0, 11),        // 65 .. 108
    one(musicPhase), one(musicToLr), one(micToLr), one(effectToLr), one(musicLimitThreshold),
    one(musicCompRatio), one(musicCompRelease), one(musicCompAttack),  // 109 .. 116
    bands(subEq, 0, 2),           // 117 .. 124
    one(subVolume), one(subCrossover), one(subPhase),  // 125 .. 127
    bands(centerEq, 0, 3),        // 128 .. 139
    one(musicToCenter), one(micToCenter), one(effectToCenter), one(centerPhase),  // 140 .. 143
    bands(effectEq, 0, 3),        // 144 .. 155
    word(echoLowPass), word(echoHighPass),  // 156 .. 159
    one(echoPhase), one(echoSpeed), one(echoDelay), one(echoMode),  // 160 .. 163
    bands(effectEq, 3, 4),        // 164 .. 179
    word(reverbLowPass), word(reverbHighPass),  // 180 .. 183
    one(reverbPhase), one(reverbDelay), one(reverbTime), one(reverbType), one(effectMix),
    one(effectVolume),            // 184 .. 189
    bands(surroundEq, 0, 3),      // 190 .. 201
    one(surroundPhase), one(musicToSurround), one(micToSurround), one(effectToSurround),
    one(surroundDelay),           // 202 .. 206
    one(micEqLhPass), one(musicHighPass),  // 207, 208
    bands(subEq, 2, 3),           // 209 .. 220
    one(micLowPass), one(subLowCut), one(musicEqLhPass),  // 221 .. 223
};

constexpr int kFirstDataByte = 7;
constexpr int kMicShelfByte = 207;
constexpr int kLongestLength = 0xD9;  // 217 bytes follow the length byte

std::vector<Field> expand() {
  std::vector<Field> out;
  for (const Run& r : kLayout) {
    auto e = static_cast<EqId>(r.id);
    auto p = static_cast<ParamId>(r.id);
    switch (r.kind) {
      case Run::Kind::Bands:
        for (int b = r.first; b < r.first + r.count; ++b)
          out.insert(out.end(), {bandQ(e, b), bandGain(e, b), bandFreqHigh(e, b), bandFreqLow(e, b)});
        break;
      case Run::Kind::QGain: out.insert(out.end(), {bandQ(e, r.first), bandGain(e, r.first)}); break;
      case Run::Kind::Freq:
        out.insert(out.end(), {bandFreqHigh(e, r.first), bandFreqLow(e, r.first)});
        break;
      case Run::Kind::Scalar: out.push_back(scalar(p)); break;
      case Run::Kind::Word: out.insert(out.end(), {high(p), low(p)}); break;
    }
  }
  return out;
}

}  // namespace

const std::vector<Field>& importFields() {
  static const std::vector<Field> fields = expand();
  return fields;
}

void decodeImport(const Bytes& frame, Store& store) {
  const std::vector<Field>& fields = importFields();
  bool longest = frame.size() > 6 && frame[6] == kLongestLength;
  for (std::size_t at = kFirstDataByte; at < frame.size(); ++at) {
    std::size_t i = at - kFirstDataByte;
    if (i >= fields.size()) break;
    if (at == kMicShelfByte && !longest) continue;
    writeField(store, fields[i], frame[at]);
  }
}

}  // namespace kavel::sim
