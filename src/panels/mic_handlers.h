#pragma once
namespace kavel {
class Form1;
// Connects the microphone panel's controls (the equalizer aside) to their handlers.
void connectMicPanel(Form1& form);
}  // namespace kavel
