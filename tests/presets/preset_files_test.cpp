// 保存参数到电脑 and 从电脑中调用 on the window: the dialogs and messages, a
// refused file changing nothing, files of another layout applied by
// identity, and saves that fail keeping the old file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "presets/memory_modes.h"
#include "presets/preset_files.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

namespace kavel {
namespace {

namespace fs = std::filesystem;
using testing::joinCrLf;
using testing::PresetRig;
using testing::splitCrLf;

constexpr const char* kOnlineOnly = "对不起,此功能在联机状态下才可以使用";

struct TempDir {
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kavel-presets-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
  std::string file(const std::string& name) const { return (path / name).string(); }
  fs::path path;
};

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The file the panels of `rig` would be saved as, in `layout`.
std::string fileOf(PresetRig& rig, PresetLayout layout) {
  return formatPreset(takeSnapshot(rig.form, layout)).bytes;
}

// Runs `body` in a child process and returns its exit status; for what
// changes the whole process (limits, the user).
int inChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(PresetFiles, OfflineNeitherButtonOpensADialog) {
  PresetRig rig;
  rig.form.mnulianji.setEnabled(true);
  rig.form.timers.timer4->setEnabled(true);  // an import still running
  rig.form.Command7.click();
  rig.form.Command9.click();
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  for (const auto& box : rig.dialogs.shown) {
    EXPECT_EQ(box.text, kOnlineOnly);
    EXPECT_EQ(box.title, "系统提示");
    EXPECT_EQ(box.icon, MessageIcon::Error);
  }
  EXPECT_FALSE(rig.form.timers.timer4->enabled());
}

TEST(PresetFiles, BothDialogsStartWithTheNameChosenLastInEither) {
  TempDir dir;
  PresetRig rig;
  const std::string path = dir.file("room 1.ktv");
  rig.dialogs.files = {path, std::nullopt, std::string()};
  rig.form.Command7.click();  // saves
  rig.form.Command9.click();  // cancelled: nothing changes
  rig.form.Command7.click();  // an empty name: nothing either
  const auto& s = rig.dialogs.shown;
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].title, "保存在电脑");
  EXPECT_EQ(s[0].text, "");
  EXPECT_EQ(s[1].text, kSavedMessage);
  EXPECT_EQ(s[1].title, "系统提示");
  EXPECT_EQ(s[1].icon, MessageIcon::None);
  EXPECT_EQ(s[2].title, "从电脑中调用");
  EXPECT_EQ(s[2].text, path);
  EXPECT_EQ(s[3].title, "保存在电脑");
  EXPECT_EQ(s[3].text, path);
  EXPECT_EQ(readAll(path), fileOf(rig, PresetLayout::Full));
  EXPECT_TRUE(rig.framesWritten().empty());
}

// A save that cannot complete: the message says why, the old file stays.
struct FailedSave {
  const char* name;
  const char* why;  // in the message
  // Makes the save fail inside the child, whose folder holds `old` at
  // `path`; false when this machine cannot.
  std::function<bool(const TempDir&, const std::string& path, const std::string& old)> arrange;
};

bool asNobody(const TempDir& dir, const std::string&, const std::string&) {
  fs::permissions(dir.path, fs::perms(0555));
  if (geteuid() != 0) return true;
  fs::permissions(dir.path.parent_path(), fs::perms::others_exec, fs::perm_options::add);
  return setgid(65534) == 0 && setuid(65534) == 0;
}

bool fileSizeLimit(const TempDir&, const std::string&, const std::string&) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{512, 512};
  return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// A real full file system: a 16 KB tmpfs over the folder, in the child's
// own mount namespace (root only), holding the old file and a filler.
bool fullFileSystem(const TempDir& dir, const std::string& path, const std::string& old) {
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", dir.path.c_str(), "tmpfs", 0, "size=16k") != 0)
    return false;
  writeAll(path, old);
  std::ofstream filler(dir.file("filler"), std::ios::binary);
  const std::string block(4096, 'x');
  for (int i = 0; i < 8 && filler.write(block.data(), block.size()).flush(); ++i) {}
  return true;
}

const FailedSave kFailedSaves[] = {
    {"ReadOnlyFolder", "没有写入权限", asNobody},
    {"FullFileSystem", "磁盘空间不足", fullFileSystem},
    {"FileSizeLimit", "文件超出允许的大小", fileSizeLimit},
};

class SaveFailure : public ::testing::TestWithParam<FailedSave> {};

