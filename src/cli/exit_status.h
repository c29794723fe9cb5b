#pragma once
// The command-line tool's exit statuses.
namespace kavel::cli {

enum ExitStatus : int {
  kSuccess = 0,
  kLinkFailure = 1,  // no port, no processor, a time-out: the system's message says which
  kUsage = 2,        // the command line asks for something that does not exist or fit
  kFileError = 3,    // a file could not be read or written
};

}  // namespace kavel::cli
