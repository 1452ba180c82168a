#include "platform/core/runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace runtime_dir {

const std::string& Path() {
    static const std::string path = [] {
        std::string chosen;
        if (const char* own = std::getenv("TALVEX_RUNTIME_DIR"); own && *own) {
            chosen = own;
        } else if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) {
            chosen = std::string(xdg) + "/talvex-platform";
        } else {
            chosen = "/tmp/talvex-platform-" + std::to_string(getuid());
        }
        mkdir(chosen.c_str(), 0700);
        return chosen;
    }();
    return path;
}

}  // namespace runtime_dir
