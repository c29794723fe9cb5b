#include "panels/effect_lists.h"

#include "window/form1.h"

namespace kavel {

namespace {

constexpr int kSlidersPerEffect = 4;

const EffectList kLists[] = {
    {[](Form1& f) -> ComboBox& { return f.panels.Combo1; },
     [](Form1& f) -> ControlArray<Slider>& { return f.panels.HcSlide1; }, 46},
    {[](Form1& f) -> ComboBox& { return f.panels.Combo2; },
     [](Form1& f) -> ControlArray<Slider>& { return f.panels.ReSlide2; }, 37},
};

}  // namespace

std::span<const EffectList> effectLists() { return kLists; }

void enableEffectSliders(Form1& f, const EffectList& list, bool on) {
  for (int i = 0; i < kSlidersPerEffect; ++i) list.sliders(f)[i].setEnabled(on);
}

void showEffectChoice(Form1& f, const EffectList& list, int index) {
  ComboBox& combo = list.combo(f);
  if (index < 0 || index >= int(combo.items().size())) return;
  combo.setListIndex(index);
  enableEffectSliders(f, list, index != kEffectOff);
}

}  // namespace kavel
