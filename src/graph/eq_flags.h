#pragma once
// The flags the EQ graphs read while a band point is dragged or its hint is
// written. They are fields of the link state; the graphs see only this part.

namespace kavel {

struct EqFlags {
  bool micShelfMode = false;     // microphone EQ bands 0 and 1 are low and high shelf
  bool musicShelfMode = false;   // the same for the music EQ
  bool micPanelShown = false;    // the microphone panel is the visible panel
  bool musicPanelShown = false;  // the music panel is the visible panel
  bool lastEqWasEffect = false;  // the last graph that changed was the effect EQ
};

}  // namespace kavel
