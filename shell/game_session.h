// The shell's state of the running game, the message line's texts and the workers' messages.
//
// Threads: the window thread and at most one worker. `workerThread` is the slot: a worker is
// started only while it is empty, and only the window thread fills and clears it. The worker
// writes `statusIndex` (an atomic, read by the painter at any time) and `boardSnapshot` (read by
// the painter only while the slot is empty, that is after the worker's last write).
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/windows.h"
#include "rules/position.h"

class BoardView;
class BoardCursor;

// Posted by a worker to the main window, wParam and lParam 0.
constexpr UINT WM_WORKER_DONE = WM_APP + 1;
constexpr UINT WM_WORKER_STARTED = WM_APP + 2;

enum StatusIndex : std::int32_t {
    StatusInitializing = 0,
    StatusThinking = 1,
    StatusYourMove = 2,
    StatusIPass = 3,
    StatusIllegalMove = 4,
    StatusKoMove = 5,
    StatusGameFinished = 6,
};
constexpr int StatusTextCount = 7;
extern const wchar_t* const StatusTexts[StatusTextCount];

// 0xFF: no StoneColor, so every point compares as changed after a new game.
constexpr std::uint8_t NoStone = 0xFF;

struct GameSessionRecord {
    HINSTANCE instance;
    BoardView* view;
    BoardCursor* cursor;
    HANDLE workerThread;
    std::atomic<std::int32_t> statusIndex;
    std::int32_t partialRepaint;
    std::uint8_t boardSnapshot[PointCount];
    // The cursor point when the running step was started; the worker plays here, so that a
    // cursor moved after the action key cannot change where the stone goes.
    std::int32_t stepX;
    std::int32_t stepY;
};

extern GameSessionRecord GameSession;

// Reads and writes of the message line's index; relaxed, as only the value itself is shared.
inline std::int32_t CurrentStatus() {
    return GameSession.statusIndex.load(std::memory_order_relaxed);
}
inline void SetStatus(std::int32_t index) {
    GameSession.statusIndex.store(index, std::memory_order_relaxed);
}
