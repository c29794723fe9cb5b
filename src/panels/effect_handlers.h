#pragma once
namespace kavel {
class Form1;
// Connects the effect panel's controls (the equalizer aside) and the effect
// volume of the top bar to their handlers.
void connectEffectPanel(Form1& form);
}  // namespace kavel
