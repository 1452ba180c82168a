// The core tests' headless screen, a window class that records what it receives, and helpers.
#pragma once

#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/core/message_loop.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/windows.h"
#include "tests/support/raster_art.h"

namespace core_test {

using raster_test::ChangedBounds;

// What probe windows received, in order, and what their WM_PAINT draws inside BeginPaint.
inline std::vector<std::tuple<HWND, UINT, WPARAM>> received;
inline std::function<void(HWND, HDC, const PAINTSTRUCT&)> paintProbe;

inline LRESULT ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back({window, message, wParam});
    if (message != WM_PAINT) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    (paintProbe ? paintProbe : [](HWND, HDC, const PAINTSTRUCT&) {})(window, dc, paint);
    EndPaint(window, &paint);
    return 0;
}

// What `window` (or any window) received of `message`: the wParams, in order.
inline std::vector<WPARAM> ReceivedParams(UINT message, HWND window = nullptr) {
    std::vector<WPARAM> values;
    for (const auto& [to, what, wParam] : received) {
        values.insert(values.end(), what == message && (!window || to == window), wParam);
    }
    return values;
}

// The probe class erases with light grey, so that an erase shows on the white screen.
constexpr COLORREF ProbeBackground = RGB(192, 192, 192);

inline HWND CreateProbe(const wchar_t* title = L"Probe", bool visible = true) {
    WNDCLASSW probeClass{};
    probeClass.lpfnWndProc = ProbeProc;
    probeClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    probeClass.lpszClassName = L"Probe";
    RegisterClassW(&probeClass);  // fails harmlessly when registered already
    return CreateWindowExW(0, L"Probe", title, visible ? WS_VISIBLE : 0, 0, 0, 0, 0, nullptr,
                           nullptr, nullptr, nullptr);
}

constexpr raster::Pixel PixelOf(COLORREF color) {
    return raster::MakePixel(GetRValue(color), GetGValue(color), GetBValue(color));
}

// A pixel of the windows' frame, in the client coordinates of a top-level window.
inline raster::Pixel ClientPixel(int x, int y) {
    return screen::Frame().At(x, y + screen::TitleBarHeight);
}

// What changed in the windows' frame since `before`, in client coordinates.
inline raster::Rect ClientChanges(const raster::Framebuffer& before) {
    const raster::Rect bounds = ChangedBounds(before, screen::Frame());
    return bounds.IsEmpty() ? bounds : bounds.Offset(0, -screen::TitleBarHeight);
}

// Fills the rectangle with one colour, pen and brush alike.
inline void FillWith(HDC dc, const RECT& r, COLORREF color) {
    HGDIOBJ brush = SelectObject(dc, CreateSolidBrush(color));
    HGDIOBJ pen = SelectObject(dc, CreatePen(PS_SOLID, 1, color));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    DeleteObject(SelectObject(dc, brush));
    DeleteObject(SelectObject(dc, pen));
}

// The events wait in SDL's queue for the next loop.
inline void Press(const std::vector<int>& keys) {
    for (int key : keys) {
        ASSERT_TRUE(backend::InjectDesktopKey(key, true) && backend::InjectDesktopKey(key, false));
    }
}

// Runs posted messages, input and paints until nothing is left; fails rather than spin.
inline void RunUntilIdle() {
    for (int step = 0; message_loop::DispatchPending(); ++step) {
        ASSERT_LT(step, 10000) << "the window thread never became idle";
    }
}

// A fresh headless screen and no windows.
class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows::ResetAll();
        received.clear();
        paintProbe = nullptr;
        auto backend = backend::CreateSdlBackend(screen::Width, screen::Height);
        ASSERT_NE(backend, nullptr) << "no SDL video driver (set SDL_VIDEODRIVER=dummy)";
        screen::Attach(std::move(backend));
    }
    void TearDown() override {
        windows::ResetAll();
        screen::Detach();
    }
};

}  // namespace core_test
