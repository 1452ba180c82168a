// Turning the backend's input into the program's messages.
#pragma once

namespace input {

// Handles input that has already arrived, without waiting. True when there was some.
bool HandlePending();
// Waits for input (or a posted message) and handles it.
void WaitAndHandle();

}  // namespace input
