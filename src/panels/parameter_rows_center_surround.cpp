// The center and surround panel's parameters.
#include "panels/parameter_rows.h"

namespace kavel::rows {

namespace {

const char kLevel[] = "0..80";

// A level slider of the panel and its value box.
constexpr ParameterRow level(const char* name, const char* label, Slider& (*slider)(Form1&),
                             TextBox& (*box)(Form1&), const char* hint = kLevel) {
  return {.name = name, .panel = kCenterSurroundPanel, .label = label, .edit = Edit::Slider,
          .slider = slider, .box = box, .hint = hint};
}

const ParameterRow kRows[] = {
    level("musicToCenter", "音乐到中置", KAVEL_SLIDER(f.panels.ctSlide2[0]),
          KAVEL_BOX(f.panels.Text11[0])),
    level("micToCenter", "麦克风到中置", KAVEL_SLIDER(f.panels.ctSlide2[1]),
          KAVEL_BOX(f.panels.Text11[1])),
    level("effectToCenter", "效果到中置", KAVEL_SLIDER(f.panels.ctSlide2[2]),
          KAVEL_BOX(f.panels.Text11[2])),
    {.name = "centerPhase", .panel = kCenterSurroundPanel, .label = "中置相位",
     .edit = Edit::Toggle, .control = KAVEL_CONTROL(f.panels.Command14), .captions = &kPhase},
    level("musicToSurround", "音乐到环绕", KAVEL_SLIDER(f.panels.ctSlide3[0]),
          KAVEL_BOX(f.panels.Text10[0])),
    level("micToSurround", "话筒到环绕", KAVEL_SLIDER(f.panels.ctSlide3[1]),
          KAVEL_BOX(f.panels.Text10[1])),
    level("effectToSurround", "效果到环绕", KAVEL_SLIDER(f.panels.ctSlide3[2]),
          KAVEL_BOX(f.panels.Text10[2])),
    level("surroundDelay", "环绕延时", KAVEL_SLIDER(f.panels.ctSlide3[3]),
          KAVEL_BOX(f.panels.Text10[3]), "0..200"),
    {.name = "surroundPhase", .panel = kCenterSurroundPanel, .label = "环绕相位",
     .edit = Edit::Toggle, .control = KAVEL_CONTROL(f.panels.Command15), .captions = &kPhase},
};

}  // namespace

std::span<const ParameterRow> centerSurround() { return kRows; }

}  // namespace kavel::rows
