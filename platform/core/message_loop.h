// Running the window thread's messages without blocking, for tests that drive the platform
// step by step.
#pragma once

namespace message_loop {

// Dispatches one posted message, input event or paint. False when nothing was left (the
// screen has then been presented), or when only a quit request is left.
bool DispatchPending();

}  // namespace message_loop
