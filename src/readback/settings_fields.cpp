// The settings (blocks 0x26 and 0x27): volume limits and start-up volumes,
// the music input, the switches of the settings panel, the master volumes,
// the balance, the EQ bypasses, the feedback suppression and the key lock.
#include "panels/eq_handlers.h"
#include "protocol/display_texts.h"
#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

namespace {

// The controls the rows write, by their window names.
Slider& ctSlide5(Form1& f) { return f.panels.ctSlide5; }
TextBox& Text13(Form1& f) { return f.panels.Text13; }
Slider& ctSlide6(Form1& f) { return f.panels.ctSlide6; }
TextBox& Text14(Form1& f) { return f.panels.Text14; }
Slider& ctSlide7(Form1& f) { return f.panels.ctSlide7; }
TextBox& Text15(Form1& f) { return f.panels.Text15; }
Slider& ctSlide8(Form1& f) { return f.panels.ctSlide8; }
TextBox& Text16(Form1& f) { return f.panels.Text16; }
Slider& ctSlide9(Form1& f) { return f.panels.ctSlide9; }
TextBox& Text17(Form1& f) { return f.panels.Text17; }
Slider& VScroll3(Form1& f) { return f.panels.VScroll3; }
TextBox& Text18(Form1& f) { return f.panels.Text18; }
Slider& M_VSlide1(Form1& f) { return f.M_VSlide1; }
TextBox& M_Vtxt(Form1& f) { return f.M_Vtxt; }
Slider& Yvslide1(Form1& f) { return f.Yvslide1; }
TextBox& Text2(Form1& f) { return f.Text2; }
Slider& YpSlide1(Form1& f) { return f.panels.YpSlide1; }
TextBox& Text4(Form1& f) { return f.panels.Text4; }
Button& Command11(Form1& f) { return f.panels.Command11; }
Button& Command12(Form1& f) { return f.panels.Command12; }

// The caption of the input the byte names; any other byte leaves it.
void musicInput(Form1& f, int v) {
  std::string caption = "BGM";
  for (int i = 0; i < 4; ++i, caption = nextMusicInput(caption)) {
    if (musicInputByte(caption) == v) {
      f.Command13.setCaption(caption);
      return;
    }
  }
}

template <Eq E>
void bypass(Form1& f, int v) { setBypass(f, E, v == kSwitchOn); }

void feedbackSuppression(Form1& f, int v) { f.panels.Check1.setValue(v == kSwitchOff ? 0 : 1); }

void keyLock(Form1& f, int v) {
  const bool on = v != kSwitchOff;
  f.panels.dcButton10.setCaption(on ? "ON" : "OFF");
  f.panels.dcButton10.setBackColor(on ? colors::brightGreen : colors::darkRed);
}

}  // namespace

// Bytes 8 to 10 of block 0x27 hold nothing the panels show.
const FieldTable& settingsFields() {
  static const FieldTable table{{
      {0x26, 2, SliderField{ctSlide6, Text14, asIs, levelText}},
      {0x26, 3, SliderField{ctSlide7, Text15, asIs, levelText}},
      {0x26, 4, SliderField{ctSlide8, Text16, asIs, levelText}},
      {0x26, 5, FieldAction{musicInput}},
      {0x26, 6, SwitchCaption{Command12, "开", "关"}},
      {0x26, 7, SliderField{ctSlide9, Text17, asIs, levelText}},
      {0x26, 8, FieldAction{bypass<Eq::Mic>}},
      {0x26, 9, FieldAction{bypass<Eq::Music>}},
      {0x27, 2, SwitchCaption{Command11, "自动", "手动"}},
      // The switching time bar: its change handling writes the same box.
      {0x27, 3, SliderField{VScroll3, Text18, plusOne, switchTimeText}},
      {0x27, 4, SliderField{ctSlide5, Text13, asIs, levelText}},
      {0x27, 5, SliderField{M_VSlide1, M_Vtxt, asIs, levelText}},
      {0x27, 6, SliderField{Yvslide1, Text2, asIs, levelText}},
      {0x27, 7, SliderField{YpSlide1, Text4, fromHundred, balanceText}},
      {0x27, 11, FieldAction{feedbackSuppression}},
      {0x27, 12, FieldAction{keyLock}},
  }, {}};
  return table;
}

}  // namespace kavel
