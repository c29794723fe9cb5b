#include "panels/eq_handlers.h"

#include <span>

#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

namespace {

constexpr double kShelfSplitHz = 1000;  // low shelf at most, high shelf at least this
constexpr const char* kShelfOn = "LH-PASS ON";
constexpr const char* kShelfOff = "LH-PASS OFF";

using ButtonOf = Button& (*)(Form1&);

// What sets one equalizer's handlers apart from the others'.
struct EqRules {
  Eq eq;
  int bandCommand;
  bool effect;  // its changes make the graphs write the echo/reverb hints
  std::span<double> (*savedGain)(LinkState&);
  // The bypass flag that must be set for a band edit to be sent; nullptr
  // where the equalizer has no bypass.
  bool LinkState::*active = nullptr;
  // A band edit that is not sent stops the probe timer (all but the microphone EQ).
  bool heldEditStopsProbe = true;
  double maxEditorFreq = 0;  // the subwoofer editors stay at or below 400 Hz; 0: no limit
  // Microphone and music only: bypass, shelf switch and reset.
  bool EqFlags::*shelfMode = nullptr;
  ButtonOf bypassButton = nullptr, shelfButton = nullptr, resetButton = nullptr;
  int bypassOn = 0, bypassOff = 0, shelfCommand = 0, resetCommand = 0;
  bool shelfOfflineStopsTimer2 = false;
};

template <std::size_t N>
std::span<double> gains(std::array<double, N>& a) {
  return a;
}

const EqRules kRules[kEqCount] = {
    {Eq::Mic, 2, false, [](LinkState& s) { return gains(s.savedGainMic); },
     &LinkState::micEqActive, false, 0, &EqFlags::micShelfMode,
     [](Form1& f) -> Button& { return f.panels.dcButton7; },
     [](Form1& f) -> Button& { return f.panels.Command10; },
     [](Form1& f) -> Button& { return f.panels.Command1; }, 100, 101, 75, 73, true},
    {Eq::Music, 9, false, [](LinkState& s) { return gains(s.savedGainMusic); },
     &LinkState::musicEqActive, true, 0, &EqFlags::musicShelfMode,
     [](Form1& f) -> Button& { return f.panels.dcButton9; },
     [](Form1& f) -> Button& { return f.panels.dcButton8; },
     [](Form1& f) -> Button& { return f.panels.Command16; }, 102, 103, 99, 74, false},
    {Eq::Effect, 36, true, [](LinkState& s) { return gains(s.savedGainEffect); }},
    {Eq::Center, 24, false, [](LinkState& s) { return gains(s.savedGainCenter); }},
    {Eq::Surround, 30, false, [](LinkState& s) { return gains(s.savedGainSurround); }},
    {Eq::Sub, 19, false, [](LinkState& s) { return gains(s.savedGainSub); }, nullptr, true,
     400},
};

const EqRules& rulesOf(Eq eq) { return kRules[static_cast<int>(eq)]; }

void showBand(Button& b, bool on) {
  b.setCaption(on ? "ON" : "OFF");
  b.setBackColor(on ? colors::green : colors::darkGrey);
}

// The graph raised Changed for `band`, after a drag step or a set from code.
void graphChanged(Form1& f, const EqRules& r, int band, double freq, double gain, double q) {
  LinkState& s = f.state;
  Equalizer& e = f.eq(r.eq);
  s.lastEqWasEffect = r.effect;
  s.paramIndex = Integer(band);
  e.editor(band).setVal(freq, gain, q);
  if (gain != 0) r.savedGain(s)[band] = gain;
  showBand(e.bandButtons[band], gain != 0);
  const bool active = r.active == nullptr || s.*r.active;
  if (s.eqSendEnabled && active && f.online()) {
    s.commandKind = Integer(r.bandCommand);
    f.timers.timer1->setEnabled(true);
  } else if (r.heldEditStopsProbe) {
    f.timers.timer1->setEnabled(false);
  }
  // Pending events run when this handler returns to the event loop.
}

// The band editor's frequency path: the shelf limits, then the graph. The
// limits keep the operator's edits inside the shelves; a frequency the
// processor reports is shown as it is, since the read-back meets the bands
// before the shelf byte and the shelf mode may still be an earlier one.
void frequencyEdited(Form1& f, const EqRules& r, int band, double freq) {
  Equalizer& e = f.eq(r.eq);
  if (r.shelfMode && f.state.*r.shelfMode && !f.readBack.decoding()) {
    const bool beyond = (band == 0 && freq > kShelfSplitHz) || (band == 1 && freq < kShelfSplitHz);
    if (beyond) {
      freq = kShelfSplitHz;
      e.editor(band).setF(freq);
    }
  }
  e.graph.setF(band, freq);
  if (r.maxEditorFreq > 0 && e.editor(band).F() > r.maxEditorFreq)
    e.editor(band).setF(r.maxEditorFreq);
}

void bandButtonClicked(Form1& f, const EqRules& r, int band) {
  Equalizer& e = f.eq(r.eq);
  Button& b = e.bandButtons[band];
  double gain = 0;
  if (b.caption() == "OFF") {
    gain = r.savedGain(f.state)[band];
    if (gain == 0) return;
    showBand(b, true);
  } else {
    showBand(b, false);
  }
  e.editor(band).setDb(gain);
  e.graph.setDB(band, gain);
}

void bypassClicked(Form1& f, const EqRules& r) {
  const bool turnOn = r.bypassButton(f).backColor() == colors::darkGrey;
  setBypass(f, r.eq, turnOn);
  requestCommand(f, turnOn ? r.bypassOn : r.bypassOff);
}

void shelfClicked(Form1& f, const EqRules& r) {
  LinkState& s = f.state;
  Equalizer& e = f.eq(r.eq);
  s.eqSendEnabled = false;
  const bool turnOn = r.shelfButton(f).caption() == kShelfOff;
  setShelfMode(f, r.eq, turnOn);
  if (turnOn) {
    // Band 1 is the high shelf, band 0 the low shelf: each moves to the split.
    if (e.editor(1).F() < kShelfSplitHz) {
      e.editor(1).setF(kShelfSplitHz);
      frequencyEdited(f, r, 1, kShelfSplitHz);
    }
    if (e.editor(0).F() > kShelfSplitHz) {
      e.editor(0).setF(kShelfSplitHz);
      frequencyEdited(f, r, 0, kShelfSplitHz);
    }
  }
  s.paramCode = turnOn ? kSwitchOn : kSwitchOff;
  s.eqSendEnabled = true;
  if (f.online() || r.shelfOfflineStopsTimer2) requestCommand(f, r.shelfCommand);
}

void resetClicked(Form1& f, const EqRules& r) {
  Button& reset = r.resetButton(f);
  Equalizer& e = f.eq(r.eq);
  reset.setEnabled(false);
  f.state.eqSendEnabled = false;
  for (int band = 0; band < e.bands(); ++band) {
    e.editor(band).setDb(0);
    e.graph.setDB(band, 0);
  }
  f.state.eqSendEnabled = true;
  requestCommand(f, r.resetCommand);
  reset.setEnabled(true);
}

}  // namespace

