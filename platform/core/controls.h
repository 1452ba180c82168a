// The built-in window classes: the dialog class, STATIC, LISTBOX and the up-down control.
#pragma once

#include "platform/win_types.h"

namespace controls {

// The class names dialogs and the shell create their windows with.
inline constexpr const wchar_t* DialogClass = L"#32770";
inline constexpr const wchar_t* StaticClass = L"STATIC";
inline constexpr const wchar_t* ListBoxClass = L"LISTBOX";
inline constexpr const wchar_t* UpDownClass = L"msctls_updown32";

// Registers the built-in classes once.
void RegisterBuiltInClasses();

// Left and Right on a list that an up-down control with UDS_ARROWKEYS takes as its buddy: steps
// the selection by `delta`, wrapping around with UDS_WRAP. False when the list is no spinner.
bool StepSpinner(HWND list, int delta);

}  // namespace controls
