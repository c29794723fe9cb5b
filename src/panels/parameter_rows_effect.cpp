// The effect panel's parameters, with the top bar's effect volume.
#include "panels/effect_panel.h"
#include "panels/parameter_rows.h"

namespace kavel::rows {

namespace {

// The lists' entries as the panel fills them.
const EffectPanel& panel() {
  static const EffectPanel p;
  return p;
}
const std::vector<std::string>& echoModes() { return panel().Combo1.items(); }
const std::vector<std::string>& reverbTypes() { return panel().Combo2.items(); }

constexpr Wire kLowPassWire{1, -400};  // the command carries (kHz - 4) x 100
constexpr Shown kKiloHertz{1, 0, 100};
constexpr Shown kDoubled{2, 0, 1};
constexpr Shown kTenths{1, 0, 10};

const char kHighPassHint[] =
    "frequency in Hz as shown, 20..1001 (steps of 2 Hz above 150, of 3 Hz above 500)";
const char kLowPassHint[] = "kHz as shown, 4..18 in steps of 0.01 (4.05 for 4.05KHZ)";

const ParameterRow kRows[] = {
    {.name = "effectVolume", .panel = kEffectPanel, .label = "效果", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.ctSlide1[0]), .box = KAVEL_BOX(f.Text8[0]), .hint = "0..50"},
    {.name = "effectMix", .panel = kEffectPanel, .label = "效果比例", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.ctSlide1[1]), .box = KAVEL_BOX(f.Text8[1]),
     .hint = "the slider's position 0..100 (50 shows 回声+混响, 70 shows 混响 70%, 30 shows "
             "回声 70%); echoMode=关 and reverbType=关 move it, so give it after them"},
    {.name = "echoMode", .panel = kEffectPanel, .label = "回声", .edit = Edit::List,
     .control = KAVEL_CONTROL(f.panels.Combo1), .items = echoModes},
    {.name = "echoPhase", .panel = kEffectPanel, .label = "回声相位", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command5), .captions = &kPhase},
    {.name = "echoDelay", .panel = kEffectPanel, .label = "回声延时", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.HcSlide1[0]), .box = KAVEL_BOX(f.panels.Text7[0]),
     .hint = "0..100 (%)", .offWith = "echoMode"},
    {.name = "echoSpeed", .panel = kEffectPanel, .label = "回声速度", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.HcSlide1[1]), .box = KAVEL_BOX(f.panels.Text7[1]),
     .shown = kDoubled, .hint = "0..400 (ms), even", .offWith = "echoMode"},
    {.name = "echoHighPass", .panel = kEffectPanel, .label = "回声高通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.HcSlide1[2]), .box = KAVEL_BOX(f.panels.Text7[2]),
     .shown = kFrequency, .hint = kHighPassHint, .offWith = "echoMode"},
    {.name = "echoLowPass", .panel = kEffectPanel, .label = "回声低通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.HcSlide1[3]), .box = KAVEL_BOX(f.panels.Text7[3]),
     .wire = kLowPassWire, .shown = kKiloHertz, .hint = kLowPassHint, .offWith = "echoMode"},
    {.name = "reverbType", .panel = kEffectPanel, .label = "混响", .edit = Edit::List,
     .control = KAVEL_CONTROL(f.panels.Combo2), .items = reverbTypes},
    {.name = "reverbPhase", .panel = kEffectPanel, .label = "混响相位", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command6), .captions = &kPhase},
    {.name = "reverbDelay", .panel = kEffectPanel, .label = "混响延时", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ReSlide2[0]), .box = KAVEL_BOX(f.panels.Text9[0]),
     .hint = "0..100 (ms)", .offWith = "reverbType"},
    {.name = "reverbTime", .panel = kEffectPanel, .label = "混响时间", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ReSlide2[1]), .box = KAVEL_BOX(f.panels.Text9[1]),
     .shown = kTenths, .hint = "0..10 (s) in steps of 0.1 (3.7 for 3.7s)",
     .offWith = "reverbType"},
    {.name = "reverbHighPass", .panel = kEffectPanel, .label = "混响高通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ReSlide2[2]), .box = KAVEL_BOX(f.panels.Text9[2]),
     .shown = kFrequency, .hint = kHighPassHint, .offWith = "reverbType"},
    {.name = "reverbLowPass", .panel = kEffectPanel, .label = "混响低通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ReSlide2[3]), .box = KAVEL_BOX(f.panels.Text9[3]),
     .wire = kLowPassWire, .shown = kKiloHertz, .hint = kLowPassHint, .offWith = "reverbType"},
};

}  // namespace

std::span<const ParameterRow> effect() { return kRows; }

}  // namespace kavel::rows
