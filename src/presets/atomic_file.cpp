#include "presets/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace kavel {
namespace {

// A symbolic link is followed, so that the file it names is replaced and
// the link stays.
std::string finalPath(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(std::size_t(n));
  }
  return true;
}

// The permissions a new file gets, or those of the file it replaces.
mode_t modeFor(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileFailure replaceFile(const std::string& requested, std::string_view bytes) {
  const std::string path = finalPath(requested);
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return {errno, "create"};
  FileFailure failure;
  auto fail = [&](const char* step) {
    if (!failure) failure = {errno ? errno : EIO, step};
  };
  // Some file systems (a FAT stick) keep no permissions; that is no failure.
  (void)fchmod(fd, modeFor(path));
  if (!writeAll(fd, bytes)) fail("write");
  if (!failure && fsync(fd) != 0) fail("flush");
  if (::close(fd) != 0) fail("flush");
  if (!failure && std::rename(temp.c_str(), path.c_str()) != 0) fail("replace");
  if (failure) {
    ::unlink(temp.c_str());
    return failure;
  }
  // The rename itself reaches the disk with the folder.
  const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    fsync(dir);
    ::close(dir);
  }
  return {};
}

std::string saveFailureText(const FileFailure& f) {
  switch (f.error) {
    case EACCES:
    case EPERM: return "没有写入权限";
    case EROFS: return "文件系统为只读";
    case ENOSPC:
    case EDQUOT: return "磁盘空间不足";
    case EFBIG: return "文件超出允许的大小";
    case ENOENT:
    case ENOTDIR: return "文件夹不存在";
    case EISDIR: return "这是一个文件夹";
    case EIO: return "读写错误(设备可能已拔出)";
    default: break;
  }
  return std::strerror(f.error);
}

}  // namespace kavel
