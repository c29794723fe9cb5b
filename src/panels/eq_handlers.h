#pragma once
// The handlers every equalizer shares: a graph change writes the band editor
// and the band button and sends the band; a band editor change sets the
// graph; a band button switches the band off and back to its remembered
// gain. The microphone and music equalizers add bypass, shelf mode and reset.
#include "panels/band_values.h"

namespace kavel {

class Form1;

// Shelf mode of the microphone or music EQ as the processor reports it or
// the shelf switch sets it: the flag, the switch's caption and colour
// ("LH-PASS ON" green / "LH-PASS OFF" dark grey), the Q boxes of bands 0
// and 1, the graph's captions of its first two points ("低"/"高" or "1"/"2")
// and the band types (low and high shelf, or peaks). Sends nothing.
void setShelfMode(Form1& form, Eq eq, bool on);

// Bypass state of the microphone or music EQ: the bypass button's colour
// (green when bypassed, dark grey otherwise), the graph's "EQ PASS" and
// micEqActive / musicEqActive. Sends nothing.
void setBypass(Form1& form, Eq eq, bool bypassed);

// Connects the graph, band editors and band buttons of one equalizer, and,
// for the microphone and music EQs, their bypass, shelf and reset buttons.
void connectEqualizer(Form1& form, Eq eq);

}  // namespace kavel
