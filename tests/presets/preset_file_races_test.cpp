// Preset files under concurrent change: a save killed at any moment leaves
// the old file or the new one, whole; a load that meets a file being
// rewritten in place takes one whole version or refuses it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "presets/preset_files.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

namespace kavel {
namespace {

using testing::PresetRig;

struct TempDir {
  TempDir() {
    path = (std::filesystem::temp_directory_path() / "kavel-races-XXXXXX").string();
    if (!mkdtemp(path.data())) path.clear();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
  std::string path;
};

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The two versions a test alternates between: the fixture's panels with the
// microphone limiter at -30 or at -12.
void setVersion(PresetRig& rig, int version) {
  rig.form.panels.VScroll1[0].setValue(version == 0 ? -30 : -12);
  rig.form.panels.Text1[0].setText(version == 0 ? "-30dB" : "-12dB");
}

std::string versionBytes(int version) {
  PresetRig rig;
  setVersion(rig, version);
  return formatPreset(takeSnapshot(rig.form)).bytes;
}

// A child saving through 保存参数到电脑 over and over, alternating the two
// versions, is killed after a random delay; the file at the path is then
// always one whole version. Temporary files of a killed save may stay.
TEST(PresetSaveKilled, LeavesTheOldFileOrTheNewOneWhole) {
  TempDir dir;
  ASSERT_FALSE(dir.path.empty());
  const std::string path = dir.path + "/stage.ktv";
  const std::string versions[] = {versionBytes(0), versionBytes(1)};
  ASSERT_NE(versions[0], versions[1]);
  ASSERT_TRUE(std::ofstream(path, std::ios::binary) << versions[0]);

  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> delayUs(0, 15000);
  constexpr int kRuns = 200;
  std::map<std::string, int> outcomes;
  PresetRig rig;  // made once; every child saves from its copy
  for (int run = 0; run < kRuns; ++run) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 1;; ++i) {
        setVersion(rig, i % 2);
        rig.dialogs.files.push_back(path);
        rig.dialogs.shown.clear();
        savePresetToComputer(rig.form);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const std::string now = contents(path);
    SCOPED_TRACE(run);
    ASSERT_TRUE(now == versions[0] || now == versions[1])
        << "the file holds " << now.size() << " bytes of neither version";
    ASSERT_TRUE(readPresetFile(path).snapshot.has_value());
    ++outcomes[now == versions[0] ? "A" : "B"];
  }
  int leftovers = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path))
    leftovers += entry.path().filename() != "stage.ktv";
  std::printf("%d kills: the file held version A %d times, version B %d times; %d temporary files left\n",
              kRuns, outcomes["A"], outcomes["B"], leftovers);
}

// Rewrites `path` in place, as a program that saves without a temporary
// file does: the same file truncated and written again in three pieces a
// moment apart, with the two versions in turn until stopped.
void rewriteInPlace(const std::string& path, const std::string (&versions)[2],
                    const std::atomic<bool>& stop) {
  for (int i = 0; !stop; ++i) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return;
    const std::string& bytes = versions[i % 2];
    const std::size_t piece = bytes.size() / 3 + 1;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      if (::write(fd, bytes.data() + at, std::min(piece, bytes.size() - at)) < 0) break;
      std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    ::close(fd);
  }
}

TEST(PresetLoadWhileWritten, TakesOneWholeVersionOrRefusesTheFile) {
  TempDir dir;
  ASSERT_FALSE(dir.path.empty());
  const std::string path = dir.path + "/stage.ktv";
  const std::string versions[] = {versionBytes(0), versionBytes(1)};
  ASSERT_TRUE(std::ofstream(path, std::ios::binary) << versions[0]);
  const ParsedPreset expected[] = {readPreset(versions[0]), readPreset(versions[1])};

  std::atomic<bool> stop = false;
  std::thread writer([&] { rewriteInPlace(path, versions, stop); });
  int loaded = 0, changing = 0, refused = 0;
  for (int i = 0; i < 200; ++i) {
    const ParsedPreset p = readPresetFile(path);
    if (p.snapshot) {
      ++loaded;
      EXPECT_TRUE(p.snapshot == expected[0].snapshot || p.snapshot == expected[1].snapshot)
          << "a load took a mixture of two versions";
    } else if (p.error.find("kept changing while it was read") != std::string::npos) {
      ++changing;
      EXPECT_NE(p.message.find("在读取时不断被改动"), std::string::npos);
    } else {
      ++refused;  // met between two pieces: too short to be a preset
    }
  }
  stop = true;
  writer.join();
  std::printf("200 loads during rewrites: %d whole, %d refused as changing, %d refused as short\n",
              loaded, changing, refused);
}

// A file whose every read differs (the reading process's own count of
// bytes read) stands for one that never stops changing.
TEST(PresetLoadWhileWritten, AFileThatKeepsChangingIsRefusedWithReason) {
  const std::string path = "/proc/self/io";
  if (::access(path.c_str(), R_OK) != 0) GTEST_SKIP() << path << " is not there";
  const ParsedPreset p = readPresetFile(path);
  EXPECT_FALSE(p.snapshot.has_value());
  EXPECT_EQ(p.error, path + " kept changing while it was read; try again once it has been written");
  EXPECT_EQ(p.message, "文件 " + path + " 在读取时不断被改动,请等它写完后再试");
}

}  // namespace
}  // namespace kavel
