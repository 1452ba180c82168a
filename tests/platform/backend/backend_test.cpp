// The backend: its pure decisions (keys, events, layout, scale, video driver), then a live
// headless window: input through SDL's queue, waits and wakes, frames, one backend at a time.
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/backend/event_map.h"
#include "platform/backend/key_map.h"
#include "platform/backend/screen_layout.h"
#include "platform/backend/sdl_backend.h"
#include "platform/backend/video_driver.h"
#include "platform/backend/window_scale.h"

namespace backend {

void PrintTo(const InputEvent& event, std::ostream* os) {
    static constexpr const char* kKinds[] = {"None",  "KeyDown", "KeyUp", "Click",
                                             "Wheel", "Close",   "Wake"};
    *os << kKinds[static_cast<int>(event.kind)] << "{key=0x" << std::hex << event.key << std::dec
        << (event.repeat ? " repeat" : "") << " x=" << event.x << " y=" << event.y
        << " notches=" << event.notches << "}";
}

namespace {

constexpr int kScreenWidth = 176;
constexpr int kScreenHeight = 220;

InputEvent KeyDown(unsigned key, bool repeat = false) {
    return {.kind = InputKind::KeyDown, .key = key, .repeat = repeat};
}
InputEvent KeyUp(unsigned key) {
    return {.kind = InputKind::KeyUp, .key = key};
}
InputEvent ClickAt(int x, int y) {
    return {.kind = InputKind::Click, .x = x, .y = y};
}
InputEvent OfKind(InputKind kind) {
    return {.kind = kind};
}

// A headless window at scale 3, whatever TALVEX_SCALE the developer's session has; a lost wake
// ends the test instead of hanging it.
class BackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        signal(SIGALRM, [](int) {
            static const char why[] = "blocked for 30 s: a wait never ended\n";
            (void)!write(STDERR_FILENO, why, sizeof why - 1);
            _exit(1);
        });
        alarm(30);
        setenv("TALVEX_SCALE", "3", 1);
        backend_ = CreateSdlBackend(kScreenWidth, kScreenHeight);
        ASSERT_NE(backend_, nullptr) << "no headless window; is SDL_VIDEODRIVER=dummy set?";
    }
    void TearDown() override { alarm(0); }
    // The next input within timeoutMs, or nothing.
    std::optional<InputEvent> Next(int timeoutMs = 1000) {
        InputEvent event;
        return backend_->WaitInput(&event, timeoutMs) ? std::optional(event) : std::nullopt;
    }

    std::unique_ptr<Backend> backend_;
};

// One key of each kind; the digit row counts by position (AZERTY gives & é " ... without Shift).
TEST(KeyMapTest, DesktopKeysGiveThePhonesKeysOrNothing) {
    const std::pair<SDL_Keycode, unsigned> keys[] = {{SDLK_LEFT, 0x25},     {SDLK_F1, 0x70},
                                                     {SDLK_F2, 0x71},       {SDLK_BACKSPACE, 0x1B},
                                                     {SDLK_KP_ENTER, 0x0D}, {SDLK_KP_3, 0x33}};
    for (const auto& [desktop, phone] : keys) {
        EXPECT_EQ(PhoneKeyFor(desktop), phone) << SDL_GetKeyName(desktop);
    }
    for (SDL_Keycode lacking : {SDLK_a, SDLK_F3, SDLK_KP_PLUS, SDLK_UNKNOWN}) {
        EXPECT_EQ(PhoneKeyFor(lacking), std::nullopt) << SDL_GetKeyName(lacking);
    }
    EXPECT_EQ(PhoneKeyFor(SDLK_AMPERSAND, SDL_SCANCODE_1), 0x31u);
    EXPECT_EQ(PhoneKeyFor(0xE0 /* à */, SDL_SCANCODE_0), 0x30u);
    EXPECT_EQ(PhoneKeyFor(SDLK_MINUS, SDL_SCANCODE_MINUS), std::nullopt);
}

constexpr Uint32 kWakeType = SDL_USEREVENT + 7;

