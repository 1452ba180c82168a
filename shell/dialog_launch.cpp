#include "shell/dialog_launch.h"

#include "shell/game_session.h"

INT_PTR RunDialog(HWND owner, WORD dialogId, DLGPROC procedure) {
    HINSTANCE instance = GameSession.instance;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(dialogId), RT_DIALOG);
    if (found == nullptr) {
        return -1;
    }
    const auto* dialogTemplate =
        static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(instance, found)));
    if (dialogTemplate == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamW(instance, dialogTemplate, owner, procedure, 0);
}
