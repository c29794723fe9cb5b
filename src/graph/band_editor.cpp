#include "graph/band_editor.h"

#include <algorithm>

#include "graph/number_text.h"

namespace kavel {
namespace {

constexpr double kMaxDb = 12, kMinDb = -12;
constexpr double kMinF = 20, kMaxF = 20000;
constexpr double kMinQ = 0.3, kMaxQ = 15;
constexpr double kKnobTravel = band_editor_layout::kKnobBottomMost -
                               band_editor_layout::kKnobTopMost;  // 1950 twips for 24 dB

struct FrequencyStepRow {
  double upTo;  // the row applies to f <= upTo
  double step;
};

constexpr FrequencyStepRow kFrequencySteps[] = {
    {150, 1}, {500, 2}, {1400, 3}, {4000, 4}, {20000, 10},
};

std::string dbText(double v) { return formatFixed(v, 1); }
std::string fText(double v) { return formatFixed(v, 0); }
std::string qText(double v) { return formatFixed(v, 1); }

}  // namespace

double frequencyStep(double f) {
  for (const FrequencyStepRow& row : kFrequencySteps) {
    if (f <= row.upTo) return row.step;
  }
  return 0;
}

BandEditor::BandEditor(Dialogs& dialogs) : dialogs_(dialogs) {
  namespace layout = band_editor_layout;
  const auto place = [](Control& c, Geometry twips) {
    c.setGeometry(fromTwips(twips.left, twips.top, twips.width, twips.height));
  };
  place(txtDB, layout::kTxtDB);
  place(txtF, layout::kTxtF);
  place(txtQ, layout::kTxtQ);
  place(Command1, layout::kCommand1);
  place(Command2, layout::kCommand2);
  place(Command3, layout::kCommand3);
  place(Command4, layout::kCommand4);
  Command1.setCaption("<");
  Command2.setCaption(">");
  Command3.setCaption("<");
  Command4.setCaption(">");
  txtDB.setText("0.0");
  txtF.setText("20");
  txtQ.setText("0");
  txtDB.enterPressed.connect([this] { txtDBEnter(); });
  txtF.enterPressed.connect([this] { txtFEnter(); });
  txtQ.enterPressed.connect([this] { txtQEnter(); });
  txtDB.clicked.connect([this] { txtDBClicked(); });
  txtF.clicked.connect([this] { txtFClicked(); });
  txtQ.clicked.connect([this] { txtQClicked(); });
}

// ---- Members ----

void BandEditor::setVal(double F, double D, double Q) {
  setDb(D);
  setF(F);
  setQ(Q);
}

void BandEditor::setDb(double value) {
  CurDB_ = value;
  showDb();
  knobTop_ = (kMaxDb - CurDB_) / 24 * kKnobTravel + band_editor_layout::kKnobTopMost;
  viewChanged.emit();
}

void BandEditor::setF(double value) {
  CurF_ = value;
  txtF.setText(fText(CurF_));
}

void BandEditor::setQ(double value) {
  CurQ_ = value;
  txtQ.setText(qText(CurQ_));
}

void BandEditor::setQEnabled(bool on) {
  qEnabled_ = on;
  txtQ.setEnabled(on);
  Command1.setEnabled(on);
  Command2.setEnabled(on);
}

void BandEditor::setT(std::int16_t value) {
  if (value < 0 || value > 2) {
    dialogs_.message("无效属性值", "错误", MessageIcon::Error);
    return;
  }
  T_ = value;
  TChanged.emit(T_);
}

void BandEditor::showDb() { txtDB.setText(dbText(CurDB_)); }

// ---- The knob ----

void BandEditor::knobMouseDown(int button, double y) {
  trackPointer_ = PointerShape::kSizeNorthSouth;
  grab_ = int(roundEven(y));
  viewChanged.emit();
  if (button == kLeftButton) knobMoveStep(y);
}

void BandEditor::knobMouseMove(int buttons, int modifiers, double y) {
  if (buttons == kLeftButton || modifiers == kAltKey) knobMoveStep(y);
}

void BandEditor::knobMouseUp() {
  trackPointer_ = PointerShape::kArrow;
  viewChanged.emit();
}

void BandEditor::knobMoveStep(double y) {
  const double top = roundEven(knobTop_ + y - grab_);
  if (top < band_editor_layout::kKnobTopMost) {
    knobTop_ = band_editor_layout::kKnobTopMost;
    CurDB_ = kMaxDb;
  } else if (top > band_editor_layout::kKnobBottomMost) {
    knobTop_ = band_editor_layout::kKnobBottomMost;
    CurDB_ = kMinDb;
  } else {
    knobTop_ = top;
    // Single precision as the knob has always computed it, then one decimal.
    const float v = 12.0f - (float(top) - 90.0f) / 1950.0f * 24.0f;
    CurDB_ = roundEven(double(v) * 10) / 10;
  }
  showDb();
  viewChanged.emit();
  DBChanged.emit(CurDB_);
}

void BandEditor::knobKeyDown(Key key) {
  const double shown = leadingNumber(txtDB.text());
  if (key == Key::kUp) {
    const double v = shown + 0.1;
    txtDB.setText(dbText(v > kMaxDb ? kMaxDb : v));
  } else if (key == Key::kDown) {
    const double v = shown - 0.1;
    txtDB.setText(dbText(v < kMinDb ? kMinDb : v));
  }
  // Every key reports the box's value; the knob follows when the host
  // answers with setVal.
  CurDB_ = leadingNumber(txtDB.text());
  DBChanged.emit(CurDB_);
}

// ---- Typed values ----

void BandEditor::txtDBEnter() {
  const std::string& t = txtDB.text();
  const double v = leadingNumber(t);
  if (isNumeric(t) && v >= kMinDb && v <= kMaxDb) {
    CurDB_ = v;
    DBChanged.emit(CurDB_);
  } else {
    showDb();
  }
}

void BandEditor::txtFEnter() {
  const std::string& t = txtF.text();
  const double v = leadingNumber(t);
  if (isNumeric(t) && v >= kMinF && v <= kMaxF) {
    CurF_ = v;
    FChanged.emit(CurF_);
  } else {
    txtF.setText(fText(CurF_));
  }
}

void BandEditor::txtQEnter() {
  const std::string& t = txtQ.text();
  const double v = leadingNumber(t);
  if (isNumeric(t) && v >= kMinQ && v <= kMaxQ) {
    CurQ_ = v;
    QChanged.emit(CurQ_);
  } else {
    txtQ.setText(qText(CurQ_));
  }
}

// ---- Step buttons ----

const Button& BandEditor::stepButton(StepButton button) const {
  switch (button) {
    case StepButton::kQDown: return Command1;
    case StepButton::kQUp: return Command2;
    case StepButton::kFDown: return Command3;
    case StepButton::kFUp: return Command4;
  }
  return Command1;
}

bool BandEditor::stepPress(StepButton button) {
  if (busy_ || !stepButton(button).enabled()) return false;
  busy_ = true;
  looping_ = button;
  step(button);
  return true;
}

bool BandEditor::stepRepeat() {
  if (!busy_) return false;
  step(looping_);
  return busy_;  // a release handled during the step ends the loop
}

// The release arrives between two steps (or inside one), so the loop ends here.
void BandEditor::stepRelease() { busy_ = false; }

void BandEditor::step(StepButton button) {
  switch (button) {
    case StepButton::kQDown:
    case StepButton::kQUp: {
      const double delta = button == StepButton::kQUp ? 0.1 : -0.1;
      txtQ.setText(qText(leadingNumber(txtQ.text()) + delta));
      // The box may run past the limits; the event carries the held value.
      CurQ_ = std::clamp(leadingNumber(txtQ.text()), kMinQ, kMaxQ);
      QChanged.emit(CurQ_);
      break;
    }
    case StepButton::kFDown:
    case StepButton::kFUp: {
      const double f = leadingNumber(txtF.text());
      const double s = frequencyStep(f);
      if (s > 0) txtF.setText(fText(button == StepButton::kFUp ? f + s : f - s));
      CurF_ = std::clamp(leadingNumber(txtF.text()), kMinF, kMaxF);
      FChanged.emit(CurF_);
      break;
    }
  }
}

}  // namespace kavel
