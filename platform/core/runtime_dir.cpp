#include "platform/core/runtime_dir.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace runtime_dir {

std::string RefusalReason(const std::string& path) {
    struct stat status {};
    // lstat: a link planted under the name by someone else must not lead the game elsewhere.
    if (lstat(path.c_str(), &status) != 0) {
        return std::strerror(errno);
    }
    if (S_ISLNK(status.st_mode)) {
        return "it is a symbolic link";
    }
    if (!S_ISDIR(status.st_mode)) {
        return "it is not a folder";
    }
    if (status.st_uid != getuid()) {
        return "it belongs to user " + std::to_string(status.st_uid);
    }
    if ((status.st_mode & 0077) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
        return std::string("others may use it (mode ") + mode + ")";
    }
    return {};
}

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
        if (const std::string reason = RefusalReason(chosen); !reason.empty()) {
            std::fprintf(stderr, "%s: cannot use the runtime folder %s: %s\n",
                         program_invocation_short_name, chosen.c_str(), reason.c_str());
            chosen.clear();
        }
        return chosen;
    }();
    return path;
}

}  // namespace runtime_dir
