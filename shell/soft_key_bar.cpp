#include "shell/soft_key_bar.h"

#include "platform/aygshell.h"
#include "shell/game_session.h"

BOOL CreateSoftKeyBar(HWND owner, UINT barId, HWND* bar) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = owner;
    info.dwFlags = 0;
    info.nToolBarId = barId;
    info.hInstRes = GameSession.instance;
    const BOOL created = SHCreateMenuBar(&info);
    if (bar != nullptr) {
        *bar = info.hwndMB;
    }
    return created;
}
