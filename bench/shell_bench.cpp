// The game's own costs on the phone screen: start to the first "Your move" frame, a key press to
// its presented frame, a full and a partial paint of the board, and the peak memory of a whole
// game played with the keys. Headless (SDL's dummy driver, software renderer), the same path
// the window takes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/kernel_object.h"
#include "platform/core/message_loop.h"
#include "platform/core/screen.h"
#include "platform/resource_module.h"
#include "resources/resource_ids.h"
#include "rules/legality.h"
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "shell/program_entry.h"
#include "tests/support/program_reset.h"
#include "view/board_view.h"

namespace {

void RunUntilIdle() {
    while (message_loop::DispatchPending()) {
    }
}

// Runs the window thread until the running step has ended and its frame is presented.
void Settle() {
    for (;;) {
        RunUntilIdle();
        if (GameSession.workerThread == nullptr) {
            return;
        }
        kernel_objects::WaitForThreads(10000);
    }
}

HWND StartGame() {
    HWND window = StartProgram(&ProgramResources, SW_SHOW);
    Settle();
    return window;
}

void Attach() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (screen::Backend() == nullptr) {
        screen::Attach(backend::CreateSdlBackend(screen::Width, screen::Height));
    }
}

void BM_StartToFirstYourMoveFrame(benchmark::State& state) {
    Attach();
    for (auto _ : state) {
        state.PauseTiming();
        shell_test::ResetProgram();
        state.ResumeTiming();
        StartGame();
        if (CurrentStatus() != StatusYourMove) {
            state.SkipWithError("the first game did not start");
        }
    }
}

// A direction key goes through the desktop's event queue, moves the cursor, repaints its two
// points and presents the frame.
void BM_KeyToPresentedFrame(benchmark::State& state) {
    Attach();
    shell_test::ResetProgram();
    StartGame();
    bool right = true;
    for (auto _ : state) {
        backend::InjectDesktopKey(right ? SDLK_RIGHT : SDLK_LEFT, true);
        RunUntilIdle();
        state.PauseTiming();
        backend::InjectDesktopKey(right ? SDLK_RIGHT : SDLK_LEFT, false);
        RunUntilIdle();
        right = !right;
        state.ResumeTiming();
    }
}

// Puts stones on a third of the board, as in a middle game.
void FillMiddleGame() {
    for (int i = 0; i < PointCount; i += 3) {
        Position.Board[i] = (i / 3) % 2 == 0 ? Black : White;
    }
}

void BM_FullPaint(benchmark::State& state) {
    Attach();
    shell_test::ResetProgram();
    HWND window = StartGame();
    FillMiddleGame();
    for (auto _ : state) {
        GameSession.partialRepaint = 0;
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
}

// The paint at the end of a move: two points changed (the stone and the reply), the cursor
// point and the two text rows.
void BM_PartialPaint(benchmark::State& state) {
    Attach();
    shell_test::ResetProgram();
    HWND window = StartGame();
    FillMiddleGame();
    std::memcpy(GameSession.boardSnapshot, Position.Board, sizeof GameSession.boardSnapshot);
    GameSession.boardSnapshot[PointIndex(3, 3)] ^= 1;
    GameSession.boardSnapshot[PointIndex(15, 15)] ^= 1;
    for (auto _ : state) {
        GameSession.partialRepaint = 1;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

// A whole game with the keys: the cursor walks the board by a knight-like stride and the
// action key plays where it lands; where that point is taken or forbidden the player passes,
// until the machine has passed twice.
void BM_WholeGameWithKeys(benchmark::State& state) {
    Attach();
    long steps = 0;
    for (auto _ : state) {
        shell_test::ResetProgram();
        HWND window = StartGame();
        for (int step = 0; Position.GameActive != 0 && step < 3000; ++step) {
            for (int key = 0; key < 10; ++key) {
                SendMessageW(window, WM_KEYDOWN, key < 7 ? VK_RIGHT : VK_DOWN, 0);
            }
            const int x = GameSession.cursor->x;
            const int y = GameSession.cursor->y;
            if (StoneAt(x, y) != Empty || IsForbiddenMove(x, y) != 0) {
                SendMessageW(window, WM_COMMAND, IDM_PASS, 0);
            } else {
                SendMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
            }
            Settle();
            ++steps;
        }
        if (Position.GameActive != 0) {
            state.SkipWithError("the game did not end");
        }
    }
    state.counters["steps_per_game"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

BENCHMARK(BM_StartToFirstYourMoveFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyToPresentedFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PartialPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeGameWithKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
