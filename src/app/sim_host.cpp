#include "app/sim_host.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

namespace kavel::sim {

namespace {

std::string spaced(const Bytes& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    if (i) out += ' ';
    out += buf;
  }
  return out;
}

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

std::string folderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// While no editor holds the slave open, the master reports a hang-up at once;
// look again after this long.
constexpr auto kIdleLook = std::chrono::milliseconds(10);

}  // namespace

SimHost::SimHost(HostOptions options, SimState state)
    : options_(std::move(options)),
      processor_(options_.model, state.current),
      session_(processor_, options_.faults) {
  processor_.modes() = state.modes;
}

SimHost::~SimHost() {
  if (linked_) ::unlink(options_.link.c_str());
  if (master_ >= 0) ::close(master_);
  for (int fd : wake_)
    if (fd >= 0) ::close(fd);
  if (log_ && log_ != stderr) std::fclose(log_);
}

long long SimHost::nowUs() const {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count() - startUs_;
}

bool SimHost::open(std::string& error) {
  startUs_ = nowUs();
  if (!options_.logPath.empty()) {
    log_ = options_.logPath == "-" ? stderr : std::fopen(options_.logPath.c_str(), "w");
    if (!log_) return error = systemError(options_.logPath), false;
  }
  // The state is saved beside its file; a folder that is missing or closed
  // to writing would lose every change without a word.
  if (!options_.saveTo.empty() && ::access(folderOf(options_.saveTo).c_str(), W_OK | X_OK) != 0)
    return error = systemError(options_.saveTo), false;
  if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return error = systemError("pipe"), false;
  if (!createDevice(error)) return false;
  log("--", {}, "serving model " + std::string(modelInfo(options_.model).name) + " on " + device_);
  return true;
}

bool SimHost::createDevice(std::string& error) {
  int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return error = systemError("posix_openpt"), false;
  const char* name = ::grantpt(fd) == 0 && ::unlockpt(fd) == 0 ? ::ptsname(fd) : nullptr;
  if (!name) {
    error = systemError("grantpt/unlockpt/ptsname");
    ::close(fd);
    return false;
  }
  master_ = fd;
  device_ = name;
  // Raw 8N1 at 38400 on the slave (the master's termios calls reach the
  // slave), so a program that opens it without setting it up gets bytes
  // unchanged.
  termios tio{};
  if (::tcgetattr(master_, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B38400);
    ::tcsetattr(master_, TCSANOW, &tio);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  if (options_.link.empty()) return true;
  struct stat st {};
  if (::lstat(options_.link.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode))
      return error = options_.link + ": exists and is not a symlink; not replaced", false;
    ::unlink(options_.link.c_str());
  }
  if (::symlink(device_.c_str(), options_.link.c_str()) != 0)
    return error = systemError(options_.link), false;
  linked_ = true;
  return true;
}

// A program that dies with the port open leaves the exclusive-use flag it
// set on the pseudo-terminal, which lives as long as the master side, and
// nobody but root could open the port again. Clear the flag; where that is
// refused, replace the device with a new one.
void SimHost::releaseDevice() {
  int fd = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return;
  }
  if (errno != EBUSY) return;
  // Closing first frees the number, so the new device usually gets the same path.
  ::close(master_);
  master_ = -1;
  std::string error;
  if (!createDevice(error)) {
    log("--", {}, "cannot replace the device: " + error);
    failed_ = "the port was left locked and no new device could be made: " + error;
    return;
  }
  log("--", {}, "the port was left locked; now serving on " + device_);
  if (onNewDevice) onNewDevice(device_);
}

void SimHost::stop() {
  char c = 1;
  if (wake_[1] >= 0) [[maybe_unused]] auto n = ::write(wake_[1], &c, 1);
}

void SimHost::log(const char* direction, const Bytes& bytes, const std::string& note) {
  if (!log_) return;
  std::fprintf(log_, "%12.3f ms %s %s%s%s\n", nowUs() / 1000.0, direction, spaced(bytes).c_str(),
               bytes.empty() || note.empty() ? "" : "  ", note.c_str());
  std::fflush(log_);
}

void SimHost::lineChanged(bool open) {
  lineOpen_ = open;
  if (!open) {
    // Whatever the editor left unread or unsent goes with its close.
    session_.lineClosed();
    ::tcflush(master_, TCIOFLUSH);
  }
  log("--", {}, open ? "line opened" : "line closed");
  if (!open) releaseDevice();
}

void SimHost::save() {
  if (options_.saveTo.empty()) return;
  std::string error;
  if (!saveStateFile(options_.saveTo, processor_, error)) log("--", {}, "cannot save: " + error);
}

std::string SimHost::serve() {
  Byte buf[4096];
  for (;;) {
    long long next = session_.nextDueUs();
    long long waitUs = next < 0 ? 200'000 : std::max(0LL, next - nowUs());
    timespec timeout{static_cast<time_t>(waitUs / 1'000'000), static_cast<long>(waitUs % 1'000'000) * 1000};
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::ppoll(fds, 2, &timeout, nullptr) < 0 && errno != EINTR) return systemError("poll");
    if (fds[1].revents & POLLIN) break;
    if (!failed_.empty()) return failed_;

    if (fds[0].revents & POLLIN) {
      ssize_t n = ::read(master_, buf, sizeof buf);
      if (n > 0) {
        if (!lineOpen_) lineChanged(true);
        long long now = nowUs();
        Bytes in(buf, buf + n);
        bool changed = false;
        for (const Exchange& ex : session_.receive(in, now)) {
          log("<-", ex.request, ex.note);
          changed = changed || ex.changed;
        }
        if (changed) save();
      } else if (n < 0 && errno == EIO && lineOpen_) {
        lineChanged(false);
      }
    } else if (fds[0].revents & POLLHUP) {
      if (lineOpen_) lineChanged(false);
      std::this_thread::sleep_for(kIdleLook);
      continue;
    }

    Bytes out = session_.takeDue(nowUs());
    if (!out.empty() && lineOpen_) {
      if (::write(master_, out.data(), out.size()) < 0) log("--", {}, systemError("write"));
      log("->", out, "");
    }
    if (session_.hungUp()) {
      log("--", {}, "hang-up");
      ::close(master_);
      master_ = -1;
      save();
      return "hung up after " + std::to_string(session_.requests()) + " requests";
    }
  }
  save();
  log("--", {}, "stopped");
  return "";
}

}  // namespace kavel::sim
