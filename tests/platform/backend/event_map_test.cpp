// What SDL's events mean to the phone: program input, window work, or nothing.
#include <gtest/gtest.h>

#include "backend_test_support.h"
#include "platform/backend/event_map.h"

namespace backend {
namespace {

constexpr Uint32 kWakeType = SDL_USEREVENT + 7;

SDL_Event Key(Uint32 type, SDL_Keycode sym, bool repeat = false) {
    SDL_Event event{};
    event.key.type = type;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = sym;
    return event;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.button.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Window(SDL_WindowEventID what) {
    SDL_Event event{};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

SDL_Event OfType(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    return event;
}

// The input an event gives the program; fails the test when it gives none.
InputEvent InputOf(const SDL_Event& event) {
    const TranslatedEvent translated = TranslateEvent(event, kWakeType);
    EXPECT_EQ(translated.action, EventAction::Input);
    return translated.input;
}

EventAction ActionOf(const SDL_Event& event) {
    return TranslateEvent(event, kWakeType).action;
}

TEST(EventMapTest, KeysGivePhoneKeysWithTheirRepeatFlag) {
    EXPECT_EQ(InputOf(Key(SDL_KEYDOWN, SDLK_UP)), KeyDown(0x26));
    EXPECT_EQ(InputOf(Key(SDL_KEYDOWN, SDLK_UP, true)), KeyDown(0x26, true));
    EXPECT_EQ(InputOf(Key(SDL_KEYUP, SDLK_UP)), KeyUp(0x26));
    EXPECT_EQ(ActionOf(Key(SDL_KEYDOWN, SDLK_q)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(Key(SDL_KEYUP, SDLK_q)), EventAction::Ignore);
}

TEST(EventMapTest, OnlyPressingTheLeftButtonClicks) {
    EXPECT_EQ(InputOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 12, 34)), ClickAt(12, 34));
    EXPECT_EQ(ActionOf(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 12, 34)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 12, 34)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 12, 34)),
              EventAction::Ignore);
    EXPECT_EQ(ActionOf(OfType(SDL_MOUSEMOTION)), EventAction::Ignore);
}

TEST(EventMapTest, QuitAndTheCloseButtonBothClose) {
    EXPECT_EQ(InputOf(OfType(SDL_QUIT)), OfKind(InputKind::Close));
    EXPECT_EQ(InputOf(Window(SDL_WINDOWEVENT_CLOSE)), OfKind(InputKind::Close));
}

TEST(EventMapTest, TheWakeTypeWakes) {
    EXPECT_EQ(InputOf(OfType(kWakeType)), OfKind(InputKind::Wake));
    EXPECT_EQ(ActionOf(OfType(kWakeType + 1)), EventAction::Ignore);
}

TEST(EventMapTest, ExposingOrResizingRepaintsWithoutInput) {
    EXPECT_EQ(ActionOf(Window(SDL_WINDOWEVENT_EXPOSED)), EventAction::Repaint);
    EXPECT_EQ(ActionOf(Window(SDL_WINDOWEVENT_SIZE_CHANGED)), EventAction::Repaint);
    EXPECT_EQ(ActionOf(OfType(SDL_RENDER_TARGETS_RESET)), EventAction::Repaint);
    EXPECT_EQ(ActionOf(OfType(SDL_RENDER_DEVICE_RESET)), EventAction::RecreateTextures);
}

TEST(EventMapTest, OtherWindowAndTextEventsAreIgnored) {
    EXPECT_EQ(ActionOf(Window(SDL_WINDOWEVENT_FOCUS_GAINED)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(Window(SDL_WINDOWEVENT_MOVED)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(Window(SDL_WINDOWEVENT_MINIMIZED)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(OfType(SDL_TEXTINPUT)), EventAction::Ignore);
    EXPECT_EQ(ActionOf(OfType(SDL_MOUSEWHEEL)), EventAction::Ignore);
}

}  // namespace
}  // namespace backend