SDL_Event Event(Uint32 type, Sint32 detail = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEBUTTONDOWN) {
        event.button.button = static_cast<Uint8>(detail);
    } else if (type == SDL_WINDOWEVENT) {
        event.window.event = static_cast<Uint8>(detail);
    } else if (type == SDL_MOUSEWHEEL) {
        event.wheel.y = detail;
        event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;  // natural scrolling
    }
    return event;
}

// The events the live tests below cannot send.
TEST(EventMapTest, EachEventIsInputWindowWorkOrNothing) {
    const struct {
        SDL_Event event;
        EventAction action;
        InputEvent input;
    } cases[] = {
        {Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), EventAction::Ignore, {}},
        {Event(SDL_MOUSEWHEEL, 2), EventAction::Input, {.kind = InputKind::Wheel, .notches = -2}},
        {Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), EventAction::Input,
         OfKind(InputKind::Close)},
        {Event(kWakeType + 1), EventAction::Ignore, {}},
        {Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED), EventAction::Repaint, {}},
        {Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED), EventAction::Ignore, {}},
    };
    for (const auto& c : cases) {
        const TranslatedEvent translated = TranslateEvent(c.event, kWakeType);
        EXPECT_EQ(translated.action, c.action) << "event type 0x" << std::hex << c.event.type;
        if (c.action == EventAction::Input) {
            EXPECT_EQ(translated.input, c.input);
        }
    }
}

struct WindowCase {
    int width, height, scale, left, top;  // where the screen's first pixel begins
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << " window";
}

class ScreenLayoutTest : public ::testing::TestWithParam<WindowCase> {};

// The largest whole scale that fits, centred; every screen pixel maps there and back, and the
// border around the screen is no pixel of it.
TEST_P(ScreenLayoutTest, ScalesCentresAndMapsEveryPixelThereAndBack) {
    const auto [width, height, scale, left, top] = GetParam();
    const ScreenLayout layout(width, height, kScreenWidth, kScreenHeight);
    EXPECT_EQ(layout.Scale(), scale);
    EXPECT_EQ(layout.ToWindow(0, 0), (ScreenPoint{left + scale / 2, top + scale / 2}));
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const ScreenPoint window = layout.ToWindow(x, y);
            ASSERT_EQ(layout.ToScreen(window.x, window.y), (ScreenPoint{x, y})) << x << "," << y;
        }
    }
    const int right = left + kScreenWidth * scale;
    const int bottom = top + kScreenHeight * scale;
    const int midX = layout.ToWindow(kScreenWidth / 2, 0).x;
    const int midY = layout.ToWindow(0, kScreenHeight / 2).y;
    EXPECT_EQ(layout.ToScreen(left, midY), (ScreenPoint{0, kScreenHeight / 2}));
    EXPECT_EQ(layout.ToScreen(left - 1, midY), std::nullopt);
    EXPECT_EQ(layout.ToScreen(right - 1, midY), (ScreenPoint{kScreenWidth - 1, kScreenHeight / 2}));
    EXPECT_EQ(layout.ToScreen(right, midY), std::nullopt);
    EXPECT_EQ(layout.ToScreen(midX, top), (ScreenPoint{kScreenWidth / 2, 0}));
    EXPECT_EQ(layout.ToScreen(midX, top - 1), std::nullopt);
    EXPECT_EQ(layout.ToScreen(midX, bottom - 1),
              (ScreenPoint{kScreenWidth / 2, kScreenHeight - 1}));
    EXPECT_EQ(layout.ToScreen(midX, bottom), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, ScreenLayoutTest,
                         ::testing::Values(WindowCase{176, 220, 1, 0, 0},
                                           WindowCase{600, 800, 3, 36, 70},
                                           WindowCase{1000, 660, 3, 236, 0},
                                           WindowCase{100, 100, 1, -38, -60}));

TEST(WindowScaleTest, ScaleIsOneToEightAndTheDefaultShrinksToFitTheDisplay) {
    EXPECT_EQ(ParseScale("1"), 1);
    EXPECT_EQ(ParseScale("8"), 8);
    for (const char* text : {"", "0", "9", "3x", "99999999999"}) {
        EXPECT_EQ(ParseScale(text), std::nullopt) << "\"" << text << "\"";
    }
    EXPECT_EQ(ParseScale(nullptr), std::nullopt);
    EXPECT_EQ(FitDefaultScale(176, 220, 528, 660), 3);
    EXPECT_EQ(FitDefaultScale(176, 220, 1024, 600), 2);
    EXPECT_EQ(FitDefaultScale(176, 220, 527, 1000), 2);
    EXPECT_EQ(FitDefaultScale(176, 220, 320, 200), 1);
    EXPECT_EQ(FitDefaultScale(176, 220, 0, 0), 3) << "an unknown display keeps the default";
}

