#pragma once
// One byte of a block reply or of the bulk import frame, named by what it
// carries: a scalar parameter (or one half of a two-byte one), one part of an
// equalizer band, or nothing (a spare byte, 0x00 on the wire).
#include "controls/bytes.h"
#include "sim/params.h"

namespace kavel::sim {

struct Field {
  enum class Kind { Spare, Scalar, High, Low, Q, Gain, FreqHigh, FreqLow };
  Kind kind = Kind::Spare;
  int id = 0;    // ParamId, or EqId for the band parts
  int band = 0;  // band number for the band parts
};

inline constexpr Field spare() { return {}; }
inline constexpr Field scalar(ParamId p) { return {Field::Kind::Scalar, p, 0}; }
inline constexpr Field high(ParamId p) { return {Field::Kind::High, p, 0}; }
inline constexpr Field low(ParamId p) { return {Field::Kind::Low, p, 0}; }
inline constexpr Field bandQ(EqId e, int b) { return {Field::Kind::Q, e, b}; }
inline constexpr Field bandGain(EqId e, int b) { return {Field::Kind::Gain, e, b}; }
inline constexpr Field bandFreqHigh(EqId e, int b) { return {Field::Kind::FreqHigh, e, b}; }
inline constexpr Field bandFreqLow(EqId e, int b) { return {Field::Kind::FreqLow, e, b}; }

// The byte a field has in a store.
Byte readField(const Store& store, const Field& f);
// Puts a received byte into the store.
void writeField(Store& store, const Field& f, Byte value);

}  // namespace kavel::sim
