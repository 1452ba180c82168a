// The phone platform's core services, in one include as the program expects them.
#pragma once

#include "platform/win_gdi.h"
#include "platform/win_kernel.h"
#include "platform/win_types.h"
#include "platform/win_user.h"