// A named driver is kept, headless ones included; otherwise only a desktop driver whose display
// is set, and none at all without a display (never a silent headless stand-in).
TEST(VideoDriverTest, ANamedDriverIsKeptElseOnlyTheDesktopsDriversWithADisplay) {
    const struct {
        const char* driver;
        const char* display;
        const char* wayland;
        VideoDriverChoice expected;
    } cases[] = {
        {"", ":0", "", {.drivers = "x11", .noDisplay = false}},
        {nullptr, nullptr, "wayland-0", {.drivers = "wayland", .noDisplay = false}},
        {nullptr, ":0", "wayland-0", {.drivers = "x11,wayland", .noDisplay = false}},
        {"", "", "", {.drivers = {}, .noDisplay = true}},
        {"dummy", nullptr, nullptr, {}},
        {"offscreen,x11", ":0", nullptr, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseVideoDriver(c.driver, c.display, c.wayland), c.expected)
            << (c.driver ? c.driver : "unset") << " " << (c.display ? c.display : "unset");
    }
}

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class InputTest : public BackendTest {
  protected:
    // Nothing comes within 60 ms, and the wait lasts that long.
    void ExpectNothingFor60Ms() {
        const auto start = Clock::now();
        EXPECT_EQ(Next(60), std::nullopt);
        EXPECT_GE(Clock::now() - start, 50ms);
    }
};

TEST_F(InputTest, KeysComeOutAsPhoneKeysInOrderAndOthersAreSkipped) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, true) && InjectDesktopKey(SDLK_LEFT, true, true) &&
                InjectDesktopKey(SDLK_a, true) && InjectDesktopKey(SDLK_LEFT, true, true) &&
                InjectDesktopKey(SDLK_LEFT, false) && InjectDesktopKey(SDLK_KP_ENTER, true) &&
                InjectDesktopKey(SDLK_BACKSPACE, true) && InjectDesktopKey(SDLK_7, true) &&
                InjectDesktopKey(SDLK_F2, true));
    for (const InputEvent& expected :
         {KeyDown(0x25), KeyDown(0x25, true), KeyDown(0x25, true), KeyUp(0x25), KeyDown(0x0D),
          KeyDown(0x1B), KeyDown(0x37), KeyDown(0x71)}) {
        EXPECT_EQ(Next(), expected);
    }
    EXPECT_EQ(Next(0), std::nullopt);
    // The keypad's 8 is Up with NumLock off and the digit with it on; the wheel comes as it is.
    ASSERT_TRUE(InjectDesktopKey(SDLK_KP_8, true, false, false) &&
                InjectDesktopKey(SDLK_KP_8, true, false, true) && InjectWheel(-2));
    EXPECT_EQ(Next(), KeyDown(0x26));
    EXPECT_EQ(Next(), KeyDown(0x38));
    EXPECT_EQ(Next(), (InputEvent{.kind = InputKind::Wheel, .notches = -2}));
    ASSERT_TRUE(InjectDesktopKey(SDLK_SPACE, true) && InjectDesktopKey(SDLK_TAB, false));
    ExpectNothingFor60Ms();
    ASSERT_TRUE(InjectDesktopKey(SDLK_DOWN, true));
    EXPECT_EQ(Next(0), KeyDown(0x28));
    EXPECT_FALSE(backend_->WaitInput(nullptr, 0));
}

