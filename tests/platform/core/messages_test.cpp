// The message loop and painting: order of posted messages, when WM_PAINT comes, waking from
// another thread, quitting, and how invalidation, erasing and BeginPaint's clip work together.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/platform/core/core_test_support.h"

namespace core_test {
namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Black = RGB(0, 0, 0);

using MessageTest = ScreenTest;

std::vector<WPARAM> AppMessagesTo(HWND window) {
    std::vector<WPARAM> values;
    for (const Received& r : received) {
        if (r.window == window && r.message == WM_APP) {
            values.push_back(r.wParam);
        }
    }
    return values;
}

TEST_F(MessageTest, PostedMessagesArriveInOrderAndAHiddenWindowIsNotPainted) {
    HWND window = CreateProbe(L"Hidden", false);
    InvalidateRect(window, nullptr, TRUE);
    for (WPARAM i = 0; i < 5; ++i) {
        ASSERT_TRUE(PostMessageW(window, WM_APP, i, 0));
    }
    MSG message;
    for (WPARAM i = 0; i < 5; ++i) {
        ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
        EXPECT_EQ(message.hwnd, window);
        EXPECT_EQ(message.wParam, i);
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(message_loop::DispatchPending());
    EXPECT_EQ(AppMessagesTo(window), (std::vector<WPARAM>{0, 1, 2, 3, 4}));
    EXPECT_EQ(CountReceived(WM_PAINT), 0);
}

TEST_F(MessageTest, PaintWaitsForPostedMessagesAndComesOnlyForAnUpdateRegion) {
    HWND window = CreateProbe();
    RunUntilIdle();
    received.clear();
    EXPECT_FALSE(message_loop::DispatchPending()) << "a valid window was painted";
    const RECT dirty{0, 0, 10, 10};
    InvalidateRect(window, &dirty, FALSE);
    PostMessageW(window, WM_APP, 1, 0);
    PostMessageW(window, WM_APP, 2, 0);
    MSG message;
    for (UINT expected : {WM_APP, WM_APP, WM_PAINT}) {
        ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
        EXPECT_EQ(message.message, expected);
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(message_loop::DispatchPending()) << "EndPaint left the window invalid";
    EXPECT_EQ(CountReceived(WM_PAINT), 1);
}

TEST_F(MessageTest, PostQuitMessageEndsGetMessageWithTheExitCodeAfterPostedMessages) {
    HWND window = CreateProbe(L"Hidden", false);
    PostMessageW(window, WM_APP, 0, 0);
    PostQuitMessage(7);
    MSG message;
    ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_APP);
    ASSERT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(MessageTest, MessagePostedToADestroyedWindowIsDropped) {
    HWND doomed = CreateProbe(L"Doomed", false);
    HWND other = CreateProbe(L"Other", false);
    PostMessageW(doomed, WM_APP, 1, 0);
    PostMessageW(other, WM_APP, 2, 0);
    ASSERT_TRUE(DestroyWindow(doomed));
    RunUntilIdle();
    EXPECT_TRUE(AppMessagesTo(doomed).empty());
    EXPECT_EQ(AppMessagesTo(other), (std::vector<WPARAM>{2}));
    EXPECT_FALSE(DestroyWindow(doomed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageTest, DesktopCloseSendsWmCloseToTheMainWindowAndDefWindowProcDestroysIt) {
    HWND main = CreateProbe(L"Main");
    HWND later = CreateProbe(L"Later");
    RunUntilIdle();
    ASSERT_TRUE(backend::InjectClose());
    RunUntilIdle();
    EXPECT_EQ(CountReceived(WM_CLOSE), 1);
    EXPECT_EQ(CountReceived(WM_DESTROY, main), 1);
    RECT client;
    EXPECT_FALSE(GetClientRect(main, &client));
    EXPECT_TRUE(GetClientRect(later, &client));
}

// Without a backend the window thread sleeps on the queue itself; with one, in SDL's wait.
class CrossThreadPost : public ScreenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CrossThreadPost, WakesGetMessageBlockedOnTheWindowThread) {
    if (!GetParam()) {
        screen::Detach();
    }
    HWND window = CreateProbe(L"Hidden", false);
    RunUntilIdle();
    std::atomic<bool> posted{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        posted = true;
        PostMessageW(window, WM_APP, 42, 0);
    });
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);  // never woken: the alarm ends it
    worker.join();
    EXPECT_TRUE(got);
    EXPECT_TRUE(posted) << "GetMessageW returned before anything was posted";
    EXPECT_EQ(message.message, WM_APP);
    EXPECT_EQ(message.wParam, 42u);
}

INSTANTIATE_TEST_SUITE_P(Core, CrossThreadPost, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithScreen" : "Headless"; });

class PaintTest : public ScreenTest {
  protected:
    HWND ShownProbe() {
        HWND window = CreateProbe();
        RunUntilIdle();
        received.clear();
        return window;
    }
};

TEST_F(PaintTest, ShowingAWindowErasesItsClientAreaWithTheClassBrush) {
    ShownProbe();
    for (int y = 0; y < screen::ClientArea.Height(); ++y) {
        for (int x = 0; x < screen::Width; ++x) {
            ASSERT_EQ(ClientPixel(x, y), PixelOf(ProbeBackground)) << x << "," << y;
        }
    }
}

TEST_F(PaintTest, BeginPaintClipsToTheAccumulatedUpdateRegion) {
    HWND window = ShownProbe();
    const raster::Framebuffer before = screen::Frame();
    RECT painted{};
    paintProbe = [&painted](HWND, HDC dc, const PAINTSTRUCT& paint) {
        painted = paint.rcPaint;
        FillWith(dc, {0, 0, screen::Width, screen::ClientArea.Height()}, Red);
    };
    const RECT a{10, 10, 30, 20};
    const RECT b{100, 120, 140, 170};
    InvalidateRect(window, &a, FALSE);
    InvalidateRect(window, &b, FALSE);
    RunUntilIdle();
    EXPECT_EQ(CountReceived(WM_PAINT), 1);
    EXPECT_EQ((raster::Rect{painted.left, painted.top, painted.right, painted.bottom}),
              (raster::Rect{10, 10, 140, 170}));
    const auto inside = [](const RECT& r, int x, int y) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    };
    for (int y = 0; y < screen::ClientArea.Height(); ++y) {
        for (int x = 0; x < screen::Width; ++x) {
            const bool dirty = inside(a, x, y) || inside(b, x, y);
            ASSERT_EQ(ClientPixel(x, y),
                      dirty ? PixelOf(Red) : before.At(x, y + screen::TitleBarHeight))
                << x << "," << y;
        }
    }
}

TEST_F(PaintTest, InvalidatingWhilePaintingAsksForAnotherPaint) {
    HWND window = ShownProbe();
    int paints = 0;
    paintProbe = [&paints](HWND painted, HDC, const PAINTSTRUCT&) {
        if (++paints == 1) {
            InvalidateRect(painted, nullptr, FALSE);
        }
    };
    InvalidateRect(window, nullptr, FALSE);
    RunUntilIdle();
    EXPECT_EQ(paints, 2);
}

class EraseTest : public PaintTest, public ::testing::WithParamInterface<BOOL> {};

TEST_P(EraseTest, ClassBrushFillsTheUpdateRegionBeforeThePaintOnlyWhenAsked) {
    HWND window = ShownProbe();
    HDC dc = GetDC(window);
    FillWith(dc, {0, 0, screen::Width, screen::ClientArea.Height()}, Black);
    ReleaseDC(window, dc);
    paintProbe = [](HWND, HDC paintDc, const PAINTSTRUCT&) {
        FillWith(paintDc, {20, 20, 22, 22}, Red);
    };
    const RECT dirty{10, 10, 40, 40};
    InvalidateRect(window, &dirty, GetParam());
    RunUntilIdle();
    EXPECT_EQ(ClientPixel(20, 20), PixelOf(Red));
    EXPECT_EQ(ClientPixel(15, 35), PixelOf(GetParam() ? ProbeBackground : Black));
    EXPECT_EQ(ClientPixel(50, 50), PixelOf(Black));
}

INSTANTIATE_TEST_SUITE_P(Core, EraseTest, ::testing::Values(TRUE, FALSE),
                         [](const auto& info) { return info.param ? "Erase" : "NoErase"; });

}  // namespace
}  // namespace core_test
