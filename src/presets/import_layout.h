#pragma once
// The import frame's layout: one row per run of bytes after the length byte,
// saying where the run starts and which controls fill it. The frame builder
// walks these rows; nothing else knows the byte positions.
#include <cstddef>
#include <span>
#include <string>

#include "panels/band_values.h"

namespace kavel {

class ComboBox;
class Form1;

enum class ImportSource : unsigned char {
  Bands,     // `count` band blocks Q G FH FL from band `band` on
  BandQG,    // Q and G of band `band`
  BandFreq,  // FH and FL of band `band`
  Phase,     // 0x00 when the caption's number is 0, else 0x7F
  Position,  // a slider position (two bytes, high first, when `width` is 2)
  Magnitude, // the absolute value of a position
  Number,    // (number read from a display box + add) x factor
  ListIndex, // the text's place in its selector's list; 0 for a text not in it
  Shelf,     // 0x7F when the caption is "LH-PASS ON", else 0x00
};

struct ImportRow {
  std::size_t at;  // the run's first byte in the frame
  ImportSource source;
  int (*position)(Form1&) = nullptr;                 // Position, Magnitude
  const std::string& (*text)(Form1&) = nullptr;      // Phase, Number, Shelf
  ComboBox& (*selector)(Form1&) = nullptr;           // ListIndex
  double add = 0, factor = 1;                        // Number
  int width = 1;                                     // Position, Number
  Eq eq = Eq::Mic;                                   // band rows
  int band = 0, count = 1;                           // band rows
  bool fullFrameOnly = false;  // written only into the 224-byte frame of models 1 and 2
};

// The rows in frame order. A row that ends beyond a shorter frame's last byte
// is not written into that frame.
std::span<const ImportRow> importLayout();

}  // namespace kavel
