#pragma once
// A preset put on the panels, field by field by identity: a field the
// connected processor has and the preset lacks keeps its value; a field the
// preset has and the processor lacks is ignored. Nothing is sent: the
// equalizers' change handling runs with eqSendEnabled false, and what the
// compressor bars request is replaced by the bulk import that follows.
#include "presets/preset_snapshot.h"

namespace kavel {

class Form1;

void applyPreset(Form1& form, const PresetSnapshot& preset);

}  // namespace kavel
