#pragma once
namespace kavel {
class Form1;
// Connects the music panel's controls (the equalizer aside) to their handlers.
void connectMusicPanel(Form1& form);
}  // namespace kavel
