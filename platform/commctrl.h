// Common controls: the up-down control that makes a one-line spinner of a list.
#pragma once

#include "platform/win_types.h"

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};

constexpr DWORD ICC_UPDOWN_CLASS = 0x10;

#define UPDOWN_CLASSW L"msctls_updown32"

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_HORZ = 0x0040;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
