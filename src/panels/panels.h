#pragma once
// The controls of the five panels, by their window names. The label array
// Label7 runs across the center/surround and the subwoofer/settings panels.
#include "panels/center_surround_panel.h"
#include "panels/effect_panel.h"
#include "panels/mic_panel.h"
#include "panels/music_panel.h"
#include "panels/sub_settings_panel.h"

namespace kavel {

struct Panels : MicPanel, MusicPanel, EffectPanel, CenterSurroundPanel, SubSettingsPanel {
  Panels();

  ControlArray<Label> Label7{"Label7"};

  // The band editors' values of one equalizer.
  const BandReader& bands(Eq eq) const;
};

}  // namespace kavel