TEST_P(SaveFailure, KeepsTheOldFileAndSaysWhy) {
  TempDir dir;
  const std::string path = dir.file("room.ktv");
  const std::string old = "ZV-ORNsy\r\nthe old preset\r\n";
  writeAll(path, old);
  // Everything is checked inside the child, which may see its own mount.
  const int status = inChild([&] {
    const auto entries = [&] {
      return std::distance(fs::directory_iterator(dir.path), fs::directory_iterator());
    };
    PresetRig rig;
    if (!GetParam().arrange(dir, path, old)) return 2;
    const auto before = entries();
    rig.dialogs.files = {path};
    rig.form.Command7.click();
    const auto* box = rig.dialogs.last();
    const bool said = box && box->icon == MessageIcon::Error &&
                      box->text == "参数未能保存到 " + path + ":" + GetParam().why + "。原有文件保持不变。";
    if (!said) return 3;
    if (readAll(path) != old) return 4;
    return entries() == before ? 0 : 5;
  });
  if (status == 2) GTEST_SKIP() << "this machine cannot arrange " << GetParam().name;
  EXPECT_EQ(status, 0) << "3: not the message naming the cause; 4: the old file changed; "
                          "5: a temporary file was left behind";
  EXPECT_EQ(readAll(path), old);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFailure, ::testing::ValuesIn(kFailedSaves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PresetFiles, ASaveReplacesTheFileAFollowedLinkNames) {
  TempDir dir;
  PresetRig rig;
  writeAll(dir.file("real.ktv"), "old");
  fs::create_symlink("real.ktv", dir.path / "link.ktv");
  rig.dialogs.files = {dir.file("link.ktv")};
  rig.form.Command7.click();
  EXPECT_TRUE(fs::is_symlink(dir.path / "link.ktv"));
  EXPECT_EQ(readAll(dir.file("real.ktv")), fileOf(rig, PresetLayout::Full));
}

// --- Loading ---------------------------------------------------------------

// A window showing the music panel whose loads come from `bytes`.
struct Loading : PresetRig {
  explicit Loading(int deviceModel = 1, bool altModel3 = false) : PresetRig(deviceModel, altModel3) {
    form.Command17_Click(1);
    form.Label9.setVisible(false);
    form.panels.mOption[3].setValue(true);
  }
  void load(const std::string& bytes) {
    writeAll(path, bytes);
    dialogs.files = {path};
    form.Command9.click();
  }
  TempDir dir;
  std::string path = dir.file("load.ktv");
};

struct BadFile {
  const char* name;
  std::function<std::string(const std::string& good)> bytes;
  const char* message;  // what the message holds
};

std::string withLine(const std::string& good, std::size_t n, const std::string& text) {
  auto lines = splitCrLf(good);
  lines[n - 1] = text;
  return joinCrLf(lines);
}

const BadFile kBadFiles[] = {
    {"NotAMarker", [](auto&) { return std::string("hello\r\n"); }, kNotAPresetMessage},
    {"MarkerWithATrailingBlank", [](auto& g) { return withLine(g, 1, "ZV-ORNsyPASS "); },
     kNotAPresetMessage},
    {"MarkerInOtherCase", [](auto& g) { return withLine(g, 1, "zv-ornsypass"); }, kNotAPresetMessage},
    {"Empty", [](auto&) { return std::string(); }, kNotAPresetMessage},
    {"BinaryGarbage", [](auto&) { return std::string("\x7f" "ELF\x02\x01\x00\x00\r\n\xff\xfe", 12); },
     kNotAPresetMessage},
    {"HundredLines",
     [](auto& g) {
       auto lines = splitCrLf(g);
       lines.resize(100);
       return joinCrLf(lines);
     },
     "文件在第 100 行后就结束了"},
    {"BandValueWithAUnit", [](auto& g) { return withLine(g, 2, "20HZ"); },
     "第 2 行:应为麦克风EQ 第1段增益 (micEqBand band 0 gain)"},
    {"ScrollPositionOutOfRange", [](auto& g) { return withLine(g, 46, "5"); },
     "第 46 行:限幅值 位置 (micLimitThreshold position)应在 -30..0 之间;实际为 \"5\""},
    {"InvalidGbk", [](auto& g) { return withLine(g, 41, "\x81\x20"); }, "第 41 行:不是有效的 GBK 文字"},
    {"FiftyMegabytes", [](auto& g) { return g + std::string(50 << 20, 'x'); }, "文件过大"},
};

class RefusedLoad : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedLoad, ChangesNothingAndSaysWhatIsWrong) {
  Loading rig;
  const std::string good = fileOf(rig, PresetLayout::Full);
  const PresetSnapshot before = takeSnapshot(rig.form);
  rig.load(GetParam().bytes(good));

