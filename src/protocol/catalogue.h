#pragma once
// The command catalogue: every command the send timers build, one row each,
// with its frame, acknowledgement, owning timer and starting control. The
// frame builder, the acknowledgement texts, the timers' owner rule and the
// reply table all read this one table.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/bytes.h"
#include "controls/inputs.h"
#include "link/link_state.h"
#include "panels/band_values.h"

namespace kavel {

class Form1;

// The send timer that builds and repeats a command's frame.
enum class Owner : std::uint8_t { Timer2, Timer3, Timer4 };

// How the starting control starts the command: through the probe (Timer1)
// or by enabling its send timer directly.
enum class Start : std::uint8_t { Probe, Timer2, Timer3 };

// The frame's layout after the header.
enum class Frame : std::uint8_t {
  Plain,        // length, group, code, value bytes, checksum
  SharedCode,   // the same with paramCode as the code byte
  Link,         // length 2, group 0x01, paramCode; no checksum
  ReadRequest,  // length 5, readSource, readMode, 0x10, readBlock, 0x08; no checksum
  SaveToMode,   // length 2, group 0x12, the memory mode typed; no checksum
};

// Where the value bytes come from.
enum class Payload : std::uint8_t {
  None,
  Position,    // a control's position
  Magnitude,   // minus the position of a bar that runs 0..-30
  Reversed,    // 100 - position
  BoxNumber,   // (the number read from a display box + offset) x factor
  ParamCode,
  ParamIndex,
  Zero,
  EqBand,      // band paramIndex: band, Q, gain, frequency code high and low
  FlatGains,   // 0x78 (0 dB) for every band, then 0x7F: EQ bypassed
  BandGains,   // every band's gain, then 0x00: EQ in use
};

// What the starting control stores in paramCode / paramIndex.
enum class Sets : std::uint8_t {
  Nothing,
  BandIndex,   // paramIndex: the band
  Switch,      // paramCode: 0x00 off / 0° or 0x7F on / 180°
  ListIndex,   // paramIndex: the list index
  RowCode,     // paramCode: the row's code (rowCodes), paramIndex: the row
  InputCode,   // paramCode: 1 BGM, 2 AUX, 3 VCR, 0 SPD
  LinkValue,   // paramCode: 0x7F online, 0x00 offline
};

using PositionOf = int (*)(Form1&);
using BoxOf = TextBox* (*)(Form1&, int row);  // nullptr for a row that does not exist

struct Value {
  Payload kind = Payload::None;
  PositionOf position = nullptr;
  BoxOf box = nullptr;
  double offset = 0, factor = 1;
  int width = 1;  // value bytes: 2 for the effect high- and low-pass frequencies
  Eq eq = Eq::Mic;
};

struct Command {
  Integer number;
  std::array<const char*, 4> parameters;  // parameter names; one per row for a shared number
  Frame frame;
  Byte group;
  Byte code;                  // for Plain frames
  Value value;
  int ackChars;               // characters of the acknowledgement compared: 8, 6, 0 for none
  Owner owner;
  const char* startedBy;
  Sets sets = Sets::Nothing;
  Start start = Start::Probe;
  std::array<Byte, 4> rowCodes{};  // for Sets::RowCode, by row
};

const std::vector<Command>& commandCatalogue();
const Command* findCommand(int number);

// The kind of a read-back request, of the connect's and of a recall's blocks.
inline constexpr Integer kReadBackKind = 11;

// The bulk import's kinds, built by Timer4; their frames are the import's own.
inline constexpr Integer kBulkImportKinds[] = {71, 77, 79};
// The processor's answer to an import frame.
inline constexpr const char* kBulkImportAck = "358213";

// The timer that owns `kind`; empty for a kind nobody sends.
std::optional<Owner> ownerOf(int kind);

}  // namespace kavel
