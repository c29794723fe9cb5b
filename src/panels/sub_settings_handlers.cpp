// The subwoofer and settings panel's handlers, and the music input selector
// in the top bar. The equalizer's own handlers are shared with the other
// panels; the memory mode buttons belong to the memory modes.
#include "panels/sub_settings_handlers.h"

#include "panels/control_handlers.h"
#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

namespace {

std::string subFreqText(int code) { return freqCodeText(code, "Hz"); }

const SliderRow kVolume[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide4[0]; },
                              [](Form1& f) -> TextBox& { return f.panels.Text12[0]; }, levelText,
                              20}};
const SliderRow kSingVolume[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide9; },
                                  [](Form1& f) -> TextBox& { return f.panels.Text17; }, levelText,
                                  66}};
const SliderRow kSwitchTime[] = {{[](Form1& f) -> Slider& { return f.panels.VScroll3; },
                                  [](Form1& f) -> TextBox& { return f.panels.Text18; },
                                  switchTimeText, 69}};
// A power-on volume stays at or below its maximum volume, whose box shows
// the maximum's position.
const SliderRow kMicInitVolume[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide6; },
                                     [](Form1& f) -> TextBox& { return f.panels.Text14; },
                                     levelText, 60,
                                     [](Form1& f) -> TextBox& { return f.panels.Text13; }}};
const SliderRow kMusicInitVolume[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide8; },
                                       [](Form1& f) -> TextBox& { return f.panels.Text16; },
                                       levelText, 62,
                                       [](Form1& f) -> TextBox& { return f.panels.Text15; }}};

// The crossover never goes below the low cut, nor the low cut above the
// crossover: a slider moved past the other stops at its position.
struct CrossoverRow {
  int moved, other;
  bool movedIsCrossover;
  int command;
};
const CrossoverRow kCrossover[] = {{1, 2, true, 21}, {2, 1, false, 78}};

void crossoverMoved(Form1& f, const CrossoverRow& r) {
  Slider& moved = f.panels.ctSlide4[r.moved];
  const int other = f.panels.ctSlide4[r.other].value();
  const int crossover = r.movedIsCrossover ? moved.value() : other;
  const int lowCut = r.movedIsCrossover ? other : moved.value();
  if (crossover <= lowCut) moved.setValue(other);
  f.panels.Text12[r.moved].setText(subFreqText(moved.value()));
  startCommand(f, r.command);
}

// A maximum volume pulls down the power-on volume and the master volume it
// bounds. Each slider it moves shows its new position in its own box.
struct MaximumRow {
  Slider& (*maximum)(Form1&);
  TextBox& (*maximumBox)(Form1&);
  Slider& (*initial)(Form1&);
  TextBox& (*initialBox)(Form1&);
  Slider& (*master)(Form1&);
  TextBox& (*masterBox)(Form1&);
  int command;
};
const MaximumRow kMaximums[] = {
    {[](Form1& f) -> Slider& { return f.panels.ctSlide5; },
     [](Form1& f) -> TextBox& { return f.panels.Text13; },
     [](Form1& f) -> Slider& { return f.panels.ctSlide6; },
     [](Form1& f) -> TextBox& { return f.panels.Text14; },
     [](Form1& f) -> Slider& { return f.M_VSlide1; },
     [](Form1& f) -> TextBox& { return f.M_Vtxt; }, 59},
    {[](Form1& f) -> Slider& { return f.panels.ctSlide7; },
     [](Form1& f) -> TextBox& { return f.panels.Text15; },
     [](Form1& f) -> Slider& { return f.panels.ctSlide8; },
     [](Form1& f) -> TextBox& { return f.panels.Text16; },
     [](Form1& f) -> Slider& { return f.Yvslide1; },
     [](Form1& f) -> TextBox& { return f.Text2; }, 61},
};

void lowerTo(Slider& slider, TextBox& box, int m) {
  slider.setValue(m);
  box.setText(levelText(slider.value()));
}

void maximumMoved(Form1& f, const MaximumRow& r) {
  const int m = r.maximum(f).value();
  r.maximumBox(f).setText(levelText(m));
  const bool initialAbove = m < r.initial(f).value();
  const bool masterAbove = m < r.master(f).value();
  if (initialAbove) lowerTo(r.initial(f), r.initialBox(f), m);
  if (masterAbove) lowerTo(r.master(f), r.masterBox(f), m);
  startCommand(f, r.command);
}

// Two-state buttons: a caption other than `on` turns them on (0x7F),
// `on` turns them off (0x00). The key lock also shows its state in colour.
struct SwitchButton {
  Button& (*button)(Form1&);
  const char* on;
  const char* off;
  int command;
  bool coloured = false;
};
const SwitchButton kSwitches[] = {
    {[](Form1& f) -> Button& { return f.panels.Command11; }, "自动", "手动", 67},
    {[](Form1& f) -> Button& { return f.panels.Command12; }, "开", "关", 64},
    // The key lock skips the probe: its catalogue row starts Timer3 directly.
    {[](Form1& f) -> Button& { return f.panels.dcButton10; }, "ON", "OFF", 65, true},
};

void switchClicked(Form1& f, const SwitchButton& s) {
  Button& b = s.button(f);
  const bool turnOn = b.caption() != s.on;
  b.setCaption(turnOn ? s.on : s.off);
  if (s.coloured) b.setBackColor(turnOn ? colors::brightGreen : colors::darkRed);
  f.state.paramCode = turnOn ? kSwitchOn : kSwitchOff;
  requestCommand(f, s.command);
}

void musicInputClicked(Form1& f) {
  const std::string next = nextMusicInput(f.Command13.caption());
  f.Command13.setCaption(next);
  f.state.paramCode = *musicInputByte(next);
  requestCommand(f, 63);
}

}  // namespace

void connectSubSettingsPanel(Form1& f) {
  SubSettingsPanel& p = f.panels;
  connectSliderGroup(f, kVolume);
  connectSliderGroup(f, kSingVolume);
  connectSliderGroup(f, kSwitchTime);
  connectSliderGroup(f, kMicInitVolume);
  connectSliderGroup(f, kMusicInitVolume);
  for (const CrossoverRow& r : kCrossover)
    p.ctSlide4[r.moved].moved.connect([&f, &r](int) { crossoverMoved(f, r); });
  for (const MaximumRow& r : kMaximums)
    r.maximum(f).moved.connect([&f, &r](int) { maximumMoved(f, r); });
  for (const SwitchButton& s : kSwitches)
    s.button(f).clicked.connect([&f, &s] { switchClicked(f, s); });
  connectPhaseButton(f, p.Command2, 0, 22);
  f.Command13.clicked.connect([&f] { musicInputClicked(f); });
}

}  // namespace kavel
