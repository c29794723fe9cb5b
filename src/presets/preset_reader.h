#pragma once
// A preset file's bytes back into a snapshot. The file's own marker decides
// its layout; the whole file is checked before anything is handed on, and a
// failure says which line holds what instead of what was expected.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presets/preset_snapshot.h"

namespace kavel {

// Far above any preset (a few kB); larger files are refused unread.
inline constexpr std::size_t kMaxPresetBytes = 1024 * 1024;

struct ParsedPreset {
  std::optional<PresetSnapshot> snapshot;
  std::string error;    // set when there is no snapshot
  std::string message;  // the same in Chinese, for the window
  bool noMarker = false;  // the first line names no layout: no preset at all
};

// The fields of `layout` from `lines`, the file's lines after the marker,
// already in UTF-8. Every line must be there; extra lines are an error.
ParsedPreset parsePreset(PresetLayout layout, const std::vector<std::string>& lines);

// A whole file's bytes.
ParsedPreset readPreset(std::string_view bytes);

// The file at `path`; a file above kMaxPresetBytes is refused without reading
// it whole. A file rewritten while it is read is read again; one that keeps
// changing is refused rather than taken half old, half new.
ParsedPreset readPresetFile(const std::string& path);

}  // namespace kavel
