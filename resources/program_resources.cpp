// The program's resources: the string table, the soft-key bars with their menus, the dialog
// templates, the About logo and the program icon, handed to the platform as ProgramResources.
#include <cstddef>
#include <cstdint>

#include "embedded/about_logo_bmp.h"
#include "embedded/program_icon_bmps.h"
#include "platform/aygshell.h"
#include "platform/commctrl.h"
#include "platform/resource_format.h"
#include "platform/resource_module.h"
#include "platform/windows.h"
#include "resources/resource_ids.h"

namespace {

using namespace resource_format;

// Strings: the window title and the soft keys' labels.
constexpr auto AppTitle = Freeze<[] { return String(L"Talvex Go 1.01"); }>();
constexpr auto ExitLabel = Freeze<[] { return String(L"Exit"); }>();
constexpr auto MenuLabel = Freeze<[] { return String(L"Menu"); }>();
constexpr auto DoneLabel = Freeze<[] { return String(L"Done"); }>();
constexpr auto CancelLabel = Freeze<[] { return String(L"Cancel"); }>();

constexpr WORD NoPopup = 0xFFFF;
constexpr BYTE AutoSize = TBSTYLE_AUTOSIZE;

// The main window: "Exit" on the left key; "Menu" on the right key opens popup 1.
constexpr auto MainMenu = Freeze<[] {
    return Menu({{L"Exit", IDM_EXIT, {}},
                 {L"Menu",
                  0,
                  {{L"New Game", IDM_NEW_GAME, {}},
                   {L"Pass", IDM_PASS, {}},
                   {L"Help", IDM_HELP, {}},
                   {L"About", IDM_ABOUT, {}}}}});
}>();
constexpr auto MainKeys = Freeze<[] {
    return SoftKeyBar(IDR_MAIN_MENU, {{IDM_EXIT, IDS_EXIT, AutoSize, NoPopup},
                                      {IDM_MENU, IDS_MENU, TBSTYLE_DROPDOWN | AutoSize, 1}});
}>();

// The New Game dialog: "Done" and "Cancel".
constexpr auto NewGameMenu = Freeze<[] {
    return Menu({{L"Done", IDM_NEWGAME_DONE, {}}, {L"Cancel", IDM_NEWGAME_CANCEL, {}}});
}>();
constexpr auto NewGameKeys = Freeze<[] {
    return SoftKeyBar(IDR_NEWGAME_MENU, {{IDM_NEWGAME_DONE, IDS_DONE, AutoSize, NoPopup},
                                         {IDM_NEWGAME_CANCEL, IDS_CANCEL, AutoSize, NoPopup}});
}>();

// The Help and About screens: "Done" alone.
constexpr auto DoneMenu = Freeze<[] { return Menu({{L"Done", IDM_DONE, {}}}); }>();
constexpr auto DoneKeys = Freeze<[] {
    return SoftKeyBar(IDR_DONE_MENU, {{IDM_DONE, IDS_DONE, AutoSize, NoPopup}});
}>();

constexpr WORD StaticClass = 0x0082;
constexpr WORD ListBoxClass = 0x0083;
constexpr WORD NoId = 0xFFFF;
constexpr DWORD ChildStatic = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD ScreenStyle = WS_POPUP | WS_CAPTION | WS_VSCROLL | DS_MODALFRAME | DS_SETFONT;

// The side chooser: a one-line list with an up-down control at its right edge, which takes the
// list as its buddy and steps it with the Left and Right keys.
constexpr auto NewGameDialog = Freeze<[] {
    return DialogTemplate(
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
         0,
         0,
         175,
         95,
         L"New Game",
         8,
         L"System",
         {{ChildStatic, 0, 0, 59, 8, NoId, StaticClass, L"", L"Choose your side:"},
          {WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0, 10, 95, 9, IDC_SIDE_LIST,
           ListBoxClass, L"", L""},
          {WS_CHILD | WS_VISIBLE | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY |
               UDS_ARROWKEYS | UDS_HORZ,
           96, 10, 18, 9, IDC_SIDE_SPIN, 0, UPDOWN_CLASSW, L"Spin1"}}});
}>();

// Help and About paint their own content; the empty static control at the bottom makes the
// template as tall as that content, so that the screen scrolls over all of it.
// A full-screen text screen of the given size in dialog units, with its empty static control
// at (7, staticTop).
constexpr Words ScrollingScreen(std::wstring_view title, short width, short height,
                                short staticTop) {
    return DialogTemplate({ScreenStyle,
                           0,
                           0,
                           width,
                           height,
                           title,
                           8,
                           L"System",
                           {{ChildStatic, 7, staticTop, 10, 8, NoId, StaticClass, L"", L""}}});
}

constexpr auto HelpDialog = Freeze<[] { return ScrollingScreen(L"Help", 105, 367, 352); }>();
constexpr auto AboutDialog = Freeze<[] { return ScrollingScreen(L"About", 110, 193, 178); }>();

// The artwork's entries are bytes; the encoded resources' are words.
using resource_format::Entry;
template <std::size_t Size>
constexpr PlatformResource Entry(WORD type, WORD id, const std::uint8_t (&bytes)[Size]) {
    return {type, id, bytes, static_cast<DWORD>(Size)};
}

namespace type = resource_type;

constexpr PlatformResource Table[] = {
    Entry(type::String, IDS_APP_TITLE, AppTitle),
    Entry(type::String, IDS_EXIT, ExitLabel),
    Entry(type::String, IDS_MENU, MenuLabel),
    Entry(type::String, IDS_DONE, DoneLabel),
    Entry(type::String, IDS_CANCEL, CancelLabel),
    Entry(type::Menu, IDR_MAIN_MENU, MainMenu),
    Entry(type::RcData, IDR_MAIN_MENU, MainKeys),
    Entry(type::Menu, IDR_NEWGAME_MENU, NewGameMenu),
    Entry(type::RcData, IDR_NEWGAME_MENU, NewGameKeys),
    Entry(type::Menu, IDR_DONE_MENU, DoneMenu),
    Entry(type::RcData, IDR_DONE_MENU, DoneKeys),
    Entry(type::Dialog, IDD_NEW_GAME, NewGameDialog),
    Entry(type::Dialog, IDD_HELP, HelpDialog),
    Entry(type::Dialog, IDD_ABOUT, AboutDialog),
    Entry(type::Bitmap, IDB_ABOUT_LOGO, artwork::AboutLogoBmp),
    Entry(type::GroupIcon, IDI_TALVEX_GO, artwork::ProgramIconBmps),
};

}  // namespace

const PlatformResourceModule ProgramResources{Table, sizeof Table / sizeof Table[0]};
