// The subwoofer and settings panel's parameters, with the top bar's music
// input selector.
#include "panels/parameter_rows.h"
#include "protocol/display_texts.h"

namespace kavel::rows {

namespace {

constexpr Captions kInit{"开", "关", "开", "关"};
constexpr Captions kSubMode{"自动", "手动", "自动", "手动"};

// The inputs in the order Command13's clicks step through them, from the first.
const std::vector<std::string>& musicInputs() {
  static const std::vector<std::string> inputs = [] {
    std::vector<std::string> out{nextMusicInput("")};
    for (std::string next = nextMusicInput(out.back()); next != out.front();
         next = nextMusicInput(next))
      out.push_back(next);
    return out;
  }();
  return inputs;
}

// A plain 0..80 slider of the panel and its value box.
constexpr ParameterRow volume(const char* name, const char* label, Slider& (*slider)(Form1&),
                              TextBox& (*box)(Form1&), const char* hint = "0..80",
                              const char* ceiling = nullptr) {
  return {.name = name, .panel = kSubSettingsPanel, .label = label, .edit = Edit::Slider,
          .slider = slider, .box = box, .ceiling = ceiling, .hint = hint};
}

const char kCrossoverHint[] =
    "frequency in Hz as shown, 20..400 (2 Hz steps above 150), not below subLowCut";
const char kMaxHint[] = "0..80, not below the power-on and master volumes it caps";

const ParameterRow kRows[] = {
    {.name = "musicInput", .panel = kSubSettingsPanel, .label = "音乐输入选择",
     .edit = Edit::Cycle, .control = KAVEL_CONTROL(f.Command13), .items = musicInputs},
    volume("subVolume", "超低音音量", KAVEL_SLIDER(f.panels.ctSlide4[0]),
           KAVEL_BOX(f.panels.Text12[0])),
    {.name = "subCrossover", .panel = kSubSettingsPanel, .label = "超低音分频",
     .edit = Edit::Slider, .slider = KAVEL_SLIDER(f.panels.ctSlide4[1]),
     .box = KAVEL_BOX(f.panels.Text12[1]), .shown = kFrequency, .floor = "subLowCut",
     .hint = kCrossoverHint},
    {.name = "subLowCut", .panel = kSubSettingsPanel, .label = "超低音低切",
     .edit = Edit::Slider, .slider = KAVEL_SLIDER(f.panels.ctSlide4[2]),
     .box = KAVEL_BOX(f.panels.Text12[2]), .shown = kFrequency, .ceiling = "subCrossover",
     .filled = notAltModel3,
     .hint = "frequency in Hz as shown, 20..400, not above subCrossover"},
    {.name = "subPhase", .panel = kSubSettingsPanel, .label = "超低音相位", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command2), .captions = &kPhase},
    volume("micMaxVolume", "麦克风最大音量", KAVEL_SLIDER(f.panels.ctSlide5),
           KAVEL_BOX(f.panels.Text13), kMaxHint),
    volume("micInitVolume", "麦克风初始化音量", KAVEL_SLIDER(f.panels.ctSlide6),
           KAVEL_BOX(f.panels.Text14), "0..80, at most micMaxVolume", "micMaxVolume"),
    volume("musicMaxVolume", "音乐最大音量", KAVEL_SLIDER(f.panels.ctSlide7),
           KAVEL_BOX(f.panels.Text15), kMaxHint),
    volume("musicInitVolume", "音乐初始化音量", KAVEL_SLIDER(f.panels.ctSlide8),
           KAVEL_BOX(f.panels.Text16), "0..80, at most musicMaxVolume", "musicMaxVolume"),
    volume("subSingVolume", "超低音演唱音量", KAVEL_SLIDER(f.panels.ctSlide9),
           KAVEL_BOX(f.panels.Text17)),
    {.name = "subSwitchTime", .panel = kSubSettingsPanel, .label = "超低音切换时间",
     .edit = Edit::Slider, .slider = KAVEL_SLIDER(f.panels.VScroll3),
     .box = KAVEL_BOX(f.panels.Text18), .wire = {1, -1}, .hint = "1..8 (s)"},
    {.name = "subMode", .panel = kSubSettingsPanel, .label = "超低音模式", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command11), .captions = &kSubMode},
    {.name = "initSwitch", .panel = kSubSettingsPanel, .label = "初始化", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.Command12), .captions = &kInit},
    {.name = "keyLock", .panel = kSubSettingsPanel, .label = "键盘锁", .edit = Edit::Toggle,
     .control = KAVEL_CONTROL(f.panels.dcButton10), .captions = &kOnOff},
};

}  // namespace

std::span<const ParameterRow> subSettings() { return kRows; }

}  // namespace kavel::rows
