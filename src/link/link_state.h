#pragma once
// The record through which the link, the sender, the dispatcher, the
// read-back and the presets cooperate. Owned by the main window; every field
// starts at zero, false or empty.
#include <array>
#include <cstdint>
#include <string>

#include "controls/bytes.h"
#include "graph/eq_flags.h"

namespace kavel {

using Integer = std::int16_t;  // the record's integers are signed 16-bit

struct LinkState : EqFlags {
  Bytes txFrame;             // frame last built for commandKind
  Byte probeFrame = 0;       // 0xAF model 1, 0xAC model 2, 0xAA model 3
  Bytes rxInput;             // what was last taken from the port
  Bytes rxBytes;             // rxInput as bytes
  std::string rxHex;         // every byte since the last reset, upper-case hex
  std::string fieldHex;      // scratch of the block decoders
  std::string saveModeText;  // memory mode typed for a save to the device
  Integer probeTicks = 0;
  Integer sendTicks = 0;
  Integer paramCode = 0;
  Integer paramIndex = 0;
  Integer readSource = 0;    // 0 current parameters, 17 a memory mode
  Integer readMode = 0;      // memory mode being recalled, 0 otherwise
  Integer readBlock = 0;     // next read-back block to request, 1 to 39
  Integer commandKind = 0;
  bool eqSendEnabled = false;
  Integer decodedFreq = 0;
  std::string portName;      // "COM3"; empty when the scan found nothing
  std::array<double, 11> savedGainMusic{};
  std::array<double, 13> savedGainMic{};
  std::array<double, 7> savedGainEffect{};
  std::array<double, 3> savedGainCenter{};
  std::array<double, 3> savedGainSurround{};
  std::array<double, 5> savedGainSub{};
  Integer deviceModel = 0;
  bool isOnline = false;
  // micShelfMode, musicShelfMode, micPanelShown, musicPanelShown and
  // lastEqWasEffect come from EqFlags.
  bool micEqActive = false;
  bool musicEqActive = false;
  bool altModel3 = false;

  void resetCounters() { probeTicks = 0; sendTicks = 0; }
  void clearReply() { rxHex.clear(); }
  // On the offline acknowledgement; commandKind keeps its value.
  void offlineReset() {
    resetCounters();
    paramCode = paramIndex = readSource = readMode = readBlock = 0;
  }
  // After the last read-back block.
  void readBackEndReset() { paramCode = paramIndex = readSource = readMode = 0; }
};

}  // namespace kavel