void setShelfMode(Form1& f, Eq eq, bool on) {
  const EqRules& r = rulesOf(eq);
  if (!r.shelfMode) return;
  Equalizer& e = f.eq(eq);
  f.state.*r.shelfMode = on;
  Button& b = r.shelfButton(f);
  b.setBackColor(on ? colors::brightGreen : colors::darkGrey);
  b.setCaption(on ? kShelfOn : kShelfOff);
  e.editor(0).setQEnabled(!on);
  e.editor(1).setQEnabled(!on);
  e.graph.setNcap(on ? "低" : "1");
  e.graph.setNcap1(on ? "高" : "2");
  e.editor(0).setT(on ? kLowShelf : kPeak);
  e.editor(1).setT(on ? kHighShelf : kPeak);
}

void setBypass(Form1& f, Eq eq, bool bypassed) {
  const EqRules& r = rulesOf(eq);
  if (!r.bypassButton) return;
  r.bypassButton(f).setBackColor(bypassed ? colors::brightGreen : colors::darkGrey);
  f.eq(eq).graph.setEQPASS(bypassed);
  f.state.*r.active = !bypassed;
}

void connectEqualizer(Form1& f, Eq eq) {
  const EqRules& r = rulesOf(eq);
  Equalizer& e = f.eq(eq);
  e.graph.Changed.connect([&f, &r](int band, double freq, double gain, double q) {
    graphChanged(f, r, band, freq, gain, q);
  });
  for (int band = 0; band < e.bands(); ++band) {
    BandEditor& ed = e.editor(band);
    ed.DBChanged.connect([&e, band](double v) { e.graph.setDB(band, v); });
    ed.QChanged.connect([&e, band](double v) { e.graph.setQ(band, v); });
    ed.TChanged.connect([&e, band](std::int16_t v) { e.graph.setT(band, v); });
    ed.FChanged.connect([&f, &r, band](double v) { frequencyEdited(f, r, band, v); });
    e.bandButtons[band].clicked.connect([&f, &r, band] { bandButtonClicked(f, r, band); });
  }
  if (r.bypassButton) r.bypassButton(f).clicked.connect([&f, &r] { bypassClicked(f, r); });
  if (r.shelfButton) r.shelfButton(f).clicked.connect([&f, &r] { shelfClicked(f, r); });
  if (r.resetButton) r.resetButton(f).clicked.connect([&f, &r] { resetClicked(f, r); });
}

}  // namespace kavel
