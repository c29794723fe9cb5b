#pragma once
// The processor's ten memory modes: storing its current parameters into one
// (Command8) and recalling one into the panels (the option buttons mOption).
#include <optional>
#include <string>

namespace kavel {

class Form1;

inline constexpr int kMemoryModes = 10;

// The mode an entry names: the number at its start (leading blanks skipped,
// trailing text ignored), when that is a whole number from 1 to 10.
std::optional<int> memoryModeOf(const std::string& entry);

// Command8: asks for the mode and, online, stores the parameters into it.
void saveToDeviceMode(Form1& form);

// A click on mOption(index): selects it and, online, reads mode index + 1
// back into the panels.
void recallDeviceMode(Form1& form, int index);

// Connects Command8 and the ten option buttons.
void connectMemoryModes(Form1& form);

}  // namespace kavel
