// The shell: a modal spinner dialog (its result, keys kept from the owner, Back), the soft keys
// and their popup, the title bar.
#include <string>

#include "platform/aygshell.h"
#include "platform/resource_format.h"
#include "tests/platform/core/core_test_support.h"
#include "tests/platform/fixture/fixture.h"

namespace core_test {
namespace {

using namespace fixture;

constexpr int SpinnerList = 310;
// Three items, so that a misaligned item shows.
constexpr auto Spinner = resource_format::Freeze<[] {
    return resource_format::DialogTemplate(
        {WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
         0,
         0,
         175,
         95,
         L"Spinner",
         8,
         L"System",
         {{WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 59, 8, 0xFFFF, 0x0082, L"", L"Pick one:"},
          {WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0, 10, 95, 9, SpinnerList,
           0x0083, L"", L""},
          {WS_CHILD | WS_VISIBLE | 0x77, 96, 10, 18, 9, 311, 0, L"msctls_updown32", L""}}});
}>();

int hotkeys = 0;  // WM_HOTKEY messages the dialog saw

// Red, Green, Blue in the spinner; Done returns the selected index; lParam asks the bar to
// notify Back rather than cancel.
BOOL SpinnerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SHINITDLGINFO init{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
        SHInitDialog(&init);
        HWND bar = CreateBar(dialog, DialogBar);
        if (lParam != 0) {
            SendMessageW(
                bar, SHCMBM_OVERRIDEKEY, VK_TBACK,
                MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY));
        }
        for (const wchar_t* item : {L"Red", L"Green", L"Blue"}) {
            SendDlgItemMessageW(dialog, SpinnerList, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        }
        SendDlgItemMessageW(dialog, SpinnerList, LB_SETCURSEL, 0, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && wParam == DoneCommand) {
        EndDialog(dialog, SendDlgItemMessageW(dialog, SpinnerList, LB_GETCURSEL, 0, 0));
    } else if (message == WM_HOTKEY && HIWORD(lParam) == VK_TBACK) {
        ++hotkeys;
        EndDialog(dialog, 3);
    }
    return FALSE;
}

struct KeysCase {
    const char* name;
    std::vector<int> keys;
    bool overrideBack;
    INT_PTR result;
    friend void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }
};

class DialogKeysTest : public ScreenTest, public ::testing::WithParamInterface<KeysCase> {};

// Keys for the dialog are queued before it starts: it runs its own loop until it ends. They go
// to the dialog, not its owner, until it ends.
TEST_P(DialogKeysTest, KeysGiveTheResultAndReachTheOwnerOnlyAfterwards) {
    HWND owner = CreateProbe(L"Owner");
    RunUntilIdle();
    received.clear();
    hotkeys = 0;
    Press(GetParam().keys);
    EXPECT_EQ(
        DialogBoxIndirectParamW(&Resources, reinterpret_cast<const DLGTEMPLATE*>(Spinner.data()),
                                owner, SpinnerProc, GetParam().overrideBack),
        GetParam().result);
    EXPECT_EQ(hotkeys, GetParam().overrideBack ? 1 : 0);
    EXPECT_TRUE(ReceivedParams(WM_KEYDOWN, owner).empty());
    EXPECT_EQ(windows::Active(), owner) << "the keys went further than the dialog";
    Press({SDLK_RIGHT});
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_KEYDOWN, owner), std::vector<WPARAM>{VK_RIGHT});
}

INSTANTIATE_TEST_SUITE_P(
    Core, DialogKeysTest,
    ::testing::Values(
        KeysCase{"RightTwice", {SDLK_RIGHT, SDLK_RIGHT, SDLK_F1}, false, 2},
        KeysCase{"RightWraps", {SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_F1}, false, 0},
        KeysCase{"LeftWraps", {SDLK_LEFT, SDLK_F1}, false, 2},
        KeysCase{"UpAndDownLeaveIt", {SDLK_RIGHT, SDLK_DOWN, SDLK_UP, SDLK_F1}, false, 1},
        KeysCase{"BackCancels", {SDLK_RIGHT, SDLK_ESCAPE}, false, IDCANCEL},
        KeysCase{"OverriddenBackNotifies", {SDLK_ESCAPE}, true, 3}),
    [](const auto& info) { return std::string(info.param.name); });

class ShellTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        main_ = CreateProbe(L"Main");
        ASSERT_NE(CreateBar(main_, MainBar), nullptr);
        RunUntilIdle();
        received.clear();
        before_ = screen::Shown();
    }
    // Where the shown screen differs from how it was before the test acted.
    raster::Rect ShownChanges() const { return ChangedBounds(before_, screen::Shown()); }

    HWND main_ = nullptr;
    raster::Framebuffer before_;
};

constexpr int LeftLabel = -1;  // clicks on the soft keys' labels
constexpr int RightLabel = -2;

