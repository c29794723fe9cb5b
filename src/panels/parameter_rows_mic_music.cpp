// The microphone and music panels' parameters, with the top bar's two
// master volumes.
#include "panels/parameter_rows.h"

namespace kavel::rows {

namespace {

// Block 0x12 carries the music shelf mode only for models 1 and 2.
bool modelOneOrTwo(const LinkState& s) { return s.deviceModel <= 2; }

constexpr Captions kShelf{"LH-PASS ON", "LH-PASS OFF", "ON", "OFF"};
constexpr Shown kLowPassKHz{1, 8, 1};  // ctSlide11 position 0 is 8KHz

const char kLevel[] = "0..80";
const char kHighPassHint[] = "frequency in Hz as shown, 20..200 (2 Hz steps above 150)";
const char kLimiterHint[] = "-30..0 (dB)";
const char kRatioHint[] =
    "the bar's position 0..63; the panel shows its percent, (position x 100) div 63";
const char kTimeHint[] = "1..127";

const ParameterRow kRows[] = {
    // Microphone: the top bar's master volume, then the panel.
    {.name = "micVolume", .panel = kMicPanel, .label = "麦克风", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.M_VSlide1), .box = KAVEL_BOX(f.M_Vtxt), .ceiling = "micMaxVolume",
     .hint = "0..80, at most micMaxVolume"},
    {.name = "micHighPass", .panel = kMicPanel, .label = "麦克风高通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.MdSlide1), .box = KAVEL_BOX(f.panels.MdTxt),
     .shown = kFrequency, .hint = kHighPassHint},
    {.name = "micLowPass", .panel = kMicPanel, .label = "麦克风低通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ctSlide11), .box = KAVEL_BOX(f.panels.Text20),
     .shown = kLowPassKHz, .filled = notAltModel3, .hint = "8..20 (kHz)"},
    {.name = "micPhase", .panel = kMicPanel, .label = "麦克风相位", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command3), .captions = &kPhase},
    {.name = "micFeedbackSuppress", .panel = kMicPanel, .label = "话筒反馈抑制开关",
     .edit = Edit::CheckBox, .control = KAVEL_CONTROL(f.panels.Check1), .hint = "ON or OFF"},
    {.name = "micLimitThreshold", .panel = kMicPanel, .label = "限幅值", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll1[0]), .box = KAVEL_BOX(f.panels.Text1[0]),
     .wire = kNegated, .hint = kLimiterHint},
    {.name = "micCompRatio", .panel = kMicPanel, .label = "压缩比例", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll1[1]), .box = KAVEL_BOX(f.panels.Text1[1]),
     .hint = kRatioHint},
    {.name = "micCompRelease", .panel = kMicPanel, .label = "释放时间", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll1[2]), .box = KAVEL_BOX(f.panels.Text1[2]),
     .hint = kTimeHint},
    {.name = "micCompAttack", .panel = kMicPanel, .label = "启动时间", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll1[3]), .box = KAVEL_BOX(f.panels.Text1[3]),
     .hint = kTimeHint},
    {.name = "micEqBypass", .panel = kMicPanel, .label = "EQ PASS", .edit = Edit::Bypass,
     .control = KAVEL_CONTROL(f.panels.dcButton7), .hint = "ON (bypassed) or OFF"},
    {.name = "micEqLhPass", .panel = kMicPanel, .label = "LH-PASS", .edit = Edit::Shelf,
     .control = KAVEL_CONTROL(f.panels.Command10), .filled = notAltModel3,
     .hint = "(ON: bands 0 and 1 are low and high shelves)", .captions = &kShelf},
    // Music: the top bar's master volume, then the panel.
    {.name = "musicVolume", .panel = kMusicPanel, .label = "音乐", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.Yvslide1), .box = KAVEL_BOX(f.Text2),
     .ceiling = "musicMaxVolume", .hint = "0..80, at most musicMaxVolume"},
    {.name = "musicHighPass", .panel = kMusicPanel, .label = "音乐高通", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ctSlide10), .box = KAVEL_BOX(f.panels.Text19),
     .shown = kFrequency, .hint = kHighPassHint},
    {.name = "musicPhase", .panel = kMusicPanel, .label = "音乐相位", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command4), .captions = &kPhase},
    {.name = "musicBalance", .panel = kMusicPanel, .label = "音乐平衡", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.YpSlide1), .box = KAVEL_BOX(f.panels.Text4),
     .wire = kReversed,
     .hint = "the slider's position 0..100 (50 in the middle: LR 50%; 30 shows L 70%, "
             "70 shows R 70%)"},
    {.name = "musicKeyShift", .panel = kMusicPanel, .label = "音乐变调", .edit = Edit::KeyShift,
     .control = KAVEL_CONTROL(f.panels.Ybcnd[0]), .box = KAVEL_BOX(f.panels.Text5),
     .hint = "-6..6"},
    {.name = "musicToLr", .panel = kMusicPanel, .label = "音乐到LR音量", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ySlide1[0]), .box = KAVEL_BOX(f.panels.Text3[0]),
     .hint = kLevel},
    {.name = "micToLr", .panel = kMusicPanel, .label = "话筒到LR音量", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ySlide1[1]), .box = KAVEL_BOX(f.panels.Text3[1]),
     .hint = kLevel},
    {.name = "effectToLr", .panel = kMusicPanel, .label = "效果到LR音量", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.ySlide1[2]), .box = KAVEL_BOX(f.panels.Text3[2]),
     .hint = kLevel},
    {.name = "musicLimitThreshold", .panel = kMusicPanel, .label = "压限值", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll2[0]), .box = KAVEL_BOX(f.panels.Text6[0]),
     .wire = kNegated, .hint = kLimiterHint},
    {.name = "musicCompRatio", .panel = kMusicPanel, .label = "压缩比例", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll2[1]), .box = KAVEL_BOX(f.panels.Text6[1]),
     .hint = kRatioHint},
    {.name = "musicCompRelease", .panel = kMusicPanel, .label = "释放时间", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll2[2]), .box = KAVEL_BOX(f.panels.Text6[2]),
     .hint = kTimeHint},
    {.name = "musicCompAttack", .panel = kMusicPanel, .label = "启动时间", .edit = Edit::Slider,
     .slider = KAVEL_SLIDER(f.panels.VScroll2[3]), .box = KAVEL_BOX(f.panels.Text6[3]),
     .hint = kTimeHint},
    {.name = "musicEqBypass", .panel = kMusicPanel, .label = "EQ PASS", .edit = Edit::Bypass,
     .control = KAVEL_CONTROL(f.panels.dcButton9), .hint = "ON (bypassed) or OFF",
     .eq = Eq::Music},
    {.name = "musicEqLhPass", .panel = kMusicPanel, .label = "LH-PASS", .edit = Edit::Shelf,
     .control = KAVEL_CONTROL(f.panels.dcButton8), .filled = modelOneOrTwo,
     .hint = "(ON: bands 0 and 1 are low and high shelves)", .eq = Eq::Music,
     .captions = &kShelf},
};

}  // namespace

std::span<const ParameterRow> micMusic() { return kRows; }

}  // namespace kavel::rows
