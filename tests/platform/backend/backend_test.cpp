// The backend: its pure decisions (keys, events, layout, scale), then a live headless window:
// input through SDL's queue, wakes from other threads, frames, one backend at a time.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "platform/backend/event_map.h"
#include "platform/backend/key_map.h"
#include "platform/backend/screen_layout.h"
#include "platform/backend/sdl_backend.h"
#include "platform/backend/window_scale.h"

namespace backend {

void PrintTo(const InputEvent& e, std::ostream* os) {
    *os << "kind " << static_cast<int>(e.kind) << " key 0x" << std::hex << e.key << std::dec
        << (e.repeat ? " repeat" : "") << " at " << e.x << "," << e.y << " notches " << e.notches;
}

namespace {

constexpr int kWidth = 176;
constexpr int kHeight = 220;

InputEvent KeyDown(unsigned key, bool repeat = false) {
    return {.kind = InputKind::KeyDown, .key = key, .repeat = repeat};
}
InputEvent OfKind(InputKind kind) {
    return {.kind = kind};
}

// The digit row counts by position (AZERTY gives & é " ... without Shift).
TEST(KeyMapTest, DesktopKeysGiveThePhonesKeysOrNothing) {
    EXPECT_EQ(PhoneKeyFor(SDLK_F1), 0x70u);
    EXPECT_EQ(PhoneKeyFor(SDLK_F2), 0x71u);
    EXPECT_EQ(PhoneKeyFor(SDLK_AMPERSAND, SDL_SCANCODE_1), 0x31u);
    EXPECT_EQ(PhoneKeyFor(SDLK_MINUS, SDL_SCANCODE_MINUS), std::nullopt);
}

// What the live tests cannot send: natural scrolling flips the wheel; an exposure repaints.
TEST(EventMapTest, EachEventIsInputWindowWorkOrNothing) {
    constexpr Uint32 kWake = SDL_USEREVENT + 7;
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = 2;
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(TranslateEvent(event, kWake).input,
              (InputEvent{.kind = InputKind::Wheel, .notches = -2}));
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_EQ(TranslateEvent(event, kWake).action, EventAction::Repaint);
}

// The largest whole scale that fits, centred (past the window's edges when it is too small);
// every screen pixel maps there and back, and the border is no pixel of the screen.
TEST(ScreenLayoutTest, ScalesCentresAndMapsEveryPixelThereAndBack) {
    for (const auto& [width, height, scale, left, top] :
         {std::array{600, 800, 3, 36, 70}, {100, 100, 1, -38, -60}}) {
        const ScreenLayout layout(width, height, kWidth, kHeight);
        EXPECT_EQ(layout.Scale(), scale);
        EXPECT_EQ(layout.ToWindow(0, 0), (ScreenPoint{left + scale / 2, top + scale / 2}));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const ScreenPoint window = layout.ToWindow(x, y);
                ASSERT_EQ(layout.ToScreen(window.x, window.y), (ScreenPoint{x, y}))
                    << x << "," << y;
            }
        }
        EXPECT_EQ(layout.ToScreen(left - 1, top), std::nullopt);
        EXPECT_EQ(layout.ToScreen(left + kWidth * scale, top + kHeight * scale - 1), std::nullopt);
        EXPECT_EQ(layout.ToScreen(left, top + kHeight * scale), std::nullopt);
    }
}

TEST(WindowScaleTest, ScaleIsOneToEightAndTheDefaultShrinksToFitTheDisplay) {
    EXPECT_EQ(ParseScale("8"), 8);
    for (const char* text : {"0", "9", "3x", "99999999999"}) {
        EXPECT_EQ(ParseScale(text), std::nullopt) << text;
    }
    EXPECT_EQ(FitDefaultScale(kWidth, kHeight, 527, 1000), 2);
    EXPECT_EQ(FitDefaultScale(kWidth, kHeight, 320, 200), 1);
    EXPECT_EQ(FitDefaultScale(kWidth, kHeight, 0, 0), 3) << "an unknown display keeps the default";
}

// A headless window at scale 3, whatever TALVEX_SCALE the session has.
class BackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TALVEX_SCALE", "3", 1);
        backend_ = CreateSdlBackend(kWidth, kHeight);
        ASSERT_NE(backend_, nullptr) << "no headless window; is SDL_VIDEODRIVER=dummy set?";
    }
    std::optional<InputEvent> Next(int timeoutMs = 1000) {
        InputEvent event;
        return backend_->WaitInput(&event, timeoutMs) ? std::optional(event) : std::nullopt;
    }

    std::unique_ptr<Backend> backend_;
};

using InputTest = BackendTest;

