#include "panels/panels.h"

#include <utility>

namespace kavel {

Panels::Panels() {
  const std::pair<int, const char*> labels[] = {
      {0, "音乐到环绕"},       {1, "话筒到环绕"},     {2, "效果到环绕"},
      {3, "环绕延时"},         {4, "音乐到中置"},     {5, "麦克风到中置"},
      {6, "效果到中置"},       {7, "超低音音量"},     {8, "超低音分频"},
      {9, "超低音相位"},       {10, "麦克风最大音量"}, {11, "麦克风初始化音量"},
      {12, "音乐最大音量"},    {13, "音乐初始化音量"}, {14, "超低音演唱音量"},
      {15, "超低音切换时间"},  {16, "超低音模式"},     {17, "初始化"},
      {18, "中置相位"},        {19, "环绕相位"},       {20, "超低音低切"},
  };
  for (const auto& [i, caption] : labels) Label7[i].setCaption(caption);
}

const BandReader& Panels::bands(Eq eq) const {
  switch (eq) {
    case Eq::Mic: return ucSlider1;
    case Eq::Music: return ucSlider2;
    case Eq::Effect: return ucSlider3;
    case Eq::Center: return ucSlider4;
    case Eq::Surround: return ucSlider5;
    case Eq::Sub: return ucSlider6;
  }
  return ucSlider1;
}

}  // namespace kavel