struct SoftKeyCase {
    const char* name;
    std::vector<int> keys;
    std::vector<WPARAM> commands;
    bool popupOpen;
    friend void PrintTo(const SoftKeyCase& c, std::ostream* os) { *os << c.name; }
};

class SoftKeyTest : public ShellTest, public ::testing::WithParamInterface<SoftKeyCase> {};

// The left key gives its command; the right one opens the popup, whose keys choose or close.
TEST_P(SoftKeyTest, KeysAndClicksChooseCommands) {
    const raster::Framebuffer frame = screen::Frame();
    for (int key : GetParam().keys) {
        if (key < 0) {
            ASSERT_TRUE(backend::InjectClick(key == LeftLabel ? 10 : 165, 210));
        } else {
            Press({key});
        }
    }
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_COMMAND, main_), GetParam().commands);
    if (!GetParam().popupOpen) {
        EXPECT_TRUE(ShownChanges().IsEmpty()) << "the popup is still shown";
        return;
    }
    // Right-aligned, standing on the soft-key bar, over the window's untouched pixels.
    const raster::Rect changed = ShownChanges();
    EXPECT_EQ(changed.bottom, screen::SoftKeyBar.top);
    EXPECT_EQ(changed.right, screen::Width);
    EXPECT_GT(changed.left, screen::Width / 4);
    EXPECT_GT(changed.top, screen::TitleBar.bottom);
    EXPECT_EQ(screen::Frame(), frame) << "the popup spoilt the window's own pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Core, SoftKeyTest,
    ::testing::Values(
        SoftKeyCase{"F1", {SDLK_F1}, {QuitCommand}, false},
        SoftKeyCase{"LeftLabelClick", {LeftLabel}, {QuitCommand}, false},
        SoftKeyCase{"F2", {SDLK_F2}, {}, true},
        SoftKeyCase{"RightLabelClick", {RightLabel}, {}, true},
        SoftKeyCase{"DigitThree", {SDLK_F2, SDLK_3}, {ThirdCommand}, false},
        SoftKeyCase{"DownEnter", {SDLK_F2, SDLK_DOWN, SDLK_RETURN}, {SecondCommand}, false},
        SoftKeyCase{"UpWrapsToTheLast", {SDLK_F2, SDLK_UP, SDLK_KP_ENTER}, {ThirdCommand}, false},
        SoftKeyCase{"BackClosesWithNoCommand", {SDLK_F2, SDLK_ESCAPE}, {}, false},
        SoftKeyCase{"DigitBeyondTheItems", {SDLK_F2, SDLK_9, SDLK_ESCAPE}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The area's corner colour and how many of its pixels (its text) differ from it.
std::pair<raster::Pixel, int> Marks(const raster::Framebuffer& frame, const raster::Rect& area) {
    const raster::Pixel corner = frame.At(area.left, area.top);
    int marks = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            marks += frame.At(x, y) != corner;
        }
    }
    return {corner, marks};
}

// The platform's bars, of one colour but not the window's white, with the title and both
// soft-key labels, around the window's client area; the title follows the active window.
TEST_F(ShellTest, ChromeShowsTheActiveWindowsTitleAndSoftKeysOverTheWindow) {
    const auto [bar, titleMarks] = Marks(before_, screen::TitleBar);
    EXPECT_NE(bar, raster::MakePixel(255, 255, 255));
    EXPECT_GT(titleMarks, 0) << "no title drawn";
    const int top = screen::SoftKeyBar.top;
    EXPECT_EQ(Marks(before_, {0, top, screen::Width / 2, screen::Height}).first, bar);
    EXPECT_GT(Marks(before_, {0, top, screen::Width / 2, screen::Height}).second, 0);
    EXPECT_GT(Marks(before_, {screen::Width / 2, top, screen::Width, screen::Height}).second, 0);
    EXPECT_EQ(ClientPixel(5, 5), PixelOf(ProbeBackground));
    HWND other = CreateProbe(L"Another window");
    RunUntilIdle();
    EXPECT_FALSE(raster::Intersect(ShownChanges(), screen::TitleBar).IsEmpty());
    DestroyWindow(other);
    RunUntilIdle();
    EXPECT_TRUE(ShownChanges().IsEmpty()) << "the main window's title did not come back";
}

// A drop-down key whose popup has no items: nothing to show, nothing to choose.
TEST_F(ScreenTest, DropDownKeyWithAnEmptyPopupIsHarmless) {
    HWND owner = CreateProbe();
    ASSERT_NE(CreateBar(owner, EmptyPopupBar), nullptr);
    RunUntilIdle();
    Press({SDLK_F2, SDLK_DOWN, SDLK_UP, SDLK_RETURN, SDLK_1, SDLK_ESCAPE, SDLK_F1});
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_COMMAND), std::vector<WPARAM>{OnlyCommand})
        << "the bar stopped working";
}

}  // namespace
}  // namespace core_test
