#pragma once
namespace kavel {
class Form1;
// Connects the subwoofer and settings panel's controls (the equalizer and the
// memory modes aside) and the music input selector of the top bar.
void connectSubSettingsPanel(Form1& form);
}  // namespace kavel
