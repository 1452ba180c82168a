// The message loop and painting: the order of posted messages, quit and paints, waking from
// another thread, and how invalidation, erasing and BeginPaint's clip work together.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/support/core_test_support.h"

namespace core_test {
namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Black = RGB(0, 0, 0);

using MessageTest = ScreenTest;

// Posted messages first, in order, then the quit request, then paints: only of visible windows
// with an update region, and once.
TEST_F(MessageTest, PostedMessagesComeInOrderThenTheQuitThenPaints) {
    HWND hidden = CreateProbe(L"Hidden", false);
    HWND shown = CreateProbe();
    RunUntilIdle();
    received.clear();
    EXPECT_FALSE(message_loop::DispatchPending()) << "a valid window was painted";
    InvalidateRect(shown, nullptr, FALSE);
    InvalidateRect(hidden, nullptr, TRUE);
    for (WPARAM i = 0; i < 4; ++i) {
        ASSERT_TRUE(PostMessageW(i % 2 ? shown : hidden, WM_APP, i, 0));
    }
    PostQuitMessage(7);
    MSG message;
    std::vector<UINT> order;
    while (order.empty() || order.back() != WM_PAINT) {
        if (GetMessageW(&message, nullptr, 0, 0)) {
            DispatchMessageW(&message);
        } else {
            EXPECT_EQ(message.wParam, 7u) << "the quit's exit code";
        }
        order.push_back(message.message);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_APP, WM_APP, WM_APP, WM_APP, WM_QUIT, WM_PAINT}));
    EXPECT_FALSE(message_loop::DispatchPending()) << "EndPaint left the window invalid";
    EXPECT_EQ(ReceivedParams(WM_APP), (std::vector<WPARAM>{0, 1, 2, 3}));
    EXPECT_EQ(ReceivedParams(WM_APP, shown), (std::vector<WPARAM>{1, 3}));
    EXPECT_EQ(ReceivedParams(WM_PAINT, shown).size(), 1u);
    EXPECT_TRUE(ReceivedParams(WM_PAINT, hidden).empty());
}

// Messages posted to a window destroyed since are dropped, not delivered to a stale handle.
TEST_F(MessageTest, MessagesToADestroyedWindowAreDropped) {
    HWND main = CreateProbe(L"Main");
    HWND doomed = CreateProbe(L"Doomed", false);
    PostMessageW(doomed, WM_APP, 1, 0);
    PostMessageW(main, WM_APP, 2, 0);
    ASSERT_TRUE(DestroyWindow(doomed));
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_APP), std::vector<WPARAM>{2});
    EXPECT_FALSE(DestroyWindow(doomed));
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
    EXPECT_TRUE(got && posted) << "GetMessageW returned before anything was posted";
    EXPECT_EQ(message.wParam, 42u);
}

INSTANTIATE_TEST_SUITE_P(Core, CrossThreadPost, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithScreen" : "Headless"; });

class PaintTest : public ScreenTest, public ::testing::WithParamInterface<BOOL> {};

// A paint draws only in what was invalidated since, erased first with the class brush when
// asked.
TEST_P(PaintTest, BeginPaintClipsToTheAccumulatedUpdateRegionErasedWhenAsked) {
    HWND window = CreateProbe();
    RunUntilIdle();
    HDC dc = GetDC(window);
    FillWith(dc, {0, 0, screen::Width, screen::ClientArea.Height()}, Black);
    ReleaseDC(window, dc);
    std::vector<raster::Rect> painted;
    paintProbe = [&painted](HWND window, HDC paintDc, const PAINTSTRUCT& paint) {
        painted.push_back(
            {paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom});
        FillWith(paintDc, {12, 12, 200, 200}, Red);
        if (painted.size() == 1) {
            const RECT again{20, 15, 22, 17};
            InvalidateRect(window, &again, FALSE);  // asks for a paint of its own
        }
    };
    const RECT a{10, 10, 30, 20};
    const RECT b{100, 120, 140, 170};
    InvalidateRect(window, &a, GetParam());
    InvalidateRect(window, &b, FALSE);
    RunUntilIdle();
    EXPECT_EQ(painted, (std::vector<raster::Rect>{{10, 10, 140, 170}, {20, 15, 22, 17}}));
    raster::Region dirty(raster::Rect{10, 10, 30, 20});
    dirty.Add(raster::Rect{100, 120, 140, 170});
    for (int y = 0; y < screen::ClientArea.Height(); ++y) {
        for (int x = 0; x < screen::Width; ++x) {
            const COLORREF erased = GetParam() ? ProbeBackground : Black;
            ASSERT_EQ(ClientPixel(x, y), PixelOf(!dirty.Contains(x, y) ? Black
                                                 : x >= 12 && y >= 12  ? Red
                                                                       : erased))
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Core, PaintTest, ::testing::Values(TRUE, FALSE),
                         [](const auto& info) { return info.param ? "Erase" : "NoErase"; });

}  // namespace
}  // namespace core_test
