// The folder where processes of the platform meet: named mutexes and the window directory.
#pragma once

#include <string>

namespace runtime_dir {

// TALVEX_RUNTIME_DIR when set (tests give each run its own), else a private folder under
// XDG_RUNTIME_DIR or /tmp. Created with owner-only access on first use.
const std::string& Path();

}  // namespace runtime_dir
