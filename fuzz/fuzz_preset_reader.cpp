// Any bytes as a preset file: the reader takes them apart under whichever
// layout their marker names, and the window's load handler either applies
// them and starts the import, or refuses them and leaves the panels as they
// were, with nothing sent.
#include <unistd.h>

#include <fstream>
#include <string>

#include "fuzz_input.h"
#include "presets/preset_files.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "protocol/rig.h"
#include "protocol/send_scheduler.h"

namespace kavel {
namespace {

using fuzz::check;

constexpr int kAfterLoadMs = 100;  // long enough for a stray timer to write
constexpr PresetLayout kLayouts[] = {PresetLayout::Full, PresetLayout::NoShelf, PresetLayout::NoFilter};

// One file per process, in memory where there is a /dev/shm.
const std::string& presetPath() {
  static const std::string path = [] {
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/kavel-fuzz-preset-" + std::to_string(getpid()) + ".ktv";
  }();
  return path;
}

void writeFile(const std::string& bytes) {
  std::ofstream out(presetPath(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::vector<PresetSnapshot> panels(Form1& form) {
  std::vector<PresetSnapshot> out;
  for (PresetLayout layout : kLayouts) out.push_back(takeSnapshot(form, layout));
  return out;
}

}  // namespace
}  // namespace kavel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kavel;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const ParsedPreset parsed = readPreset(bytes);
  check(parsed.snapshot.has_value() == parsed.error.empty());
  check(parsed.snapshot.has_value() == parsed.message.empty());
  if (parsed.snapshot) check(parsed.snapshot->fields.size() + 1 == std::size_t(presetLineCount(parsed.snapshot->layout)));

  testing::Rig rig(false);
  rig.goOnline();
  writeFile(bytes);
  rig.dialogs.files = {presetPath()};
  const auto before = panels(rig.form);
  loadPresetFromComputer(rig.form);
  unlink(presetPath().c_str());  // read whole by the handler; nothing is left behind
  rig.clock.advance(kAfterLoadMs);
  if (parsed.snapshot) {
    // The import goes out, unless a value loaded has no wire byte.
    check(!rig.framesWritten().empty() ||
          (rig.dialogs.last() && rig.dialogs.last()->text == SendScheduler::kInvalidValue));
    return 0;
  }
  check(panels(rig.form) == before);
  check(rig.port.writes.empty());
  check(!rig.anyTimer());
  return 0;
}
