#pragma once
// Handlers the panels share: groups of sliders whose value boxes are
// rewritten together, and the 0/180 phase buttons. Every handler updates
// its displays first and then starts its command when the link is online;
// offline it stops the timer the command would have used.
#include <span>
#include <string>

namespace kavel {

class Form1;
class Slider;
class TextBox;
class Button;

struct SliderRow {
  Slider& (*slider)(Form1&);
  TextBox& (*box)(Form1&);
  std::string (*text)(int position);
  int command;
  // A box whose number the slider may not exceed (the master volumes and
  // their maximum volume); nullptr for none.
  TextBox& (*ceiling)(Form1&) = nullptr;
};

// Moving any slider of `rows` rewrites every box of the group from its
// slider, then starts the moved row's command. A command shared by the
// rows (one number, a code per row) gets the row's code and index.
void connectSliderGroup(Form1& form, std::span<const SliderRow> rows);

// Starts `command` for row `row` of its control row: when online, a shared
// command first takes the row's code and index.
void startCommand(Form1& form, int command, int row = 0);

// A phase button: when the number of its caption is not `first`, the caption
// becomes `first`, otherwise the other of "0" and "180"; paramCode follows
// (0x7F for 180) and `command` starts.
void connectPhaseButton(Form1& form, Button& button, int first, int command);

}  // namespace kavel
