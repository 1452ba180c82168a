// The phone screen's costs on the desktop: a full paint and present, a small paint, and a key
// press until its frame is presented. Headless, on SDL's dummy driver with its software
// renderer, the same path the window takes.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/core/message_loop.h"
#include "platform/core/screen.h"
#include "tests/platform/fixture/fixture.h"

namespace {

HWND MainWindow() {
    static HWND window = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        screen::Attach(backend::CreateSdlBackend(screen::Width, screen::Height));
        HWND created = fixture::CreateMainWindow(&fixture::Resources);
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
