#include "panels/panel_handlers.h"

#include "panels/center_surround_handlers.h"
#include "panels/effect_handlers.h"
#include "panels/eq_handlers.h"
#include "panels/mic_handlers.h"
#include "panels/music_handlers.h"
#include "panels/sub_settings_handlers.h"
#include "presets/bulk_import.h"
#include "presets/memory_modes.h"
#include "presets/preset_files.h"
#include "window/form1.h"

namespace kavel {

void connectPanels(Form1& f) {
  for (int e = 0; e < kEqCount; ++e) connectEqualizer(f, Eq(e));
  connectMicPanel(f);
  connectMusicPanel(f);
  connectEffectPanel(f);
  connectCenterSurroundPanel(f);
  connectSubSettingsPanel(f);
  connectMemoryModes(f);
  connectBulkImport(f);
  connectPresetFiles(f);
}

}  // namespace kavel
