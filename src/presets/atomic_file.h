#pragma once
// Replacing a file so that it is never lost: the new contents go to a
// temporary file in the same folder, are flushed to the disk, and only then
// renamed over the old file. A failure at any step removes the temporary
// file and leaves the old one exactly as it was.
#include <string>
#include <string_view>

namespace kavel {

struct FileFailure {
  int error = 0;     // the errno of the step that failed; 0 on success
  std::string step;  // "create", "write", "flush" or "replace"
  explicit operator bool() const { return error != 0; }
};

FileFailure replaceFile(const std::string& path, std::string_view bytes);

// Why a save failed, for an operator: "磁盘空间不足" and the like.
std::string saveFailureText(const FileFailure& failure);

}  // namespace kavel
