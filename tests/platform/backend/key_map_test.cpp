// The desktop keys that stand for the phone's keys, and those that stand for nothing.
#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/backend/key_map.h"

namespace backend {
namespace {

struct KeyCase {
    const char* name;
    SDL_Keycode desktop;
    unsigned phone;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class PhoneKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PhoneKeyTest, DesktopKeyGivesPhoneKey) {
    EXPECT_EQ(PhoneKeyFor(GetParam().desktop), GetParam().phone);
}

INSTANTIATE_TEST_SUITE_P(DesignTable, PhoneKeyTest,
                         ::testing::Values(KeyCase{"Left", SDLK_LEFT, 0x25},
                                           KeyCase{"Up", SDLK_UP, 0x26},
                                           KeyCase{"Right", SDLK_RIGHT, 0x27},
                                           KeyCase{"Down", SDLK_DOWN, 0x28},
                                           KeyCase{"Enter", SDLK_RETURN, 0x0D},
                                           KeyCase{"KeypadEnter", SDLK_KP_ENTER, 0x0D},
                                           KeyCase{"F1LeftSoftKey", SDLK_F1, 0x70},
                                           KeyCase{"F2RightSoftKey", SDLK_F2, 0x71},
                                           KeyCase{"EscapeBack", SDLK_ESCAPE, 0x1B},
                                           KeyCase{"BackspaceBack", SDLK_BACKSPACE, 0x1B}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DigitKeyTest, EveryDigitOfTheTopRowAndTheKeypadGivesItsDigit) {
    constexpr SDL_Keycode kKeypad[10] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
    for (unsigned digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(PhoneKeyFor(SDLK_0 + static_cast<SDL_Keycode>(digit)), 0x30 + digit) << digit;
        EXPECT_EQ(PhoneKeyFor(kKeypad[digit]), 0x30 + digit) << "keypad " << digit;
    }
}

class IgnoredKeyTest : public ::testing::TestWithParam<SDL_Keycode> {};

TEST_P(IgnoredKeyTest, DesktopKeyGivesNothing) {
    EXPECT_EQ(PhoneKeyFor(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(KeysThePhoneLacks, IgnoredKeyTest,
                         ::testing::Values(SDLK_a, SDLK_SPACE, SDLK_TAB, SDLK_F3, SDLK_F12,
                                           SDLK_LSHIFT, SDLK_DELETE, SDLK_KP_PLUS, SDLK_KP_PERIOD,
                                           SDLK_HOME, SDLK_UNKNOWN));

TEST(DigitRowTest, DigitPositionCountsWhereTheLayoutPutsAnotherCharacter) {
    // AZERTY: the keys of the digit row give & é " ' ( - è _ ç à without Shift.
    EXPECT_EQ(PhoneKeyFor(SDLK_AMPERSAND, SDL_SCANCODE_1), 0x31u);
    EXPECT_EQ(PhoneKeyFor(SDLK_QUOTEDBL, SDL_SCANCODE_3), 0x33u);
    EXPECT_EQ(PhoneKeyFor(0xE0 /* à */, SDL_SCANCODE_0), 0x30u);
}

TEST(DigitRowTest, OtherPositionsStillGiveNothing) {
    EXPECT_EQ(PhoneKeyFor(SDLK_a, SDL_SCANCODE_Q), std::nullopt);
    EXPECT_EQ(PhoneKeyFor(SDLK_MINUS, SDL_SCANCODE_MINUS), std::nullopt);
}

}  // namespace
}  // namespace backend
