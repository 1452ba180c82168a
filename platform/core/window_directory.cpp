// FindWindowW and SetForegroundWindow across processes.
//
// Each process with windows holds an flock on "<pid>.lock" for its whole life and lists its
// top-level windows in "<pid>.windows" (one "id class title" line each, UTF-8, tab-separated).
// A finder skips the list of a process whose lock it can take: that process is gone. A raise
// request is a datagram to the owner's socket "<pid>.raise"; a thread there wakes the window
// thread, which raises the desktop window.
#include "platform/core/window_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "platform/core/message_queue.h"
#include "platform/core/runtime_dir.h"
#include "platform/core/screen.h"
#include "platform/core/utf8.h"
#include "platform/core/window.h"
#include "platform/win_user.h"

// A window of another process, as FindWindowW hands it out.
struct RemoteWindow {
    int pid = 0;
    int id = 0;
};

namespace window_directory {
namespace {

struct Directory {
    std::mutex lock;
    std::map<HWND, int> published;  // window -> id in the list
    int nextId = 1;
    int lockFd = -1;
    std::atomic<bool> raiseRequested{false};
    bool listening = false;
    // Handles given out for other processes' windows, kept for the process's life.
    std::map<std::pair<int, int>, std::unique_ptr<RemoteWindow>> remotes;
};

Directory& TheDirectory() {
    static Directory* directory = new Directory;
    return *directory;
}

std::string ProcessFile(int pid, const char* suffix) {
    return runtime_dir::Path() + "/" + std::to_string(pid) + suffix;
}

// One line a window: tabs and line breaks in names would break the list.
std::string ListField(const std::wstring& text) {
    std::string field = utf8::FromWide(text);
    for (char& c : field) {
        if (c == '\t' || c == '\n') {
            c = ' ';
        }
    }
    return field;
}

void Listen() {
    const std::string path = ProcessFile(getpid(), ".raise");
    unlink(path.c_str());
    const int socketFd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketFd < 0 || path.size() >= sizeof address.sun_path) {
        return;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(socketFd);
        return;
    }
    std::thread([socketFd] {
        char buffer[64];
        for (;;) {
            if (recv(socketFd, buffer, sizeof buffer, 0) < 0 && errno != EINTR) {
                return;
            }
            TheDirectory().raiseRequested = true;
            message_queue::Wake();
        }
    }).detach();
}

bool IsRunning(int pid);

// Removes the files of processes that ended without removing their own (killed outright).
void SweepEnded() {
    DIR* folder = opendir(runtime_dir::Path().c_str());
    if (folder == nullptr) {
        return;
    }
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        const auto dot = name.find('.');
        const int pid = std::atoi(name.c_str());
        if (pid > 0 && pid != getpid() && dot != std::string::npos &&
            name.find_first_not_of("0123456789") == dot) {
            IsRunning(pid);
        }
    }
    closedir(folder);
}

// Takes this process's lock for its whole life. A sweeping process may remove the file between
// its creation and the lock (it looks unlocked then): the lock must be on the file that the
// name still leads to.
int TakeOwnLock() {
    const std::string path = ProcessFile(getpid(), ".lock");
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            return -1;
        }
        struct stat locked {};
        struct stat named {};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &locked) == 0 &&
            stat(path.c_str(), &named) == 0 && locked.st_ino == named.st_ino) {
            return fd;
        }
        close(fd);
    }
    return -1;
}

// Rewrites this process's list; the caller holds the directory's lock.
void WriteList(Directory& directory) {
    if (runtime_dir::Path().empty()) {
        return;
    }
    if (directory.lockFd < 0) {
        SweepEnded();
        directory.lockFd = TakeOwnLock();
        if (directory.lockFd < 0) {
            return;
        }
    }
    if (!directory.listening) {
        directory.listening = true;
        Listen();
    }
    const std::string path = ProcessFile(getpid(), ".windows");
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [window, id] : directory.published) {
            const PlatformWindow* record = windows::Find(window);
            if (record != nullptr) {
                out << id << '\t' << ListField(record->className) << '\t'
                    << ListField(record->title) << '\n';
            }
        }
    }
    std::rename(temporary.c_str(), path.c_str());
}

void RemoveFiles(int pid) {
    unlink(ProcessFile(pid, ".windows").c_str());
    unlink(ProcessFile(pid, ".windows.new").c_str());
    unlink(ProcessFile(pid, ".raise").c_str());
    // The lock last: while it stands, nobody takes the other files for a dead process's.
    unlink(ProcessFile(pid, ".lock").c_str());
}