// Keys come as phone keys with their repeats, others are skipped; the keypad is digits with
// NumLock and arrows without; clicks come as the screen pixel in a resized window, and clicks
// on its border are dropped.
TEST_F(InputTest, KeysAndClicksComeOutAsThePhonesInputInOrder) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, true) && InjectDesktopKey(SDLK_LEFT, true, true) &&
                InjectDesktopKey(SDLK_a, true) && InjectDesktopKey(SDLK_LEFT, false) &&
                InjectDesktopKey(SDLK_KP_8, true, false, false) &&
                InjectDesktopKey(SDLK_KP_8, true, false, true) && InjectWheel(-2));
    for (const InputEvent& expected :
         {KeyDown(0x25), KeyDown(0x25, true), InputEvent{.kind = InputKind::KeyUp, .key = 0x25},
          KeyDown(0x26), KeyDown(0x38), InputEvent{.kind = InputKind::Wheel, .notches = -2}}) {
        EXPECT_EQ(Next(), expected);
    }
    ASSERT_TRUE(ResizeDesktopWindow(400, 500));
    for (const auto& [x, y] : {std::pair{0, 0}, {175, 219}, {-1, 100}, {80, kHeight}, {88, 110}}) {
        ASSERT_TRUE(InjectClick(x, y));
    }
    EXPECT_EQ(Next(), (InputEvent{.kind = InputKind::Click, .x = 0, .y = 0}));
    EXPECT_EQ(Next(), (InputEvent{.kind = InputKind::Click, .x = 175, .y = 219}));
    EXPECT_EQ(Next(), (InputEvent{.kind = InputKind::Click, .x = 88, .y = 110}));
    ASSERT_TRUE(InjectClose());
    EXPECT_EQ(Next(), OfKind(InputKind::Close));
    EXPECT_EQ(Next(0), std::nullopt);
}

using WakeTest = BackendTest;

// Wakes keep their place among input; many wakes before a read are read as one, and a read
// wake does not hold back the next.
TEST_F(WakeTest, WakesKeepTheirPlaceAmongInputAndThoseBeforeAReadAreReadAsOne) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_UP, true));
    backend_->Wake();
    ASSERT_TRUE(InjectDesktopKey(SDLK_DOWN, true));
    EXPECT_EQ(Next(), KeyDown(0x26));
    EXPECT_EQ(Next(), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(), KeyDown(0x28));
    std::thread([this] {
        for (int i = 0; i < 1000; ++i) {
            backend_->Wake();
        }
    }).join();
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(0), std::nullopt);
    backend_->Wake();
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake)) << "a read wake held back the next one";
}

// As the message queue uses it: post under a lock, then wake; the reader waits without end and
// drains after each wake, and must see every post.
TEST_F(WakeTest, NoPostIsLeftUnseenWhenWakesAreMerged) {
    constexpr int kPosts = 3000;
    std::mutex mutex;
    std::deque<int> posted;
    std::thread poster([&] {
        for (int i = 0; i < kPosts; ++i) {
            {
                std::lock_guard lock(mutex);
                posted.push_back(i);
            }
            backend_->Wake();
            if (i % 100 == 99) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    });
    int seen = 0;
    while (seen < kPosts && Next(-1) == OfKind(InputKind::Wake)) {
        std::lock_guard lock(mutex);
        for (; !posted.empty(); posted.pop_front(), ++seen) {
            EXPECT_EQ(posted.front(), seen);
        }
    }
    EXPECT_EQ(seen, kPosts);
    poster.join();
}

SDL_Window* Window() {
    return SDL_GetWindowFromID(SdlBackend::Current()->WindowId());
}

// Every window pixel is the screen pixel the layout puts there, the border black.
void ExpectWindowShows(const raster::Framebuffer& frame) {
    SDL_Surface* surface = SDL_GetWindowSurface(Window());
    ASSERT_NE(surface, nullptr);
    const ScreenLayout layout(surface->w, surface->h, frame.Width(), frame.Height());
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB888, 0);
    int wrong = 0;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const auto at = layout.ToScreen(x, y);
            wrong += (static_cast<const Uint32*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF) !=
                     (at ? frame.At(at->x, at->y) : 0);
        }
    }
    SDL_FreeSurface(rgb);
    EXPECT_EQ(wrong, 0) << "in " << surface->w << "x" << surface->h;
}

using FrameTest = BackendTest;

// In full, after presents that change single pixels, and after resizes larger and smaller. A
// process that ends before its first frame (a second start) shows no window.
TEST_F(FrameTest, TheWindowShowsTheFrameScaledAndCentredInAnySize) {
    EXPECT_TRUE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_HIDDEN) << "shown without a frame";
    EXPECT_EQ(CreateSdlBackend(kWidth, kHeight), nullptr) << "a second backend at once";
    raster::Framebuffer frame(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            frame.Set(x, y, raster::MakePixel(x * 7 + y, y * 5 + x * 3, (x ^ y) * 11));
        }
    }
    backend_->Present(frame);
    ExpectWindowShows(frame);
    EXPECT_FALSE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_HIDDEN);
    EXPECT_TRUE(backend_->LastFrame() == frame);
    frame.Set(kWidth - 1, 0, raster::MakePixel(9, 9, 9));
    frame.Set(0, kHeight - 1, raster::MakePixel(7, 7, 7));
    backend_->Present(frame);
    ExpectWindowShows(frame);
    for (const auto& [width, height] : {std::pair{700, 900}, {100, 90}}) {
        ASSERT_TRUE(ResizeDesktopWindow(width, height));
        EXPECT_EQ(Next(60), std::nullopt) << "a repaint on the window's behalf gave input";
        frame.Set(kWidth / 2, kHeight / 2, raster::MakePixel(width & 0xFF, 1, 1));
        backend_->Present(frame);
        ExpectWindowShows(frame);
    }
}

}  // namespace
}  // namespace backend
