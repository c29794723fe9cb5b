#include "protocol/catalogue.h"

#include <algorithm>

#include "window/form1.h"

namespace kavel {

namespace {

// The controls the frames read, by their window names.
int MdSlide1(Form1& f) { return f.panels.MdSlide1.value(); }
int VScroll1_0(Form1& f) { return f.panels.VScroll1[0].value(); }
int VScroll1_1(Form1& f) { return f.panels.VScroll1[1].value(); }
int ctSlide11(Form1& f) { return f.panels.ctSlide11.value(); }
int VScroll2_0(Form1& f) { return f.panels.VScroll2[0].value(); }
int VScroll2_1(Form1& f) { return f.panels.VScroll2[1].value(); }
int YpSlide1(Form1& f) { return f.panels.YpSlide1.value(); }
int ctSlide10(Form1& f) { return f.panels.ctSlide10.value(); }
int ctSlide4_1(Form1& f) { return f.panels.ctSlide4[1].value(); }
int ctSlide4_2(Form1& f) { return f.panels.ctSlide4[2].value(); }
int ReSlide2_2(Form1& f) { return f.panels.ReSlide2[2].value(); }
int HcSlide1_2(Form1& f) { return f.panels.HcSlide1[2].value(); }
int ctSlide1_1(Form1& f) { return f.ctSlide1[1].value(); }

// A display box of a control array, only for the rows it has.
template <std::size_t Rows>
TextBox* row(ControlArray<TextBox>& boxes, int i) {
  return i >= 0 && i < int(Rows) ? &boxes[i] : nullptr;
}
TextBox* Text1_2(Form1& f, int) { return &f.panels.Text1[2]; }
TextBox* Text1_3(Form1& f, int) { return &f.panels.Text1[3]; }
TextBox* M_Vtxt(Form1& f, int) { return &f.M_Vtxt; }
TextBox* Text2(Form1& f, int) { return &f.Text2; }
TextBox* Text3(Form1& f, int i) { return row<3>(f.panels.Text3, i); }
TextBox* Text6_2(Form1& f, int) { return &f.panels.Text6[2]; }
TextBox* Text6_3(Form1& f, int) { return &f.panels.Text6[3]; }
TextBox* Text5(Form1& f, int) { return &f.panels.Text5; }
TextBox* Text12_0(Form1& f, int) { return &f.panels.Text12[0]; }
TextBox* Text11(Form1& f, int i) { return row<3>(f.panels.Text11, i); }
TextBox* Text10(Form1& f, int i) { return row<4>(f.panels.Text10, i); }
TextBox* Text9_0(Form1& f, int) { return &f.panels.Text9[0]; }
TextBox* Text9_1(Form1& f, int) { return &f.panels.Text9[1]; }
TextBox* Text9_3(Form1& f, int) { return &f.panels.Text9[3]; }
TextBox* Text8_0(Form1& f, int) { return &f.Text8[0]; }
TextBox* Text7_0(Form1& f, int) { return &f.panels.Text7[0]; }
TextBox* Text7_1(Form1& f, int) { return &f.panels.Text7[1]; }
TextBox* Text7_3(Form1& f, int) { return &f.panels.Text7[3]; }
TextBox* Text13(Form1& f, int) { return &f.panels.Text13; }
TextBox* Text14(Form1& f, int) { return &f.panels.Text14; }
TextBox* Text15(Form1& f, int) { return &f.panels.Text15; }
TextBox* Text16(Form1& f, int) { return &f.panels.Text16; }
TextBox* Text17(Form1& f, int) { return &f.panels.Text17; }
TextBox* Text18(Form1& f, int) { return &f.panels.Text18; }

Value none() { return {}; }
Value position(PositionOf p, int width = 1) { return {Payload::Position, p, nullptr, 0, 1, width}; }
Value magnitude(PositionOf p) { return {Payload::Magnitude, p}; }
Value reversed(PositionOf p) { return {Payload::Reversed, p}; }
Value number(BoxOf b, double offset = 0, double factor = 1, int width = 1) {
  return {Payload::BoxNumber, nullptr, b, offset, factor, width};
}
Value paramCode() { return {Payload::ParamCode}; }
Value paramIndex() { return {Payload::ParamIndex}; }
Value zero() { return {Payload::Zero}; }
Value band(Eq eq) { return {Payload::EqBand, nullptr, nullptr, 0, 1, 1, eq}; }
Value flatGains(Eq eq) { return {Payload::FlatGains, nullptr, nullptr, 0, 1, 1, eq}; }
Value bandGains(Eq eq) { return {Payload::BandGains, nullptr, nullptr, 0, 1, 1, eq}; }

constexpr Owner T2 = Owner::Timer2, T3 = Owner::Timer3;
constexpr Frame Plain = Frame::Plain, Shared = Frame::SharedCode;
constexpr Sets Switch = Sets::Switch, BandIndex = Sets::BandIndex, ListIndex = Sets::ListIndex,
               RowCode = Sets::RowCode;

std::vector<Command> makeCatalogue() {
  return {
      // EQ bands.
      {2, {"micEqBand"}, Plain, 0x02, 0x01, band(Eq::Mic), 8, T2, "MicEQLine1", BandIndex},
      {9, {"musicEqBand"}, Plain, 0x03, 0x01, band(Eq::Music), 8, T2, "MicEQLine2", BandIndex},
      {36, {"effectEqBand"}, Plain, 0x07, 0x01, band(Eq::Effect), 8, T2, "ucEQLine3", BandIndex},
      {24, {"centerEqBand"}, Plain, 0x05, 0x01, band(Eq::Center), 8, T3, "ucEQLine4", BandIndex},
      {30, {"surroundEqBand"}, Plain, 0x06, 0x01, band(Eq::Surround), 8, T3, "ucEQLine5",
       BandIndex},
      {19, {"subEqBand"}, Plain, 0x04, 0x01, band(Eq::Sub), 8, T3, "ucEQLine11", BandIndex},
      // EQ bypass on and off.
      {100, {"micEqBypass"}, Plain, 0x02, 0x0C, flatGains(Eq::Mic), 8, T2, "dcButton7"},
      {101, {"micEqBypass"}, Plain, 0x02, 0x0C, bandGains(Eq::Mic), 8, T2, "dcButton7"},
      {102, {"musicEqBypass"}, Plain, 0x03, 0x10, flatGains(Eq::Music), 8, T2, "dcButton9"},
      {103, {"musicEqBypass"}, Plain, 0x03, 0x10, bandGains(Eq::Music), 8, T2, "dcButton9"},
      // Microphone.
      {3, {"micHighPass"}, Plain, 0x02, 0x02, position(MdSlide1), 8, T2, "MdSlide1"},
      {4, {"micLimitThreshold"}, Plain, 0x02, 0x03, magnitude(VScroll1_0), 8, T2, "VScroll1(0)"},
      {5, {"micCompRatio"}, Plain, 0x02, 0x04, position(VScroll1_1), 8, T2, "VScroll1(1)"},
      {6, {"micCompRelease"}, Plain, 0x02, 0x05, number(Text1_2), 8, T2, "VScroll1(2)"},
      {7, {"micCompAttack"}, Plain, 0x02, 0x06, number(Text1_3), 8, T2, "VScroll1(3)"},
      {8, {"micVolume"}, Plain, 0x02, 0x07, number(M_Vtxt), 8, T2, "M_VSlide1"},
      {53, {"micPhase"}, Plain, 0x02, 0x08, paramCode(), 8, T2, "Command3", Switch},
      {73, {"micEqReset"}, Plain, 0x02, 0x09, zero(), 8, T3, "Command1"},
      {75, {"micEqLhPass"}, Plain, 0x02, 0x0A, paramCode(), 8, T2, "Command10", Switch,
       Start::Timer2},
      {76, {"micLowPass"}, Plain, 0x02, 0x0B, position(ctSlide11), 8, T2, "ctSlide11"},
      {18, {"micFeedbackSuppress"}, Plain, 0x02, 0x0D, paramCode(), 8, T2, "Check1", Switch,
       Start::Timer2},
      // Music.
      {10, {"musicVolume"}, Plain, 0x03, 0x02, number(Text2), 8, T2, "Yvslide1"},
      {12, {"musicToLr", "micToLr", "effectToLr"}, Shared, 0x03, 0, number(Text3), 6, T2,
       "ySlide1(0..2)", RowCode, Start::Probe, {0x03, 0x04, 0x05}},
      {13, {"musicLimitThreshold"}, Plain, 0x03, 0x06, magnitude(VScroll2_0), 8, T2,
       "VScroll2(0)"},
      {14, {"musicCompRatio"}, Plain, 0x03, 0x07, position(VScroll2_1), 8, T2, "VScroll2(1)"},
      {15, {"musicCompRelease"}, Plain, 0x03, 0x08, number(Text6_2), 8, T2, "VScroll2(2)"},
      {16, {"musicCompAttack"}, Plain, 0x03, 0x09, number(Text6_3), 8, T2, "VScroll2(3)"},
      {55, {"musicBalance"}, Plain, 0x03, 0x0A, reversed(YpSlide1), 8, T2, "YpSlide1"},
      {56, {"musicPhase"}, Plain, 0x03, 0x0B, paramCode(), 8, T2, "Command4", Switch},
      {72, {"musicKeyShift"}, Plain, 0x03, 0x0C, number(Text5, 6), 8, T2, "Ybcnd(0..12)"},
      {74, {"musicEqReset"}, Plain, 0x03, 0x0D, zero(), 8, T3, "Command16"},
      {98, {"musicHighPass"}, Plain, 0x03, 0x0E, position(ctSlide10), 8, T2, "ctSlide10"},
      {99, {"musicEqLhPass"}, Plain, 0x03, 0x0F, paramCode(), 8, T2, "dcButton8", Switch,
       Start::Timer2},
      // Subwoofer.
      {20, {"subVolume"}, Plain, 0x04, 0x02, number(Text12_0), 8, T3, "ctSlide4(0)"},
      {21, {"subCrossover"}, Plain, 0x04, 0x03, position(ctSlide4_1), 8, T3, "ctSlide4(1)"},
      {22, {"subPhase"}, Plain, 0x04, 0x04, paramCode(), 8, T3, "Command2", Switch},
      {78, {"subLowCut"}, Plain, 0x04, 0x05, position(ctSlide4_2), 8, T3, "ctSlide4(2)"},
      // Center and surround.
      {25, {"musicToCenter", "micToCenter", "effectToCenter"}, Shared, 0x05, 0, number(Text11),
       6, T3, "ctSlide2(0..2)", RowCode, Start::Probe, {0x02, 0x03, 0x04}},
      {28, {"centerPhase"}, Plain, 0x05, 0x05, paramCode(), 8, T3, "Command14", Switch},
      {31, {"musicToSurround", "micToSurround", "effectToSurround", "surroundDelay"}, Shared,
       0x06, 0, number(Text10), 6, T3, "ctSlide3(0..3)", RowCode, Start::Probe,
       {0x02, 0x03, 0x04, 0x06}},
      {34, {"surroundPhase"}, Plain, 0x06, 0x05, paramCode(), 8, T3, "Command15", Switch},
      // Effect.
      {37, {"reverbType"}, Plain, 0x07, 0x02, paramIndex(), 8, T2, "Combo2", ListIndex},
      {38, {"reverbPhase"}, Plain, 0x07, 0x03, paramCode(), 8, T2, "Command6", Switch},
      {40, {"reverbDelay"}, Plain, 0x07, 0x04, number(Text9_0), 8, T2, "ReSlide2(0)"},
      {41, {"reverbTime"}, Plain, 0x07, 0x05, number(Text9_1, 0, 10), 8, T2, "ReSlide2(1)"},
      {42, {"reverbHighPass"}, Plain, 0x07, 0x06, position(ReSlide2_2, 2), 8, T2, "ReSlide2(2)"},
      {43, {"reverbLowPass"}, Plain, 0x07, 0x07, number(Text9_3, -4, 100, 2), 8, T2,
       "ReSlide2(3)"},
      {44, {"effectVolume"}, Plain, 0x07, 0x08, number(Text8_0), 8, T2, "ctSlide1(0)"},
      {45, {"effectMix"}, Plain, 0x07, 0x09, position(ctSlide1_1), 8, T2, "ctSlide1(1)"},
      {46, {"echoMode"}, Plain, 0x07, 0x0A, paramIndex(), 8, T2, "Combo1", ListIndex},
      {47, {"echoPhase"}, Plain, 0x07, 0x0B, paramCode(), 8, T2, "Command5", Switch},
      {49, {"echoDelay"}, Plain, 0x07, 0x0C, number(Text7_0), 8, T2, "HcSlide1(0)"},
      {50, {"echoSpeed"}, Plain, 0x07, 0x0D, number(Text7_1, 0, 0.5), 8, T2, "HcSlide1(1)"},
      {51, {"echoHighPass"}, Plain, 0x07, 0x0E, position(HcSlide1_2, 2), 8, T2, "HcSlide1(2)"},
      {52, {"echoLowPass"}, Plain, 0x07, 0x0F, number(Text7_3, -4, 100, 2), 8, T2,
       "HcSlide1(3)"},
      // Settings.
      {59, {"micMaxVolume"}, Plain, 0x08, 0x01, number(Text13), 8, T3, "ctSlide5"},
      {60, {"micInitVolume"}, Plain, 0x08, 0x02, number(Text14), 8, T3, "ctSlide6"},
      {61, {"musicMaxVolume"}, Plain, 0x08, 0x03, number(Text15), 8, T3, "ctSlide7"},
      {62, {"musicInitVolume"}, Plain, 0x08, 0x04, number(Text16), 8, T3, "ctSlide8"},
      {63, {"musicInput"}, Plain, 0x08, 0x05, paramCode(), 8, T3, "Command13", Sets::InputCode},
      {64, {"initSwitch"}, Plain, 0x08, 0x06, paramCode(), 8, T3, "Command12", Switch},
      {66, {"subSingVolume"}, Plain, 0x08, 0x07, number(Text17), 8, T3, "ctSlide9"},
      {67, {"subMode"}, Plain, 0x08, 0x08, paramCode(), 8, T3, "Command11", Switch},
      {69, {"subSwitchTime"}, Plain, 0x08, 0x09, number(Text18, -1), 8, T3, "VScroll3"},
      {65, {"keyLock"}, Plain, 0x08, 0x0B, paramCode(), 8, T3, "dcButton10", Switch,
       Start::Timer3},
      // Link, read request and save to a memory mode.
      {1, {}, Frame::Link, 0x01, 0, none(), 8, T2, "mnulianji / mnutuoji", Sets::LinkValue},
      {11, {}, Frame::ReadRequest, 0, 0, none(), 0, T2, "the read-back"},
      {70, {}, Frame::SaveToMode, 0x12, 0, none(), 6, T3, "Command8"},
  };
}

}  // namespace

const std::vector<Command>& commandCatalogue() {
  static const std::vector<Command> table = makeCatalogue();
  return table;
}

const Command* findCommand(int number) {
  const auto& table = commandCatalogue();
  const auto it = std::find_if(table.begin(), table.end(),
                               [number](const Command& c) { return c.number == number; });
  return it == table.end() ? nullptr : &*it;
}

std::optional<Owner> ownerOf(int kind) {
  for (Integer bulk : kBulkImportKinds)
    if (kind == bulk) return Owner::Timer4;
  if (const Command* c = findCommand(kind)) return c->owner;
  return std::nullopt;
}

}  // namespace kavel