// True while the process that listed `pid` still runs (it holds its lock).
bool IsRunning(int pid) {
    const int fd = open(ProcessFile(pid, ".lock").c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool running = flock(fd, LOCK_SH | LOCK_NB) != 0;
    if (!running) {
        // Still under the shared lock, so that the owner of a reused pid cannot lock it meanwhile.
        RemoveFiles(pid);
    }
    close(fd);
    return running;
}

HWND FindLocal(const std::wstring* className, const std::wstring* title) {
    for (HWND window : windows::TopLevel()) {
        const PlatformWindow* record = windows::Find(window);
        if ((className == nullptr || record->className == *className) &&
            (title == nullptr || record->title == *title) && record->visible) {
            return window;
        }
    }
    return nullptr;
}

HWND FindRemote(const std::string* className, const std::string* title) {
    DIR* folder = runtime_dir::Path().empty() ? nullptr : opendir(runtime_dir::Path().c_str());
    if (folder == nullptr) {
        return nullptr;
    }
    HWND found = nullptr;
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        const auto dot = name.find(".windows");
        if (dot == std::string::npos || dot + 8 != name.size()) {
            continue;
        }
        const int pid = std::atoi(name.substr(0, dot).c_str());
        if (pid <= 0 || pid == getpid() || !IsRunning(pid)) {
            continue;
        }
        std::ifstream in(runtime_dir::Path() + "/" + name);
        std::string line;
        while (found == nullptr && std::getline(in, line)) {
            std::istringstream fields(line);
            std::string id, lineClass, lineTitle;
            std::getline(fields, id, '\t');
            std::getline(fields, lineClass, '\t');
            std::getline(fields, lineTitle);
            if ((className == nullptr || lineClass == *className) &&
                (title == nullptr || lineTitle == *title)) {
                Directory& directory = TheDirectory();
                std::lock_guard guard(directory.lock);
                auto& remote = directory.remotes[{pid, std::atoi(id.c_str())}];
                if (!remote) {
                    remote =
                        std::make_unique<RemoteWindow>(RemoteWindow{pid, std::atoi(id.c_str())});
                }
                found = reinterpret_cast<HWND>(remote.get());
            }
        }
        if (found != nullptr) {
            break;
        }
    }
    closedir(folder);
    return found;
}

const RemoteWindow* AsRemote(HWND window) {
    Directory& directory = TheDirectory();
    std::lock_guard guard(directory.lock);
    for (const auto& [key, remote] : directory.remotes) {
        if (reinterpret_cast<HWND>(remote.get()) == window) {
            return remote.get();
        }
    }
    return nullptr;
}

bool AskToRaise(const RemoteWindow& remote) {
    const std::string path = ProcessFile(remote.pid, ".raise");
    const int socketFd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketFd < 0 || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const std::string request = "raise " + std::to_string(remote.id);
    const bool sent = sendto(socketFd, request.data(), request.size(), 0,
                             reinterpret_cast<sockaddr*>(&address), sizeof address) >= 0;
    close(socketFd);
    return sent;
}

}  // namespace

void Publish(HWND window) {
    Directory& directory = TheDirectory();
    std::lock_guard guard(directory.lock);
    directory.published.emplace(window, directory.nextId++);
    WriteList(directory);
}

void Withdraw(HWND window) {
    Directory& directory = TheDirectory();
    std::lock_guard guard(directory.lock);
    if (directory.published.erase(window) > 0) {
        WriteList(directory);
    }
}

void RemoveOwnFiles() {
    Directory& directory = TheDirectory();
    std::lock_guard guard(directory.lock);
    if (directory.lockFd >= 0) {
        RemoveFiles(getpid());
        close(directory.lockFd);
        directory.lockFd = -1;
    }
}

bool TakeRaiseRequest() {
    return TheDirectory().raiseRequested.exchange(false);
}

}  // namespace window_directory

HWND FindWindowW(LPCWSTR className, LPCWSTR title) {
    const std::wstring wideClass = className ? className : L"";
    const std::wstring wideTitle = title ? title : L"";
    if (HWND local = window_directory::FindLocal(className ? &wideClass : nullptr,
                                                 title ? &wideTitle : nullptr)) {
        return local;
    }
    const std::string utf8Class = window_directory::ListField(wideClass);
    const std::string utf8Title = window_directory::ListField(wideTitle);
    return window_directory::FindRemote(className ? &utf8Class : nullptr,
                                        title ? &utf8Title : nullptr);
}

BOOL SetForegroundWindow(HWND window) {
    // The shell's callers set the lowest bit to bring owned windows along; they always come.
    window = reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(window) & ~ULONG_PTR{1});
    if (windows::IsAlive(window)) {
        if (screen::Backend() != nullptr) {
            screen::Backend()->Raise();
        }
        return TRUE;
    }
    const RemoteWindow* remote = window_directory::AsRemote(window);
    return remote != nullptr && window_directory::AskToRaise(*remote) ? TRUE : FALSE;
}
