// The folder where processes of the platform meet: named mutexes and the window directory.
#pragma once

#include <string>

namespace runtime_dir {

// TALVEX_RUNTIME_DIR when set (tests give each run its own), else a folder under XDG_RUNTIME_DIR
// or /tmp, created with owner-only access on first use. Empty when the folder is not safe to use
// (another user could block or spy on the game through it); one line on stderr then says why.
const std::string& Path();

// Why `path` must not hold the runtime files: empty when it is a real folder (not a link), owned
// by this user, that nobody else may enter.
std::string RefusalReason(const std::string& path);

}  // namespace runtime_dir
