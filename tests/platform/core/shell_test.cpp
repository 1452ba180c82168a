// The shell with the fixture's windows: modal dialogs (results, keys kept from the owner, the
// spinner, the Back key, scrolling), the soft keys and their popup, the title bar, a screenshot.
#include <algorithm>
#include <string>

#include "platform/aygshell.h"
#include "platform/resource_module.h"
#include "tests/platform/core/core_test_support.h"
#include "tests/platform/fixture/fixture.h"

namespace core_test {
namespace {

class DialogTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        owner_ = CreateProbe(L"Owner");
        RunUntilIdle();
        received.clear();
        fixture::Log().clear();
    }
    // Keys for the dialog must be queued before it starts: it runs its own loop until it ends.
    INT_PTR Run(WORD dialogId) { return fixture::RunDialog(&fixture::Resources, owner_, dialogId); }
    static int Logged(UINT message) {
        int count = 0;
        for (const fixture::Event& event : fixture::Log()) {
            count += event.message == message;
        }
        return count;
    }

    HWND owner_ = nullptr;
};

struct KeysCase {
    const char* name;
    WORD dialog;
    std::vector<int> keys;
    INT_PTR result;
    int hotkeys;  // WM_HOTKEY messages the dialog saw
    friend void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }
};

class DialogKeysTest : public DialogTest, public ::testing::WithParamInterface<KeysCase> {};

// The keys go to the dialog, not its owner, until it ends: the spinner's Left and Right step
// through Red, Green, Blue with wrap-around and Done (F1) returns the index; Back cancels, or is
// notified to a dialog whose bar overrides it.
TEST_P(DialogKeysTest, KeysGiveTheResultAndReachTheOwnerOnlyAfterwards) {
    Press(GetParam().keys);
    EXPECT_EQ(Run(GetParam().dialog), GetParam().result);
    EXPECT_EQ(Logged(WM_HOTKEY), GetParam().hotkeys);
    EXPECT_TRUE(ReceivedParams(WM_KEYDOWN, owner_).empty());
    EXPECT_EQ(windows::Active(), owner_) << "the keys went further than the dialog";
    Press({SDLK_RIGHT});
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_KEYDOWN, owner_), std::vector<WPARAM>{VK_RIGHT});
}

constexpr WORD Spinner = fixture::SpinnerDialog;
constexpr WORD Scroll = fixture::ScrollDialog;

