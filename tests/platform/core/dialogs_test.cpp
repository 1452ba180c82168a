// Modal dialogs from templates: results, keys kept from the owner, the spinner, scrolling and
// the Back key with and without the soft-key bar's override.
#include "platform/aygshell.h"
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

TEST_F(DialogTest, EndDialogsValueIsReturnedAndTheOwnerGetsNoKeysMeanwhile) {
    Press({SDLK_DOWN, SDLK_RIGHT, SDLK_5, SDLK_F1});
    EXPECT_EQ(Run(fixture::ScrollDialog), 1);
    EXPECT_GT(Logged(WM_KEYDOWN), 0) << "the keys never reached the dialog";
    EXPECT_EQ(CountReceived(WM_KEYDOWN, owner_), 0);
    EXPECT_EQ(windows::Active(), owner_);
    // Once the dialog is gone, keys reach the owner again.
    Press({SDLK_RIGHT});
    RunUntilIdle();
    EXPECT_EQ(CountReceived(WM_KEYDOWN, owner_), 1);
}

struct SpinCase {
    const char* name;
    std::vector<int> keys;
    INT_PTR selected;
    friend void PrintTo(const SpinCase& c, std::ostream* os) { *os << c.name; }
};

class SpinnerTest : public DialogTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinnerTest, LeftAndRightStepWithWrapAroundAndDoneReturnsTheIndex) {
    Press(GetParam().keys);
    Press({SDLK_F1});
    EXPECT_EQ(Run(fixture::SpinnerDialog), GetParam().selected);
    EXPECT_EQ(CountReceived(WM_KEYDOWN, owner_), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Core, SpinnerTest,
    ::testing::Values(SpinCase{"Untouched", {}, 0}, SpinCase{"RightOnce", {SDLK_RIGHT}, 1},
                      SpinCase{"RightTwice", {SDLK_RIGHT, SDLK_RIGHT}, 2},
                      SpinCase{"RightWrapsToFirst", {SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT}, 0},
                      SpinCase{"LeftWrapsToLast", {SDLK_LEFT}, 2},
                      SpinCase{"LeftTwice", {SDLK_LEFT, SDLK_LEFT}, 1},
                      SpinCase{"UpAndDownLeaveIt", {SDLK_RIGHT, SDLK_DOWN, SDLK_UP}, 1}),
    [](const auto& info) { return info.param.name; });

struct BackCase {
    const char* name;
    WORD dialog;
    int key;
    INT_PTR result;
    int hotkeys;  // WM_HOTKEY messages the dialog saw
    friend void PrintTo(const BackCase& c, std::ostream* os) { *os << c.name; }
};

class BackTest : public DialogTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(BackTest, BackEndsTheDialog) {
    Press({GetParam().key});
    EXPECT_EQ(Run(GetParam().dialog), GetParam().result);
    EXPECT_EQ(Logged(WM_HOTKEY), GetParam().hotkeys);
    EXPECT_EQ(windows::Active(), owner_) << "Back went further than the dialog";
}

INSTANTIATE_TEST_SUITE_P(Core, BackTest,
                         ::testing::Values(BackCase{"OverriddenEscapeNotifies",
                                                    fixture::ScrollDialog, SDLK_ESCAPE, 3, 1},
                                           BackCase{"OverriddenBackspaceNotifies",
                                                    fixture::ScrollDialog, SDLK_BACKSPACE, 3, 1},
                                           BackCase{"DefaultCancels", fixture::SpinnerDialog,
                                                    SDLK_ESCAPE, IDCANCEL, 0}),
                         [](const auto& info) { return info.param.name; });

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
    constexpr int Downs = 40;
    constexpr int Ups = 60;
    Press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_UP});
    Press(std::vector<int>(Downs, SDLK_DOWN));
    Press(std::vector<int>(Ups, SDLK_UP));
    Press({SDLK_ESCAPE});
    HRSRC found =
        FindResourceW(&fixture::Resources, MAKEINTRESOURCEW(fixture::ScrollDialog), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    const auto* dialogTemplate =
        static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(&fixture::Resources, found)));
    scrolls.clear();
    EXPECT_EQ(DialogBoxIndirectParamW(&fixture::Resources, dialogTemplate, owner_, RecordScroll, 0),
              IDCANCEL);
    ASSERT_EQ(scrolls.size(), 4u + Downs + Ups);

    const SCROLLINFO& first = scrolls.front();
    EXPECT_EQ(first.nMin, 0);
    EXPECT_EQ(first.nPage, static_cast<UINT>(screen::ClientArea.Height()));
    const int top = first.nMax - static_cast<int>(first.nPage) + 1;  // the furthest position
    ASSERT_GT(top, 0) << "the template is taller than the screen";
    const int step = first.nPos;
    ASSERT_GT(step, 0);
    EXPECT_EQ(scrolls[1].nPos, 2 * step);
    EXPECT_EQ(scrolls[2].nPos, 3 * step);
    EXPECT_EQ(scrolls[3].nPos, 2 * step);
    ASSERT_LT(top, (Downs + 2) * step) << "too few Downs to reach the end";
    for (int i = 4; i < 4 + Downs; ++i) {
        EXPECT_EQ(scrolls[i].nPos, std::min(top, (i - 1) * step)) << i;
    }
    EXPECT_EQ(scrolls[4 + Downs].nPos, top - step);
    EXPECT_EQ(scrolls.back().nPos, 0);
    for (int i = 4 + Downs; i < 4 + Downs + Ups; ++i) {
        EXPECT_EQ(scrolls[i].nPos, std::max(0, top - (i - 3 - Downs) * step)) << i;
    }
}

}  // namespace
}  // namespace core_test
