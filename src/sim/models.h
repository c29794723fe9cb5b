#pragma once
// The four processor variants and what tells them apart on the wire.
#include <optional>
#include <string_view>

#include "controls/bytes.h"

namespace kavel::sim {

enum class Model { M1, M2, M3, M3b };

struct ModelInfo {
  Model model;
  std::string_view name;  // as given on the command line: "1", "2", "3", "3b"
  Byte probe;             // the probe byte this unit answers
  Byte probeReply;        // second byte of its answer (the first is 0x5A)
  int importLength;       // length byte of the bulk import frame it accepts
  bool shelfInBlock12;    // block 0x12 carries the music shelf mode (models 1 and 2)
};

inline constexpr ModelInfo kModels[] = {
    {Model::M1, "1", 0xAF, 0x7F, 0xD9, true},
    {Model::M2, "2", 0xAC, 0x76, 0xD9, true},
    {Model::M3, "3", 0xAA, 0x76, 0xD8, false},
    {Model::M3b, "3b", 0xAA, 0x79, 0xD6, false},
};

inline const ModelInfo& modelInfo(Model m) { return kModels[static_cast<int>(m)]; }

inline std::optional<Model> modelByName(std::string_view name) {
  for (const ModelInfo& info : kModels)
    if (info.name == name) return info.model;
  return std::nullopt;
}

}  // namespace kavel::sim
