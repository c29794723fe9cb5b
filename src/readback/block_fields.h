#pragma once
// Where each field of a read-back block lies and what it sets, as rows of
// data, and the small walker that decodes a block from them. Byte k of a
// block is characters 2k+1 and 2k+2 of the reply text (counting from 1); a
// byte beyond the received text reads 0. Each block is decoded in ascending
// byte order, a section's progress caption before the byte it is set at.
#include <string>
#include <variant>
#include <vector>

#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

class Form1;
struct LinkState;

// The processors a row applies to.
enum class When {
  Always,
  NotAltModel3,  // skipped by the second variant of model 3
  Model3,        // deviceModel > 2
  Models1And2,   // deviceModel 1 or 2
};
bool applies(When when, const LinkState& state);

// A slider and its value box: the byte's value v gives the position, and the
// box shows the text of the position p the slider took (it clamps into its
// range, so box and slider always agree).
struct SliderField {
  Slider& (*slider)(Form1&);
  TextBox& (*box)(Form1&);
  int (*position)(int v);
  std::string (*text)(int p);
  int width = 1;  // bytes, high byte first
};

// A value box without a control of its own.
struct TextField {
  TextBox& (*box)(Form1&);
  std::string (*text)(int v);
};

// A button whose caption is `on` for 0x7F and `off` for any other byte.
struct SwitchCaption {
  Button& (*button)(Form1&);
  const char* on;
  const char* off;
};

// One part of an EQ band, written to the band editor and then handed to the
// window's handling of that editor's change, as an edit would be.
enum class BandPart { Q, Gain, Freq };  // Freq takes two bytes, high first
struct BandField {
  Eq eq;
  int band;
  BandPart part;
};

// A field with a rule of its own (shelf mode, bypass, music input, ...).
struct FieldAction {
  void (*apply)(Form1&, int v);
};

// Label9's progress caption of the section that starts at this byte.
struct SectionCaption {
  const char* caption;
};

using Field = std::variant<SliderField, TextField, SwitchCaption, BandField, FieldAction, SectionCaption>;

struct FieldRow {
  int block;
  int byte;  // the field's first byte
  Field field;
  When when = When::Always;
};

// Bands `first` .. `first + count - 1` of one EQ, four bytes each (Q, gain,
// frequency high and low), running on from `block` byte `byte` through bytes
// 2 to 7 of the following blocks. Bands laid out less regularly are rows.
struct BandRun {
  Eq eq;
  int first;
  int count;
  int block;
  int byte;
};

// Positions a byte's value v stands for.
inline int asIs(int v) { return v; }
inline int negated(int v) { return -v; }       // bars that run from 0 down to -30
inline int fromHundred(int v) { return 100 - v; }
inline int plusOne(int v) { return v + 1; }

struct FieldTable {
  std::vector<FieldRow> rows;
  std::vector<BandRun> runs;
};

// The tables, one per section of the parameter set.
const FieldTable& sectionCaptions();
const FieldTable& micMusicFields();
const FieldTable& settingsFields();
const FieldTable& effectFields();
const FieldTable& subFields();
const FieldTable& centerSurroundFields();

// The bytes a field takes: 0 for a caption.
int fieldWidth(const Field& field);

// Every field of block `block` (0x01 to 0x27), runs spelled out, in the order
// they are decoded.
const std::vector<FieldRow>& blockFields(int block);

// Byte k of the reply text `hex`; 0 beyond its end.
int replyByte(const std::string& hex, int k);

// Decodes the reply in state.rxHex as block `block` into the window.
void decodeBlock(Form1& form, int block);

}  // namespace kavel
