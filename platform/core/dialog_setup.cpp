// A dialog's set-up: full screen with SHInitDialog, the up-down control's class with
// InitCommonControlsEx.
#include "platform/aygshell.h"
#include "platform/commctrl.h"
#include "platform/core/controls.h"
#include "platform/core/dialogs.h"
#include "platform/core/window.h"

BOOL SHInitDialog(SHINITDLGINFO* info) {
    if (info == nullptr || (info->dwMask & SHIDIM_FLAGS) == 0 || !windows::IsAlive(info->hDlg)) {
        return FALSE;
    }
    // The phone has no input panel to lower and no Done button in the title: only the size
    // matters here.
    if ((info->dwFlags & SHIDIF_SIZEDLGFULLSCREEN) != 0) {
        dialogs::MakeFullScreen(info->hDlg);
    }
    return TRUE;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    controls::RegisterBuiltInClasses();
    return TRUE;
}
