#include "shell/game_session.h"

GameSessionRecord GameSession;

const wchar_t* const StatusTexts[StatusTextCount] = {
    L"Initializing...", L"Thinking...", L"Your move",     L"I pass",
    L"Illegal move",    L"Ko move",     L"Game finished",
};
