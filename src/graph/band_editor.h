#pragma once
// The band editor (the window's ucSlider): one EQ band's gain on a vertical
// knob with its text box, and its frequency and Q in text boxes with "<" and
// ">" step buttons. It keeps the three values, raises one event per edited
// value and is told the band's values back by the host with setVal. It never
// talks to the graph or the processor itself.
#include <cstdint>

#include "controls/control.h"
#include "controls/inputs.h"
#include "controls/signal.h"
#include "graph/view_input.h"
#include "window/dialogs.h"

namespace kavel {

// Layout in twips (15 to a pixel).
namespace band_editor_layout {
inline constexpr Geometry kControl{0, 0, 765, 3675};
inline constexpr Rgb kBackColor{101, 101, 101};
inline constexpr Geometry kTxtDB{100, 240, 435, 195};
inline constexpr Geometry kPicBar{60, 570, 600, 2295};      // the knob's track
inline constexpr double kKnobWidth = 285, kKnobHeight = 225;
inline constexpr double kKnobTopMost = 90, kKnobBottomMost = 2040;  // inside the track
inline constexpr Geometry kTxtF{60, 2970, 615, 195};
inline constexpr Geometry kCommand3{0, 2920, 135, 255};     // "<" frequency down
inline constexpr Geometry kCommand4{600, 2920, 135, 255};   // ">" frequency up
inline constexpr Geometry kTxtQ{60, 3330, 615, 195};
inline constexpr Geometry kCommand1{0, 3300, 135, 255};     // "<" Q down
inline constexpr Geometry kCommand2{600, 3300, 135, 255};   // ">" Q up
// Scale marks beside the knob: tops inside the track, level with the knob
// at +12, 0 and -12 dB.
// The tooltip of the frequency and Q boxes.
inline constexpr const char* kBoxToolTip = "手动输入按回车键有效";
inline constexpr double kMarkPlus12Top = 120, kMarkZeroTop = 1080, kMarkMinus12Top = 2070;
}  // namespace band_editor_layout

class BandEditor {
 public:
  // `dialogs` shows the invalid-type message; it outlives the editor.
  explicit BandEditor(Dialogs& dialogs);
  BandEditor(const BandEditor&) = delete;
  BandEditor& operator=(const BandEditor&) = delete;

  // ---- Members, as the host uses them; none of them raises an event but T ----
  void setVal(double F, double D, double Q);
  double db() const { return CurDB_; }
  void setDb(double value);
  double F() const { return CurF_; }
  void setF(double value);
  double Q() const { return CurQ_; }
  void setQ(double value);
  bool QEnabled() const { return qEnabled_; }
  void setQEnabled(bool on);
  std::int16_t T() const { return T_; }
  // 0, 1 or 2 raises TChanged (also for the current value); anything else
  // shows "无效属性值" and changes nothing.
  void setT(std::int16_t value);

  Signal<double> DBChanged;
  Signal<double> FChanged;
  Signal<double> QChanged;
  Signal<std::int16_t> TChanged;

  // ---- What the view shows (geometry in pixels of the editor) ----
  // A box's enterPressed and clicked signals run the Enter and click rules.
  TextBox txtDB{"txtDB"};
  TextBox txtF{"txtF"};
  TextBox txtQ{"txtQ"};
  Button Command1{"Command1"};  // Q "<"
  Button Command2{"Command2"};  // Q ">"
  Button Command3{"Command3"};  // frequency "<"
  Button Command4{"Command4"};  // frequency ">"
  double knobTop() const { return knobTop_; }  // twips inside the track
  PointerShape trackPointer() const { return trackPointer_; }
  Signal<> viewChanged;  // the knob or the track's pointer changed

  // ---- The operator ----
  // y is the pointer's position inside the knob, in twips.
  void knobMouseDown(int button, double y);
  void knobMouseMove(int buttons, int modifiers, double y);
  void knobMouseUp();
  enum class Key { kUp, kDown, kOther };
  void knobKeyDown(Key key);
  // Enter in a box; the box's text is what the operator typed.
  void txtDBEnter();
  void txtFEnter();
  void txtQEnter();
  // A left-button press in a box reports the box's stored value again.
  void txtDBClicked() { DBChanged.emit(CurDB_); }
  void txtFClicked() { FChanged.emit(CurF_); }
  void txtQClicked() { QChanged.emit(CurQ_); }

  // The step buttons. A left-button press applies the first step and starts
  // a loop, unless one is running; the view calls stepRepeat for each further
  // step while the button is held and stepRelease when it is let go.
  enum class StepButton { kQDown, kQUp, kFDown, kFUp };  // Command1 .. Command4
  bool stepPress(StepButton button);  // false when a loop was already running
  bool stepRepeat();                  // one more step; false once the loop ended
  void stepRelease();
  bool stepping() const { return busy_; }

 private:
  void showDb();
  void knobMoveStep(double y);
  void step(StepButton button);
  const Button& stepButton(StepButton button) const;

  Dialogs& dialogs_;
  double CurDB_ = 0, CurQ_ = 0, CurF_ = 0;
  std::int16_t T_ = 0;
  bool qEnabled_ = true;
  bool busy_ = false;  // a step loop runs: from the press to the release
  StepButton looping_ = StepButton::kQDown;
  int grab_ = 0;  // twips
  double knobTop_ = 1065;
  PointerShape trackPointer_ = PointerShape::kArrow;
};

// The frequency step of the "<" and ">" buttons at f Hz, following the
// resolution of the frequency code; 0 above 20000 Hz (the text stays).
double frequencyStep(double f);

}  // namespace kavel
