#pragma once
namespace kavel {
class Form1;
// Connects the center and surround panel's controls (the equalizers aside)
// to their handlers.
void connectCenterSurroundPanel(Form1& form);
}  // namespace kavel
