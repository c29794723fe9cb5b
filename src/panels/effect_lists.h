#pragma once
// The echo mode and reverb type lists and the four sliders each one governs:
// the first entry "关" turns its effect off and its sliders with it. The
// panel's handlers and the read-back both go through here.
#include <span>

namespace kavel {

class Form1;
class ComboBox;
class Slider;
template <typename T> class ControlArray;

inline constexpr int kEffectOff = 0;  // the list index of "关"

struct EffectList {
  ComboBox& (*combo)(Form1&);
  ControlArray<Slider>& (*sliders)(Form1&);
  int command;
};

// The echo mode (Combo1, HcSlide1) and the reverb type (Combo2, ReSlide2).
std::span<const EffectList> effectLists();
enum EffectListIndex { kEchoList, kReverbList };

void enableEffectSliders(Form1& form, const EffectList& list, bool on);

// Shows entry `index` as the processor reports it, its sliders usable unless
// it is "关"; an index beyond the list changes nothing.
void showEffectChoice(Form1& form, const EffectList& list, int index);

}  // namespace kavel
