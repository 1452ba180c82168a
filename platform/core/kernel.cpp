// Kernel services: CreateThread, CloseHandle, CreateMutexW, GetLastError, SetLastError, Sleep.
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "platform/core/handle_table.h"
#include "platform/core/kernel_object.h"
#include "platform/core/runtime_dir.h"
#include "platform/win_kernel.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// Enough for deep recursion in any thread the program starts, also where a sanitizer keeps
// its own data of most of a megabyte on the thread's stack. Only touched pages cost memory.
constexpr std::size_t MinimumStackBytes = 8 << 20;

HandleTable<PlatformKernelObject>& TheTable() {
    static auto* table = new HandleTable<PlatformKernelObject>;
    return *table;
}

struct ThreadObject : PlatformKernelObject {};

// The lock behind a named mutex is an flock on a file: the operating system drops it when the
// process ends, however it ends.
struct MutexObject : PlatformKernelObject {
    explicit MutexObject(int descriptor) : fd(descriptor) {}
    ~MutexObject() override {
        if (fd >= 0) {
            close(fd);
        }
    }
    int fd;
};

struct ThreadStart {
    LPTHREAD_START_ROUTINE start;
    LPVOID parameter;
};

// Threads still running, so that a test can wait for a program's last worker.
struct RunningThreads {
    std::mutex lock;
    std::condition_variable changed;
    int count = 0;
    bool held = false;
};

RunningThreads& Running() {
    static auto* running = new RunningThreads;
    return *running;
}

void* RunThread(void* raw) {
    {
        RunningThreads& running = Running();
        std::unique_lock guard(running.lock);
        running.changed.wait(guard, [&] { return !running.held; });
    }
    {
        const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(raw));
        start->start(start->parameter);
    }
    RunningThreads& running = Running();
    std::lock_guard guard(running.lock);
    --running.count;
    running.changed.notify_all();
    return nullptr;
}

// A file name for a mutex name: letters and digits kept, everything else as hex.
std::string MutexPath(LPCWSTR name) {
    std::string file = runtime_dir::Path() + "/mutex-";
    static const char* hex = "0123456789abcdef";
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        const auto code = static_cast<std::uint32_t>(*c);
        if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
            (code >= '0' && code <= '9')) {
            file += static_cast<char>(code);
        } else {
            file += '%';
            for (int shift = 20; shift >= 0; shift -= 4) {
                file += hex[(code >> shift) & 0xF];
            }
        }
    }
    return file;
}

}  // namespace

namespace kernel_objects {

HANDLE Add(std::unique_ptr<PlatformKernelObject> object) {
    return TheTable().Add(std::move(object));
}

bool Close(HANDLE handle) {
    return TheTable().Take(handle) != nullptr;
}

bool WaitForThreads(int timeoutMs) {
    RunningThreads& running = Running();
    std::unique_lock guard(running.lock);
    return running.changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                    [&] { return running.count == 0; });
}

void HoldThreads(bool hold) {
    RunningThreads& running = Running();
    std::lock_guard guard(running.lock);
    running.held = hold;
    running.changed.notify_all();
}

void CloseAll() {
    TheTable().Clear();
}

}  // namespace kernel_objects

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD error) {
    lastError = error;
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

HANDLE CreateThread(void*, DWORD stackSize, LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD,
                    DWORD* threadId) {
    if (start == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    pthread_attr_setstacksize(&attributes, std::max<std::size_t>(stackSize, MinimumStackBytes));
    auto* startRecord = new ThreadStart{start, parameter};
    {
        std::lock_guard guard(Running().lock);
        ++Running().count;
    }
    pthread_t thread;
    const int failed = pthread_create(&thread, &attributes, RunThread, startRecord);
    pthread_attr_destroy(&attributes);
    if (failed != 0) {
        delete startRecord;
        {
            std::lock_guard guard(Running().lock);
            --Running().count;
        }
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (threadId != nullptr) {
        static std::atomic<DWORD> nextId{1};
        *threadId = nextId++;
    }
    return kernel_objects::Add(std::make_unique<ThreadObject>());
}

BOOL CloseHandle(HANDLE handle) {
    if (!kernel_objects::Close(handle)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

HANDLE CreateMutexW(void*, BOOL, LPCWSTR name) {
    if (name == nullptr || *name == L'\0') {
        // Only named mutexes are used: they guard against a second instance.
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // No safe place for the lock: a program that needs one must not start unguarded.
    const int fd = runtime_dir::Path().empty()
                       ? -1
                       : open(MutexPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        SetLastError(ERROR_SUCCESS);
        return kernel_objects::Add(std::make_unique<MutexObject>(fd));
    }
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    if (!held) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SetLastError(ERROR_ALREADY_EXISTS);
    return kernel_objects::Add(std::make_unique<MutexObject>(-1));
}
