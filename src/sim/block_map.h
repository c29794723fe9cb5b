#pragma once
// The 39 read-back blocks as the processor sends them: 0x10, the block
// number, then the block's field bytes from the store.
#include "controls/bytes.h"
#include "sim/field.h"
#include "sim/models.h"

namespace kavel::sim {

inline constexpr int kFirstBlock = 0x01;
inline constexpr int kLastBlock = 0x27;
// The last block of a memory mode: the settings blocks after it are global.
inline constexpr int kLastModeBlock = 0x25;

// Field bytes of a block (reply bytes 2 onward) for a model; empty for a
// number outside 0x01..0x27.
const std::vector<Field>& blockFields(int block, Model model);
// The whole reply for block `block` from `store`.
Bytes encodeBlock(const Store& store, int block, Model model);

}  // namespace kavel::sim