  const auto* box = rig.dialogs.last();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(box->text.find(GetParam().message), std::string::npos) << box->text;
  EXPECT_EQ(box->icon, MessageIcon::Error);
  if (std::string(GetParam().message) == kNotAPresetMessage) {
    EXPECT_EQ(box->title, "KAVEL-7");
  }
  EXPECT_EQ(takeSnapshot(rig.form), before);
  Form1& f = rig.form;
  EXPECT_TRUE(f.Lkframe[1].visible());
  EXPECT_FALSE(f.Lkframe[0].visible() || f.Lkframe[2].visible());
  EXPECT_EQ(f.Label9.caption(), "");
  EXPECT_TRUE(f.state.eqSendEnabled);
  EXPECT_TRUE(f.panels.mOption[3].value());
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.framesWritten().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedLoad, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PresetLoad, AGoodFileFillsThePanelsAndStartsTheImport) {
  Loading rig;
  rig.form.panels.Command3.setCaption("180");
  rig.form.eq(Eq::Mic).editor(5).setDb(6);
  const std::string file = [] {
    PresetRig other;
    other.form.panels.Command3.setCaption("0");
    other.form.panels.Combo2.setText("大礼堂B");
    other.form.panels.MdSlide1.setValue(40);
    other.form.panels.MdTxt.setText("99HZ");
    return fileOf(other, PresetLayout::Full);
  }();
  rig.load(file);
  Form1& f = rig.form;
  EXPECT_TRUE(rig.dialogs.shown.size() == 1) << "only the open dialog";
  EXPECT_EQ(f.panels.Command3.caption(), "0");
  EXPECT_EQ(f.panels.Combo2.text(), "大礼堂B");
  EXPECT_EQ(f.panels.MdSlide1.value(), 40);
  EXPECT_EQ(f.panels.MdTxt.text(), "99HZ");
  EXPECT_EQ(f.eq(Eq::Mic).editor(5).db(), 0);
  EXPECT_EQ(f.eq(Eq::Mic).graph.band(5).db, 0);
  for (int i = 0; i < kMemoryModes; ++i) EXPECT_FALSE(f.panels.mOption[i].value());
  EXPECT_EQ(f.Label9.caption(), "请稍后正在下载数据......");
  EXPECT_EQ(f.state.commandKind, 71);
  EXPECT_TRUE(f.timers.timer4->enabled());
  EXPECT_FALSE(f.state.eqSendEnabled);
  EXPECT_EQ(formatPreset(takeSnapshot(f)).bytes, file);
}

TEST(PresetLoad, ShelfOnMakesTheMusicBandsShelves) {
  Loading rig;
  std::string file = fileOf(rig, PresetLayout::Full);
  file = withLine(file, 206, "LH-PASS ON");
  rig.load(file);
  Form1& f = rig.form;
  EXPECT_TRUE(f.state.musicShelfMode);
  EXPECT_EQ(f.eq(Eq::Music).graph.ncap(), "低");
  EXPECT_EQ(f.eq(Eq::Music).graph.ncap1(), "高");
  EXPECT_FALSE(f.eq(Eq::Music).editor(0).QEnabled());
  EXPECT_FALSE(f.eq(Eq::Music).editor(1).QEnabled());
  EXPECT_EQ(f.eq(Eq::Music).editor(0).T(), 2);
  EXPECT_EQ(f.eq(Eq::Music).editor(1).T(), 1);
}

// Files of one layout loaded on a processor of another: by identity, what
// the processor lacks is ignored and what the file lacks stays as it was.
struct CrossLayout {
  const char* name;
  PresetLayout file;
  int deviceModel;
  bool altModel3;
};

const CrossLayout kCrossLayouts[] = {
    {"FullOnModel3", PresetLayout::Full, 3, false},
    {"FullOnModel3b", PresetLayout::Full, 3, true},
    {"NoShelfOnModel1", PresetLayout::NoShelf, 1, false},
    {"NoFilterOnModel1", PresetLayout::NoFilter, 1, false},
    {"NoFilterOnModel3", PresetLayout::NoFilter, 3, false},
    {"NoShelfOnModel3b", PresetLayout::NoShelf, 3, true},
};

class CrossLayoutLoad : public ::testing::TestWithParam<CrossLayout> {};

TEST_P(CrossLayoutLoad, FieldsLandByIdentity) {
  const CrossLayout c = GetParam();
  // The file: every field changed from the window's, written in its own layout.
  PresetRig source;
  Panels& s = source.form.panels;
  s.Command3.setCaption("180");
  s.Command10.setCaption("LH-PASS OFF");
  s.dcButton8.setCaption("LH-PASS ON");
  s.ctSlide11.setValue(9);
  s.Text20.setText("9KHz");
  s.MdSlide1.setValue(12);
  source.form.eq(Eq::Sub).editor(4).setVal(300, -6, 2);
  // As read back: band values keep 15 significant digits in the file.
  const PresetSnapshot file = *readPreset(fileOf(source, c.file)).snapshot;

  Loading rig(c.deviceModel, c.altModel3);
  const PresetSnapshot before = takeSnapshot(rig.form);
  rig.load(fileOf(source, c.file));
  ASSERT_EQ(rig.form.Label9.caption(), "请稍后正在下载数据......");
  const PresetSnapshot after = takeSnapshot(rig.form);
  for (const PresetField& field : after.fields) {
    const FieldValue* inFile = file.find(field.id);
    const FieldValue& want = inFile ? *inFile : *before.find(field.id);
    EXPECT_EQ(field.value, want) << describe(field.id) << (inFile ? " (from the file)" : " (kept)");
  }
  // Fields the processor lacks are not applied even to hidden controls.
  if (c.deviceModel == 3) {
    EXPECT_EQ(rig.form.panels.Command10.caption(), "LH-PASS ON");
    EXPECT_FALSE(rig.form.state.musicShelfMode);
  }
  if (c.altModel3) {
    EXPECT_NE(rig.form.panels.ctSlide11.value(), 9);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CrossLayoutLoad, ::testing::ValuesIn(kCrossLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kavel
