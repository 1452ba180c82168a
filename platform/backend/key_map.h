// Which phone key a desktop key stands for.
#pragma once

#include <optional>

namespace backend {

// The phone's virtual key for a desktop key, given as an SDL keycode; nothing for a key the
// phone does not have. The scancode (SDL_SCANCODE_UNKNOWN when not known) lets the digit row
// work on layouts whose digits need Shift, as on AZERTY. With NumLock off the keypad's 2, 4, 6
// and 8 are the direction keys and its 5 the action key, as the arrows printed on them say.
std::optional<unsigned> PhoneKeyFor(int sdlKeycode, int sdlScancode = 0, bool numLock = true);

}  // namespace backend
