// The shell: a modal spinner dialog (its result, keys kept from the owner, Back), the soft keys
// and their popup.
#include <iterator>
#include <string>

#include "platform/aygshell.h"
#include "platform/resource_format.h"
#include "platform/resource_module.h"
#include "tests/support/core_test_support.h"

namespace core_test {
namespace {

namespace rf = resource_format;

constexpr WORD QuitCommand = 1001, ThirdCommand = 1004;
constexpr WORD DoneCommand = 2001;
constexpr WORD MainBar = 100;    // left key Quit; right key a popup of three commands
constexpr WORD DialogBar = 101;  // Done

constexpr auto QuitLabel = rf::Freeze<[] { return rf::String(L"Quit"); }>();
constexpr auto MenuLabel = rf::Freeze<[] { return rf::String(L"Menu"); }>();
constexpr auto MainMenu = rf::Freeze<[] {
    return rf::Menu({{L"Quit", QuitCommand, {}},
                     {L"Menu", 0, {{L"A", 1002, {}}, {L"B", 1003, {}}, {L"C", ThirdCommand, {}}}}});
}>();
constexpr auto MainKeys = rf::Freeze<[] {
    return rf::SoftKeyBar(MainBar, {{QuitCommand, 2, 0x10, 0xFFFF}, {0, 3, 0x18, 1}});
}>();
constexpr auto DialogMenu = rf::Freeze<[] { return rf::Menu({{L"Done", DoneCommand, {}}}); }>();
constexpr auto DialogKeys = rf::Freeze<[] {
    return rf::SoftKeyBar(DialogBar, {{DoneCommand, 2}});
}>();

namespace type = resource_type;
using resource_format::Entry;
constexpr PlatformResource Table[] = {
    Entry(type::String, 2, QuitLabel),        Entry(type::String, 3, MenuLabel),
    Entry(type::Menu, MainBar, MainMenu),     Entry(type::RcData, MainBar, MainKeys),
    Entry(type::Menu, DialogBar, DialogMenu), Entry(type::RcData, DialogBar, DialogKeys),
};
const PlatformResourceModule Resources{Table, std::size(Table)};

HWND CreateBar(HWND owner, WORD barId) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = owner;
    info.nToolBarId = barId;
    info.hInstRes = &Resources;
    return SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
}

constexpr int SpinnerList = 310;
// Three items, so that a misaligned item shows.
// clang-format off
constexpr auto Spinner = rf::Freeze<[] {
    return rf::DialogTemplate(
        {WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, 0, 0, 175, 95, L"Spinner", 8, L"System",
         {{WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 59, 8, 0xFFFF, 0x0082, L"", L"Pick one:"},
          {WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0, 10, 95, 9, SpinnerList,
           0x0083, L"", L""},
          {WS_CHILD | WS_VISIBLE | 0x77, 96, 10, 18, 9, 311, 0, L"msctls_updown32", L""}}});
}>();
// clang-format on

// Red, Green, Blue in the spinner; Done returns the selected index.
BOOL SpinnerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SHINITDLGINFO init{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
        SHInitDialog(&init);
        CreateBar(dialog, DialogBar);
        for (const wchar_t* item : {L"Red", L"Green", L"Blue"}) {
            SendDlgItemMessageW(dialog, SpinnerList, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        }
        SendDlgItemMessageW(dialog, SpinnerList, LB_SETCURSEL, 0, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && wParam == DoneCommand) {
        EndDialog(dialog, SendDlgItemMessageW(dialog, SpinnerList, LB_GETCURSEL, 0, 0));
    }
    return FALSE;
}

struct KeysCase {
    const char* name;
    std::vector<int> keys;
    INT_PTR result;
    friend void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }
};

template <typename Case>
class AygshellTest : public ScreenTest, public ::testing::WithParamInterface<Case> {};
using DialogKeysTest = AygshellTest<KeysCase>;

// Keys for the dialog are queued before it starts: it runs its own loop until it ends. They go
// to the dialog, not its owner, until it ends.
TEST_P(DialogKeysTest, KeysGiveTheResultAndReachTheOwnerOnlyAfterwards) {
    HWND owner = CreateProbe(L"Owner");
    RunUntilIdle();
    received.clear();
    Press(GetParam().keys);
    EXPECT_EQ(
        DialogBoxIndirectParamW(&Resources, reinterpret_cast<const DLGTEMPLATE*>(Spinner.data()),
                                owner, SpinnerProc, 0),
        GetParam().result);
    EXPECT_TRUE(ReceivedParams(WM_KEYDOWN, owner).empty());
    EXPECT_EQ(windows::Active(), owner) << "the keys went further than the dialog";
    Press({SDLK_RIGHT});
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_KEYDOWN, owner), std::vector<WPARAM>{VK_RIGHT});
}

INSTANTIATE_TEST_SUITE_P(
    Core, DialogKeysTest,
    ::testing::Values(KeysCase{"RightWraps", {SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_F1}, 0},
                      KeysCase{"LeftWraps", {SDLK_LEFT, SDLK_F1}, 2},
                      KeysCase{"BackCancels", {SDLK_RIGHT, SDLK_ESCAPE}, IDCANCEL}),

    [](const auto& info) { return std::string(info.param.name); });

constexpr int LeftLabel = -1;  // clicks on the soft keys' labels
constexpr int RightLabel = -2;

struct SoftKeyCase {
    const char* name;
    std::vector<int> keys;
    std::vector<WPARAM> commands;
    bool popupOpen;
    friend void PrintTo(const SoftKeyCase& c, std::ostream* os) { *os << c.name; }
};

using SoftKeyTest = AygshellTest<SoftKeyCase>;

// The left key gives its command; the right one opens the popup, whose keys choose or close.
TEST_P(SoftKeyTest, KeysAndClicksChooseCommands) {
    HWND main = CreateProbe(L"Main");
    ASSERT_NE(CreateBar(main, MainBar), nullptr);
    RunUntilIdle();
    const raster::Framebuffer frame = screen::Frame();
    const raster::Framebuffer shown = screen::Shown();
    for (int key : GetParam().keys) {
        if (key < 0) {
            ASSERT_TRUE(backend::InjectClick(key == LeftLabel ? 10 : 165, 210));
        } else {
            Press({key});
        }
    }
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_COMMAND, main), GetParam().commands);
    const raster::Rect changed = ChangedBounds(shown, screen::Shown());
    if (!GetParam().popupOpen) {
        EXPECT_TRUE(changed.IsEmpty()) << "the popup is still shown";
        return;
    }
    // Right-aligned, standing on the soft-key bar, over the window's untouched pixels.
    EXPECT_EQ(changed.bottom, screen::SoftKeyBar.top);
    EXPECT_EQ(changed.right, screen::Width);
    EXPECT_EQ(screen::Frame(), frame) << "the popup spoilt the window's own pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Core, SoftKeyTest,
    ::testing::Values(
        SoftKeyCase{"LeftLabelClick", {LeftLabel}, {QuitCommand}, false},
        SoftKeyCase{"RightLabelClick", {RightLabel}, {}, true},
        SoftKeyCase{"DigitThree", {SDLK_F2, SDLK_3}, {ThirdCommand}, false},
        SoftKeyCase{"UpWrapsToTheLast", {SDLK_F2, SDLK_UP, SDLK_KP_ENTER}, {ThirdCommand}, false},
        SoftKeyCase{"BackClosesWithNoCommand", {SDLK_F2, SDLK_ESCAPE}, {}, false},
        SoftKeyCase{"DigitBeyondTheItems", {SDLK_F2, SDLK_9, SDLK_ESCAPE}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace core_test
