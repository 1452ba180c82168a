// Running the program more than once in one process (tests, benchmarks): what a run leaves
// behind is forgotten before the next.
#pragma once

namespace app_test {

// Waits for the last worker, drops its posts, frees what a window closed without Exit kept,
// clears the game's state, the windows and the kernel handles (the single-instance mutex among
// them). False when a worker did not end.
bool ResetProgram();

}  // namespace app_test