INSTANTIATE_TEST_SUITE_P(
    Core, DialogKeysTest,
    ::testing::Values(
        KeysCase{"Untouched", Spinner, {SDLK_F1}, 0, 0},
        KeysCase{"RightOnce", Spinner, {SDLK_RIGHT, SDLK_F1}, 1, 0},
        KeysCase{"RightTwice", Spinner, {SDLK_RIGHT, SDLK_RIGHT, SDLK_F1}, 2, 0},
        KeysCase{"RightWraps", Spinner, {SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_F1}, 0, 0},
        KeysCase{"LeftWraps", Spinner, {SDLK_LEFT, SDLK_F1}, 2, 0},
        KeysCase{"LeftTwice", Spinner, {SDLK_LEFT, SDLK_LEFT, SDLK_F1}, 1, 0},
        KeysCase{"UpAndDownLeaveIt", Spinner, {SDLK_RIGHT, SDLK_DOWN, SDLK_UP, SDLK_F1}, 1, 0},
        KeysCase{"BackCancels", Spinner, {SDLK_RIGHT, SDLK_ESCAPE}, IDCANCEL, 0},
        KeysCase{"OverriddenEscapeNotifies", Scroll, {SDLK_ESCAPE}, 3, 1},
        KeysCase{"OverriddenBackspaceNotifies", Scroll, {SDLK_BACKSPACE}, 3, 1},
        KeysCase{
            "DoneEndsTheScrollDialog", Scroll, {SDLK_DOWN, SDLK_RIGHT, SDLK_5, SDLK_F1}, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The scroll bar after each key, read by the dialog's own procedure.
std::vector<SCROLLINFO> scrolls;

BOOL RecordScroll(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_KEYUP) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        EXPECT_TRUE(GetScrollInfo(dialog, SB_VERT, &info));
        scrolls.push_back(info);
    }
    return FALSE;
}

TEST_F(DialogTest, UpAndDownScrollATallDialogWithinItsHeight) {
    constexpr int Keys = 40;
    Press(std::vector<int>(Keys, SDLK_DOWN));
    Press(std::vector<int>(Keys, SDLK_UP));
    Press({SDLK_ESCAPE});
    HRSRC found = FindResourceW(&fixture::Resources, MAKEINTRESOURCEW(Scroll), RT_DIALOG);
    const auto* dialogTemplate =
        static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(&fixture::Resources, found)));
    scrolls.clear();
    EXPECT_EQ(DialogBoxIndirectParamW(&fixture::Resources, dialogTemplate, owner_, RecordScroll, 0),
              IDCANCEL);
    ASSERT_EQ(scrolls.size(), 2u * Keys);
    EXPECT_EQ(scrolls[0].nMin, 0);
    EXPECT_EQ(scrolls[0].nPage, static_cast<UINT>(screen::ClientArea.Height()));
    const int end = scrolls[0].nMax - static_cast<int>(scrolls[0].nPage) + 1;  // the furthest
    const int step = scrolls[0].nPos;
    ASSERT_TRUE(step > 0 && end > step && end < (Keys - 1) * step) << "no room to scroll";
    for (int i = 0; i < 2 * Keys; ++i) {
        EXPECT_EQ(
            scrolls[static_cast<size_t>(i)].nPos,
            i < Keys ? std::min(end, (i + 1) * step) : std::max(0, end - (i + 1 - Keys) * step))
            << i;
    }
}

class ShellTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        main_ = fixture::CreateMainWindow(&fixture::Resources);
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOW);
        UpdateWindow(main_);
        RunUntilIdle();
        fixture::Log().clear();
        before_ = screen::Shown();
    }
    // Where the shown screen differs from how it was before the test acted.
    raster::Rect ShownChanges() const { return ChangedBounds(before_, screen::Shown()); }

    HWND main_ = nullptr;
    raster::Framebuffer before_;
};

// The popup of the right soft key: right-aligned, standing on the soft-key bar.
void ExpectPopupShown(const raster::Rect& changed) {
    EXPECT_EQ(changed.bottom, screen::SoftKeyBar.top);
    EXPECT_EQ(changed.right, screen::Width);
    EXPECT_GT(changed.left, screen::Width / 4);
    EXPECT_GT(changed.top, screen::TitleBar.bottom);
}

constexpr int LeftLabel = -1;  // clicks on the soft keys' labels
constexpr int RightLabel = -2;

struct SoftKeyCase {
    const char* name;
    std::vector<int> keys;
    std::vector<WPARAM> commands;  // the fixture's own, in order
    bool popupOpen;
    friend void PrintTo(const SoftKeyCase& c, std::ostream* os) { *os << c.name; }
};

class SoftKeyTest : public ShellTest, public ::testing::WithParamInterface<SoftKeyCase> {};

