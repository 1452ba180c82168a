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

}  // namespace kernel_objects
