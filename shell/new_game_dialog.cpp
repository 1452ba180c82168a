#include "shell/new_game_dialog.h"

#include "platform/aygshell.h"
#include "resources/resource_ids.h"
#include "rules/position.h"
#include "shell/game_workers.h"
#include "shell/soft_key_bar.h"

namespace {

constexpr int WhiteItem = 1;

void Done(HWND dialog) {
    const LRESULT selected = SendDlgItemMessageW(dialog, IDC_SIDE_LIST, LB_GETCURSEL, 0, 0);
    if (selected == WhiteItem) {
        Position.HumanColor = White;
        Position.MachineColor = Black;
    } else {
        Position.HumanColor = Black;
        Position.MachineColor = White;
    }
    EndDialog(dialog, 1);
    StartWorker(GetParent(dialog), NewGameThread);
}

}  // namespace

int InitNewGameDialog(HWND dialog, UINT barId) {
    SHINITDLGINFO init{SHIDIM_FLAGS, dialog,
                       SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    SHInitDialog(&init);
    if (!CreateSoftKeyBar(dialog, barId)) {
        return 0;
    }
    SendDlgItemMessageW(dialog, IDC_SIDE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Black"));
    SendDlgItemMessageW(dialog, IDC_SIDE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"White"));
    SendDlgItemMessageW(dialog, IDC_SIDE_LIST, LB_SETCURSEL, 0, 0);
    return 1;
}

BOOL NewGameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            if (!InitNewGameDialog(dialog, IDR_NEWGAME_MENU)) {
                EndDialog(dialog, -1);
            }
            return TRUE;
        case WM_COMMAND:
            if (wParam == IDM_NEWGAME_DONE) {
                Done(dialog);
                return TRUE;
            }
            if (wParam == IDM_NEWGAME_CANCEL) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}