// The left key quits; the right one opens the popup, whose keys choose or close.
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
    std::vector<WPARAM> commands;
    for (const fixture::Event& event : fixture::Log()) {
        if (event.message == WM_COMMAND && event.wParam >= fixture::QuitCommand &&
            event.wParam <= fixture::DrawCommand) {
            commands.push_back(event.wParam);
        }
    }
    EXPECT_EQ(commands, GetParam().commands);
    RECT client;
    if (commands == std::vector<WPARAM>{fixture::QuitCommand}) {
        EXPECT_FALSE(GetClientRect(main_, &client));
        MSG message;
        EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0)) << "the program did not quit";
        return;
    }
    EXPECT_TRUE(GetClientRect(main_, &client));
    if (GetParam().popupOpen) {
        ExpectPopupShown(ShownChanges());
        EXPECT_EQ(screen::Frame(), frame) << "the popup spoilt the window's own pixels";
    } else {
        EXPECT_TRUE(ShownChanges().IsEmpty()) << "the popup is still shown";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Core, SoftKeyTest,
    ::testing::Values(
        SoftKeyCase{"F1", {SDLK_F1}, {fixture::QuitCommand}, false},
        SoftKeyCase{"LeftLabelClick", {LeftLabel}, {fixture::QuitCommand}, false},
        SoftKeyCase{"F2", {SDLK_F2}, {}, true},
        SoftKeyCase{"RightLabelClick", {RightLabel}, {}, true},
        SoftKeyCase{"DigitThree", {SDLK_F2, SDLK_3}, {fixture::DrawCommand}, false},
        SoftKeyCase{"DownDownEnter",
                    {SDLK_F2, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN},
                    {fixture::DrawCommand},
                    false},
        SoftKeyCase{
            "UpWrapsToTheLast", {SDLK_F2, SDLK_UP, SDLK_KP_ENTER}, {fixture::DrawCommand}, false},
        // The second item opens the spinner dialog, which the Escape then cancels.
        SoftKeyCase{"DownEnterChoosesTheSecond",
                    {SDLK_F2, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE},
                    {fixture::SpinnerDialogCommand},
                    false},
        SoftKeyCase{"BackClosesWithNoCommand", {SDLK_F2, SDLK_ESCAPE}, {}, false},
        SoftKeyCase{
            "DigitBeyondTheItemsChoosesNothing", {SDLK_F2, SDLK_9, SDLK_ESCAPE}, {}, false}),
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
// soft-key labels, over the window's own drawing; the title follows the active window.
TEST_F(ShellTest, ChromeShowsTheActiveWindowsTitleAndSoftKeysOverTheWindow) {
    const auto [bar, titleMarks] = Marks(before_, screen::TitleBar);
    EXPECT_NE(bar, raster::MakePixel(255, 255, 255));
    EXPECT_GT(titleMarks, 0) << "no title drawn";
    const int top = screen::SoftKeyBar.top;
    EXPECT_EQ(Marks(before_, {0, top, screen::Width / 2, screen::Height}).first, bar);
    EXPECT_GT(Marks(before_, {0, top, screen::Width / 2, screen::Height}).second, 0);
    EXPECT_GT(Marks(before_, {screen::Width / 2, top, screen::Width, screen::Height}).second, 0);
    EXPECT_EQ(before_.At(5, 5 + screen::TitleBarHeight), PixelOf(fixture::Backdrop));
    EXPECT_EQ(before_.At(60, 60 + screen::TitleBarHeight), 0u);
    HWND other = CreateProbe(L"Another window");
    RunUntilIdle();
    EXPECT_FALSE(raster::Intersect(ShownChanges(), screen::TitleBar).IsEmpty());
    DestroyWindow(other);
    RunUntilIdle();
    EXPECT_TRUE(ShownChanges().IsEmpty()) << "the main window's title did not come back";
}

using SoftKeyBarTest = ScreenTest;

// A drop-down key whose popup has no items: nothing to show, nothing to choose.
TEST_F(SoftKeyBarTest, DropDownKeyWithAnEmptyPopupIsHarmless) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = CreateProbe();
    info.nToolBarId = fixture::EmptyPopupBar;
    info.hInstRes = &fixture::Resources;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    RunUntilIdle();
    Press({SDLK_F2, SDLK_DOWN, SDLK_UP, SDLK_RETURN, SDLK_1, SDLK_ESCAPE, SDLK_F1});
    RunUntilIdle();
    EXPECT_EQ(ReceivedParams(WM_COMMAND), std::vector<WPARAM>{fixture::EmptyBarCommand})
        << "the bar stopped working";
}

}  // namespace
}  // namespace core_test
