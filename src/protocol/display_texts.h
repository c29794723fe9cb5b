#pragma once
// What each parameter's display box shows for a control position, and the
// captions of the switches and selectors. The wire values these texts stand
// for are in codecs.h and the command catalogue.
#include <optional>
#include <string>

#include "controls/bytes.h"

namespace kavel {

// Levels, release and attack, the master volumes: the position itself.
std::string levelText(int v);
// Limiter threshold, v in 0..-30: "-12dB", "0dB".
std::string limiterText(int v);
// Compression ratio, v in 0..63: (v x 100) div 63 and "%".
std::string compRatioText(int v);
// Echo delay: v and "%".
std::string percentText(int v);
// Echo speed: 2 x v and "ms".
std::string echoSpeedText(int v);
// Reverb delay: v and "ms".
std::string millisecondsText(int v);
// Reverb time in tenths of a second: "2.5s".
std::string reverbTimeText(int v);
// Echo and reverb low-pass, v in 400..1800: "4KHZ", "4.05KHZ", "18KHZ".
std::string effectLowPassText(int v);
// Microphone low-pass, v in 0..12: "8KHz" .. "20KHz".
std::string micLowPassText(int v);
// Music balance, v in 0..100: "LR 50%", "R 51%" .. "R 100%", "L 100%" .. "L 51%".
std::string balanceText(int v);
// Echo/reverb proportion, v in 0..100: "回声+混响", "混响 80%", "回声 80%".
std::string effectMixText(int v);
// Key shift -6..+6: a blank before a value that is not negative (" 3", "-6").
std::string keyShiftText(int shift);
// Subwoofer switching time 1..8: "8s".
std::string switchTimeText(int v);
// A slider that holds a frequency code: the frequency in Hz and the unit
// ("" for the microphone and music high-pass, "Hz" for the subwoofer,
// "HZ" for the effect high-pass).
std::string freqCodeText(int code, const std::string& unit);

// Phase captions: "0" and "180"; 0x00 and 0x7F on the wire.
inline constexpr const char* kPhase0 = "0";
inline constexpr const char* kPhase180 = "180";
inline constexpr Byte kSwitchOff = 0x00;
inline constexpr Byte kSwitchOn = 0x7F;

// Music input captions and their wire bytes: BGM 1, AUX 2, VCR 3, SPD 0.
std::optional<Byte> musicInputByte(const std::string& caption);
// The caption after `caption` in the cycle BGM, AUX, VCR, SPD; "BGM" after
// "SPD" and after any other caption.
std::string nextMusicInput(const std::string& caption);

}  // namespace kavel
