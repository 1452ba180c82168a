// The platform's records behind kernel handles.
#pragma once

#include <memory>

#include "platform/win_types.h"

struct PlatformKernelObject {
    virtual ~PlatformKernelObject() = default;
};

namespace kernel_objects {

HANDLE Add(std::unique_ptr<PlatformKernelObject> object);
// False when the handle is not a live one.
bool Close(HANDLE handle);

// For tests that run a program more than once in one process: waits up to timeoutMs for every
// thread started with CreateThread to return (true when none is left), and closes every handle,
// which frees the named mutexes this process holds.
bool WaitForThreads(int timeoutMs);
// While held, threads that CreateThread starts wait before running their routine, so that a
// test sees the moment between a thread's creation and its first step.
void HoldThreads(bool hold);
void CloseAll();

}  // namespace kernel_objects
