#include "sim/field.h"

namespace kavel::sim {

Byte readField(const Store& s, const Field& f) {
  using K = Field::Kind;
  switch (f.kind) {
    case K::Spare: return 0;
    case K::Scalar: return static_cast<Byte>(s.values[f.id]);
    case K::High: return static_cast<Byte>(s.values[f.id] >> 8);
    case K::Low: return static_cast<Byte>(s.values[f.id] & 0xFF);
    case K::Q: return static_cast<Byte>(s.bands[f.id][f.band].q);
    case K::Gain: return static_cast<Byte>(s.bands[f.id][f.band].gain);
    case K::FreqHigh: return static_cast<Byte>(s.bands[f.id][f.band].freq >> 8);
    case K::FreqLow: return static_cast<Byte>(s.bands[f.id][f.band].freq & 0xFF);
  }
  return 0;
}

void writeField(Store& s, const Field& f, Byte v) {
  using K = Field::Kind;
  switch (f.kind) {
    case K::Spare: return;
    case K::Scalar: s.values[f.id] = v; return;
    case K::High: s.values[f.id] = (s.values[f.id] & 0xFF) | (v << 8); return;
    case K::Low: s.values[f.id] = (s.values[f.id] & 0xFF00) | v; return;
    case K::Q: s.bands[f.id][f.band].q = v; return;
    case K::Gain: s.bands[f.id][f.band].gain = v; return;
    case K::FreqHigh: {
      int& freq = s.bands[f.id][f.band].freq;
      freq = (freq & 0xFF) | (v << 8);
      return;
    }
    case K::FreqLow: {
      int& freq = s.bands[f.id][f.band].freq;
      freq = (freq & 0xFF00) | v;
      return;
    }
  }
}

}  // namespace kavel::sim
