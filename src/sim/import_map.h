#pragma once
// The bulk import frame as the processor takes it in: the common header,
// the length byte, then parameter data without group, code or checksum.
#include "controls/bytes.h"
#include "sim/field.h"

namespace kavel::sim {

// What frame byte 7 + i carries, for i = 0 .. 216 (the longest variant);
// shorter variants simply end earlier.
const std::vector<Field>& importFields();
// Puts the data bytes of an import frame (byte 7 to the end) into the
// store; byte 207 is taken only from the longest variant, whose sender has a
// microphone shelf switch.
void decodeImport(const Bytes& frame, Store& store);

}  // namespace kavel::sim