// Clicks come back as the screen pixel clicked, whatever the window's size; clicks on the
// border around the screen are dropped.
TEST_F(InputTest, ClicksComeBackAsTheScreenPixelInAnyWindowSize) {
    for (const auto& [width, height] : {std::pair{0, 0}, {600, 800}, {400, 500}}) {
        ASSERT_TRUE(width == 0 || ResizeDesktopWindow(width, height));
        for (const ScreenPoint p : {ScreenPoint{0, 0}, {175, 0}, {0, 219}, {175, 219}, {88, 110}}) {
            ASSERT_TRUE(InjectClick(p.x, p.y));
            EXPECT_EQ(Next(), ClickAt(p.x, p.y)) << width << "x" << height;
        }
        EXPECT_EQ(Next(0), std::nullopt) << "a click gave more than one event";
    }
    for (const ScreenPoint p :
         {ScreenPoint{-5, 100}, {kScreenWidth, 100}, {80, -5}, {80, kScreenHeight}}) {
        ASSERT_TRUE(InjectClick(p.x, p.y));
    }
    ExpectNothingFor60Ms();
    ASSERT_TRUE(InjectClose());
    EXPECT_EQ(Next(), OfKind(InputKind::Close));
    EXPECT_EQ(Next(0), std::nullopt);
}

using WakeTest = BackendTest;

// Wakes keep their place among input; wakes before a read are read as one, also by a read that
// does not wait right after one that did.
TEST_F(WakeTest, WakesKeepTheirPlaceAmongInputAndThoseBeforeAReadAreReadAsOne) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_UP, true));
    backend_->Wake();
    ASSERT_TRUE(InjectDesktopKey(SDLK_DOWN, true));
    EXPECT_EQ(Next(), KeyDown(0x26));
    EXPECT_EQ(Next(), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(), KeyDown(0x28));
    std::vector<std::thread> wakers;
    for (int t = 0; t < 4; ++t) {
        wakers.emplace_back([this] {
            for (int i = 0; i < 500; ++i) {
                backend_->Wake();
            }
        });
    }
    for (std::thread& waker : wakers) {
        waker.join();
    }
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(0), std::nullopt);
    backend_->Wake();
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake)) << "a read wake held back the next one";
}

// The way the message queue uses it: post under a lock, then wake; the reader waits without end
// and drains after each wake, and must see every post.
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
                std::this_thread::sleep_for(1ms);  // so that the reader needs many wakes
            }
        }
    });
    int seen = 0;
    while (seen < kPosts) {
        if (Next(-1) != OfKind(InputKind::Wake)) {
            ADD_FAILURE() << "stopped after " << seen << " of " << kPosts << " posts";
            break;
        }
        std::lock_guard lock(mutex);
        for (; !posted.empty(); posted.pop_front(), ++seen) {
            EXPECT_EQ(posted.front(), seen);
        }
    }
    poster.join();
}

// A frame in which every pixel differs from its neighbours in each colour channel.
raster::Framebuffer Pattern(int width, int height) {
    raster::Framebuffer frame(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.Set(x, y, raster::MakePixel(x * 7 + y, y * 5 + x * 3, (x ^ y) * 11));
        }
    }
    return frame;
}

bool WindowHidden() {
    SDL_Window* window = SDL_GetWindowFromID(SdlBackend::Current()->WindowId());
    return window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN) != 0;
}

using FrameTest = BackendTest;

// A process that ends before its first frame (a second start) shows no window at all.
TEST_F(FrameTest, LastFrameIsThePresentedScreenSizedFrameAndTheWindowShowsWithIt) {
    EXPECT_TRUE(backend_->LastFrame() == raster::Framebuffer(kScreenWidth, kScreenHeight, 0));
    backend_->Present(raster::Framebuffer(kScreenWidth / 2, kScreenHeight, 0xFFFFFF));
    backend_->Present(raster::Framebuffer());
    EXPECT_TRUE(WindowHidden()) << "shown without a frame to show";
    raster::Framebuffer frame = Pattern(kScreenWidth, kScreenHeight);
    backend_->Present(frame);
    EXPECT_FALSE(WindowHidden());
    EXPECT_TRUE(backend_->LastFrame() == frame);
    frame.Set(100, 200, raster::MakePixel(1, 2, 3));
    backend_->Present(frame);
    backend_->Present(raster::Framebuffer(kScreenWidth, kScreenHeight / 2, 0xFFFFFF));
    EXPECT_TRUE(backend_->LastFrame() == frame);
    ASSERT_TRUE(ResizeDesktopWindow(700, 900));
    EXPECT_EQ(Next(60), std::nullopt) << "a repaint on the window's behalf gave input";
}

