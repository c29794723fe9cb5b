// Writes the seeds that the project's own code makes: preset files of the
// three layouts, a simulator state file, and real traffic of a connect to
// the simulated processor in the record layouts of fuzz_receive (what the
// processor answers) and fuzz_sim_stream (what the editor writes).
// Usage: fuzz_write_seeds <corpus folder>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "presets/bulk_import.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_writer.h"
#include "protocol/catalogue.h"
#include "sim/processor.h"
#include "sim/state_file.h"

namespace kavel {
namespace {

struct Unit {
  const char* name;
  sim::Model model;
  Byte index;  // the model byte of both fuzzers
};
constexpr Unit kUnits[] = {{"m1", sim::Model::M1, 0},
                           {"m2", sim::Model::M2, 1},
                           {"m3", sim::Model::M3, 2},
                           {"m3b", sim::Model::M3b, 3}};

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
}
std::string text(const Bytes& b) { return std::string(b.begin(), b.end()); }

// What crossed the line during a connect, each with its time, and when the
// window first asked for block 20 (the reading-block state of fuzz_receive).
struct Traffic {
  struct Item {
    long long atMs;
    Bytes bytes;
  };
  std::vector<Item> written, answered;
  long long block20Ms = -1;
};

// As fuzz_receive drives it: the window watched every millisecond.
Traffic connect(sim::Model model) {
  testing::Rig rig(false);
  sim::Processor unit(model);
  Traffic t;
  rig.port.responder = [&](const Bytes& bytes) {
    const long long now = rig.clock.nowMs();
    t.written.push_back({now, bytes});
    for (const sim::Exchange& ex : unit.receive(bytes, now * 1000)) {
      if (ex.reply.empty()) continue;
      rig.port.deliver(ex.reply, 2);
      t.answered.push_back({now + 2, ex.reply});
    }
  };
  rig.form.mnulianji.click();
  const LinkState& s = rig.state();
  rig.clock.advanceUntil([&] { return s.commandKind == kReadBackKind && s.readBlock == 20; }, 20000);
  t.block20Ms = rig.clock.nowMs();
  rig.clock.advanceUntil([&] { return s.isOnline && !rig.anyTimer(); }, 20000);
  startBulkImport(rig.form);
  rig.clock.advanceUntil([&] { return !rig.anyTimer(); }, 2000);
  return t;
}

// fuzz_receive: state, model, argument, then (delay ms, length - 1, bytes)
// for each answer, the delays counted from `startMs`.
std::string receiveSeed(Byte state, Byte model, Byte arg, const std::vector<Traffic::Item>& items,
                        long long startMs) {
  std::string out{char(state), char(model), char(arg)};
  long long at = startMs;
  for (const auto& item : items) {
    out += char(std::min<long long>(item.atMs - at, 63));
    out += char(item.bytes.size() - 1);
    out += text(item.bytes);
    at = item.atMs;
  }
  return out;
}

// fuzz_sim_stream: the model byte, then (time in 100 us, length, bytes) for each write.
std::string streamSeed(Byte model, const std::vector<Traffic::Item>& items) {
  std::string out{char(model)};
  long long at = 0;
  for (const auto& item : items) {
    out += char(std::min<long long>((item.atMs - at) * 10, 255));
    out += char(item.bytes.size());
    out += text(item.bytes);
    at = item.atMs;
  }
  return out;
}

void writeTraffic(const std::string& dir) {
  constexpr Byte kProbing = 0, kReadingBlock = 2;
  for (const Unit& u : kUnits) {
    const Traffic t = connect(u.model);
    writeFile(dir + "/fuzz_receive/connect-" + u.name, receiveSeed(kProbing, u.index, 0, t.answered, 0));
    // What the processor answered once the window asked for block 20.
    const auto from = std::find_if(t.answered.begin(), t.answered.end(),
                                   [&](const auto& i) { return i.atMs > t.block20Ms; });
    writeFile(dir + "/fuzz_receive/block20-" + std::string(u.name),
              receiveSeed(kReadingBlock, u.index, 19, {from, t.answered.end()}, t.block20Ms));
    writeFile(dir + "/fuzz_sim_stream/connect-" + std::string(u.name), streamSeed(u.index, t.written));
  }
}

void writePresets(const std::string& dir) {
  struct Layout {
    const char* name;
    PresetLayout layout;
  };
  const Layout layouts[] = {{"full", PresetLayout::Full},
                            {"noshelf", PresetLayout::NoShelf},
                            {"nofilter", PresetLayout::NoFilter}};
  testing::PresetRig rig;
  for (const Layout& l : layouts)
    writeFile(dir + "/fuzz_preset_reader/" + l.name + ".ktv",
              formatPreset(takeSnapshot(rig.form, l.layout)).bytes);
}

void writeState(const std::string& dir) {
  sim::Processor unit(sim::Model::M3);
  unit.current()[sim::micHighPass] = 33;
  unit.modes()[2][sim::echoDelay] = 60;
  writeFile(dir + "/fuzz_sim_state/m3.json", sim::stateToText(unit));
}

}  // namespace
}  // namespace kavel

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  kavel::writeTraffic(argv[1]);
  kavel::writePresets(argv[1]);
  kavel::writeState(argv[1]);
  return 0;
}
