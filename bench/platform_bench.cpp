// The phone screen's costs on the desktop: a full paint and present, a small paint, and a key
// press until its frame is presented. Headless, on SDL's dummy driver with its software
// renderer, the same path the window takes.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include <iterator>

#include "platform/aygshell.h"
#include "platform/core/message_loop.h"
#include "platform/core/screen.h"
#include "platform/resource_format.h"
#include "platform/resource_module.h"
#include "platform/windows.h"

namespace {

namespace rf = resource_format;

// A soft-key bar: left key Quit, right key a popup of three commands.
constexpr WORD kBar = 100;
constexpr auto kQuitLabel = rf::Freeze<[] { return rf::String(L"Quit"); }>();
constexpr auto kMenuLabel = rf::Freeze<[] { return rf::String(L"Menu"); }>();
constexpr auto kMenu = rf::Freeze<[] {
    return rf::Menu({{L"Quit", 1001, {}},
                     {L"Menu", 0, {{L"A", 1002, {}}, {L"B", 1003, {}}, {L"C", 1004, {}}}}});
}>();
constexpr auto kKeys = rf::Freeze<[] {
    return rf::SoftKeyBar(kBar, {{1001, 2, 0x10, 0xFFFF}, {0, 3, 0x18, 1}});
}>();

constexpr PlatformResource kTable[] = {rf::Entry(resource_type::String, 2, kQuitLabel),
                                       rf::Entry(resource_type::String, 3, kMenuLabel),
                                       rf::Entry(resource_type::Menu, kBar, kMenu),
                                       rf::Entry(resource_type::RcData, kBar, kKeys)};
const PlatformResourceModule kResources{kTable, std::size(kTable)};

// A disc in a square frame and a line of text.
LRESULT MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Ellipse(dc, 40, 40, 81, 81);
    const POINT frame[] = {{40, 40}, {80, 40}, {80, 80}, {40, 80}, {40, 40}};
    Polyline(dc, frame, 5);
    RECT line{0, 130, 176, 150};
    DrawTextW(dc, L"Platform bench", -1, &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EndPaint(window, &paint);
    return 0;
}

HWND MainWindow() {
    static HWND window = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        screen::Attach(backend::CreateSdlBackend(screen::Width, screen::Height));
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = MainProc;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = L"Bench";
        RegisterClassW(&windowClass);
        HWND created =
            CreateWindowExW(0, L"Bench", L"Bench", WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, &kResources, nullptr);
        SHMENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        bar.hwndParent = created;
        bar.nToolBarId = kBar;
        bar.hInstRes = &kResources;
        SHCreateMenuBar(&bar);
        ShowWindow(created, SW_SHOW);
        return created;
    }();
    return window;
}

void RunUntilIdle() {
    while (message_loop::DispatchPending()) {
    }
}

void BM_FullPaintAndPresent(benchmark::State& state) {
    HWND window = MainWindow();
    RunUntilIdle();
    for (auto _ : state) {
        InvalidateRect(window, nullptr, TRUE);
        RunUntilIdle();
    }
}

void BM_SmallPaintAndPresent(benchmark::State& state) {
    HWND window = MainWindow();
    RunUntilIdle();
    const RECT point{56, 56, 65, 65};
    for (auto _ : state) {
        InvalidateRect(window, &point, FALSE);
        RunUntilIdle();
    }
}

// The right soft key opens the popup, Back closes it: each is one key to one presented frame.
void BM_KeyToPresentedFrame(benchmark::State& state) {
    MainWindow();
    RunUntilIdle();
    bool open = false;
    for (auto _ : state) {
        backend::InjectDesktopKey(open ? SDLK_ESCAPE : SDLK_F2, true);
        RunUntilIdle();
        open = !open;
        state.PauseTiming();
        backend::InjectDesktopKey(open ? SDLK_F2 : SDLK_ESCAPE, false);
        RunUntilIdle();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_FullPaintAndPresent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallPaintAndPresent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyToPresentedFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
