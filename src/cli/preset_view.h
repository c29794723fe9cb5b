#pragma once
// What `kavel show` and `kavel diff` print for preset files: a file's
// fields by parameter, grouped by panel as the dump groups them, or as one
// JSON object; and the fields two files hold differently.
#include <string>

#include "presets/preset_snapshot.h"

namespace kavel {
class Form1;
}

namespace kavel::cli {

// The panels' names are taken from `form`'s panel frames; nothing else of it is read.
std::string showText(Form1& form, const PresetSnapshot& preset);
// {"layout": MARKER, "parameters": {NAME: {"text", "position"} or {"caption"}},
//  "equalizers": {NAME: [{"band", "frequency", "gain", "q"}]}}
std::string showJson(const PresetSnapshot& preset);

// One line for each field the files hold differently, in file order, then
// one for each field only one of them holds; empty when they are equal.
// `nameA` and `nameB` name the files in the lines of fields only one holds.
std::string diffText(const PresetSnapshot& a, const PresetSnapshot& b, const std::string& nameA,
                     const std::string& nameB);

}  // namespace kavel::cli
