#include "platform/backend/key_map.h"

#include <SDL_keyboard.h>

#include <array>
#include <utility>

#include "platform/aygshell.h"
#include "platform/win_user.h"

namespace backend {
namespace {

constexpr unsigned kDigitZero = '0';  // the phone's digit keys are their characters

constexpr std::array<std::pair<SDL_Keycode, unsigned>, 30> kKeys{{
    {SDLK_LEFT, VK_LEFT},        {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},      {SDLK_DOWN, VK_DOWN},
    {SDLK_RETURN, VK_RETURN},    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_F1, VK_TSOFT1},        {SDLK_F2, VK_TSOFT2},
    {SDLK_ESCAPE, VK_TBACK},     {SDLK_BACKSPACE, VK_TBACK},
    {SDLK_0, kDigitZero + 0},    {SDLK_1, kDigitZero + 1},
    {SDLK_2, kDigitZero + 2},    {SDLK_3, kDigitZero + 3},
    {SDLK_4, kDigitZero + 4},    {SDLK_5, kDigitZero + 5},
    {SDLK_6, kDigitZero + 6},    {SDLK_7, kDigitZero + 7},
    {SDLK_8, kDigitZero + 8},    {SDLK_9, kDigitZero + 9},
    {SDLK_KP_0, kDigitZero + 0}, {SDLK_KP_1, kDigitZero + 1},
    {SDLK_KP_2, kDigitZero + 2}, {SDLK_KP_3, kDigitZero + 3},
    {SDLK_KP_4, kDigitZero + 4}, {SDLK_KP_5, kDigitZero + 5},
    {SDLK_KP_6, kDigitZero + 6}, {SDLK_KP_7, kDigitZero + 7},
    {SDLK_KP_8, kDigitZero + 8}, {SDLK_KP_9, kDigitZero + 9},
}};

constexpr std::array<std::pair<SDL_Keycode, unsigned>, 5> kKeypadWithoutNumLock{{
    {SDLK_KP_8, VK_UP},
    {SDLK_KP_4, VK_LEFT},
    {SDLK_KP_6, VK_RIGHT},
    {SDLK_KP_2, VK_DOWN},
    {SDLK_KP_5, VK_RETURN},
}};

template <std::size_t Size>
std::optional<unsigned> Lookup(const std::array<std::pair<SDL_Keycode, unsigned>, Size>& keys,
                               int sdlKeycode) {
    for (const auto& [desktop, phone] : keys) {
        if (desktop == sdlKeycode) {
            return phone;
        }
    }
    return std::nullopt;
}

// The digit row by position; SDL numbers it 1..9 then 0.
std::optional<unsigned> DigitRowKey(int scancode) {
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return kDigitZero + 1 + static_cast<unsigned>(scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) {
        return kDigitZero;
    }
    return std::nullopt;
}

}  // namespace

std::optional<unsigned> PhoneKeyFor(int sdlKeycode, int sdlScancode, bool numLock) {
    if (!numLock) {
        if (const auto direction = Lookup(kKeypadWithoutNumLock, sdlKeycode)) {
            return direction;
        }
    }
    if (const auto phoneKey = Lookup(kKeys, sdlKeycode)) {
        return phoneKey;
    }
    return DigitRowKey(sdlScancode);
}

}  // namespace backend
