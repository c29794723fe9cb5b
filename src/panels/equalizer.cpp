#include "panels/equalizer.h"

namespace kavel {

namespace {

constexpr EqNames kNames[kEqCount] = {
    {"MicEQLine1", "ucSlider1", "dcButton1", EqVariant::MicEQLine, kMicEQLine1Size},
    {"MicEQLine2", "ucSlider2", "dcButton2", EqVariant::MicEQLine, kMicEQLine2Size},
    {"ucEQLine3", "ucSlider3", "dcButton3", EqVariant::ucEQLine, kucEQLine3Size},
    {"ucEQLine4", "ucSlider4", "dcButton4", EqVariant::ucEQLine, kucEQLine4Size},
    {"ucEQLine5", "ucSlider5", "dcButton5", EqVariant::ucEQLine, kucEQLine5Size},
    {"ucEQLine11", "ucSlider6", "dcButton6", EqVariant::ucEQLine1, kucEQLine11Size},
};

}  // namespace

const EqNames& eqNames(Eq eq) { return kNames[static_cast<int>(eq)]; }

Equalizer::Equalizer(Eq eq, const EqFlags& flags, Dialogs& dialogs)
    : graph(eqNames(eq).variant, flags), bandButtons(eqNames(eq).buttons), eq_(eq) {
  for (int i = 0; i < bands(); ++i) {
    editors_.push_back(std::make_unique<BandEditor>(dialogs));
    bandButtons[i].setCaption("OFF");
    bandButtons[i].setBackColor(colors::darkGrey);
  }
}

std::optional<BandValues> Equalizer::values(int band) const {
  if (band < 0 || band >= bands()) return std::nullopt;
  const BandEditor& e = editor(band);
  return BandValues{e.F(), e.db(), e.Q()};
}

void Equalizer::initialise() {
  const EqGraphSize size = eqNames(eq_).size;
  graph.resize(size.width, size.height);
  graph.InitEQ(bands());
  const std::vector<double> f = graph.getAverX();
  for (int i = 0; i < bands(); ++i) graph.setVal(i, f[i], 0, kInitialQ);
  if (eqNames(eq_).variant == EqVariant::MicEQLine) {
    editor(0).setT(kPeak);
    editor(1).setT(kPeak);
  }
}

}  // namespace kavel