// What the window itself shows: every window pixel is the phone pixel that the layout puts
// there, the border black, in full after a resize and after a present that changed one pixel.
void ExpectWindowShows(const raster::Framebuffer& frame) {
    SDL_Window* window = SDL_GetWindowFromID(SdlBackend::Current()->WindowId());
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_NE(surface, nullptr);
    const ScreenLayout layout(surface->w, surface->h, frame.Width(), frame.Height());
    int wrong = 0;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r = 0, g = 0, b = 0;
            Uint32 shown = 0;
            std::memcpy(&shown,
                        static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                            x * surface->format->BytesPerPixel,
                        surface->format->BytesPerPixel);
            SDL_GetRGB(shown, surface->format, &r, &g, &b);
            const auto at = layout.ToScreen(x, y);
            const raster::Pixel expected = at ? frame.At(at->x, at->y) : 0;
            if (raster::MakePixel(r, g, b) != expected && ++wrong <= 3) {
                ADD_FAILURE() << "window pixel (" << x << ", " << y << ") in " << surface->w << "x"
                              << surface->h;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(FrameTest, TheWindowShowsTheFrameScaledAndCentredInAnySize) {
    raster::Framebuffer frame = Pattern(kScreenWidth, kScreenHeight);
    backend_->Present(frame);
    ExpectWindowShows(frame);
    frame.Set(kScreenWidth - 1, 0, raster::MakePixel(9, 9, 9));
    frame.Set(0, kScreenHeight - 1, raster::MakePixel(7, 7, 7));
    backend_->Present(frame);
    ExpectWindowShows(frame);
    // Larger with a border, then smaller than the screen: only its middle shows.
    for (const auto& [width, height] : {std::pair{700, 900}, {100, 90}}) {
        ASSERT_TRUE(ResizeDesktopWindow(width, height));
        EXPECT_EQ(Next(60), std::nullopt);
        frame.Set(kScreenWidth / 2, kScreenHeight / 2, raster::MakePixel(width & 0xFF, 1, 1));
        backend_->Present(frame);
        ExpectWindowShows(frame);
    }
}

TEST(WindowSizeTest, TheWindowOpensAtScaleThreeOrTheScaleTalvexScaleAsks) {
    for (const auto& [scale, expected] : {std::pair{"2", 2}, {"two", 3}}) {
        setenv("TALVEX_SCALE", scale, 1);
        const auto backend = CreateSdlBackend(kScreenWidth, kScreenHeight);
        ASSERT_NE(backend, nullptr);
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(SDL_GetWindowFromID(SdlBackend::Current()->WindowId()), &width, &height);
        EXPECT_EQ(width, expected * kScreenWidth) << scale;
        EXPECT_EQ(height, expected * kScreenHeight) << scale;
    }
}

// One backend per process: a second is refused while the first lives, takes nothing from it,
// and a new one after it reads nothing the last left; a raise shows it before any frame.
TEST(BackendLifetimeTest, OneBackendAtATimeEachStartingClean) {
    EXPECT_FALSE(InjectDesktopKey(SDLK_UP, true) || InjectClick(10, 10) || InjectClose() ||
                 ResizeDesktopWindow(600, 800))
        << "injected without a backend";
    EXPECT_EQ(CreateSdlBackend(0, kScreenHeight), nullptr);
    EXPECT_EQ(CreateSdlBackend(kScreenWidth, -1), nullptr);
    auto first = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CreateSdlBackend(kScreenWidth, kScreenHeight), nullptr);
    ASSERT_TRUE(InjectDesktopKey(SDLK_RIGHT, true));
    InputEvent event;
    ASSERT_TRUE(first->WaitInput(&event, 1000));
    EXPECT_EQ(event, KeyDown(0x27));
    ASSERT_TRUE(InjectDesktopKey(SDLK_UP, true));
    first->Wake();
    first.reset();

    auto second = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->WaitInput(&event, 0));
    second->Wake();
    ASSERT_TRUE(second->WaitInput(&event, 1000));
    EXPECT_EQ(event, OfKind(InputKind::Wake));
    second->Raise();
    EXPECT_FALSE(WindowHidden()) << "a raise did not show the window before any frame";
}

}  // namespace
}  // namespace backend
