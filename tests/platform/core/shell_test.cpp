// The shell around the fixture's main window: the soft keys and their popup, the title bar,
// and a screenshot of the whole screen.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/aygshell.h"
#include "platform/resource_format.h"
#include "platform/resource_module.h"
#include "tests/platform/core/core_test_support.h"
#include "tests/platform/fixture/fixture.h"

namespace core_test {
namespace {

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
    // The fixture's own commands the main window received, in order.
    static std::vector<WPARAM> Commands() {
        std::vector<WPARAM> commands;
        for (const fixture::Event& event : fixture::Log()) {
            if (event.message == WM_COMMAND && event.wParam >= fixture::QuitCommand &&
                event.wParam <= fixture::DrawCommand) {
                commands.push_back(event.wParam);
            }
        }
        return commands;
    }
    bool MainAlive() const {
        RECT client;
        return GetClientRect(main_, &client) != FALSE;
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

struct SoftKeyCase {
    const char* name;
    std::function<void()> act;
    bool quits;  // else the popup opens
    friend void PrintTo(const SoftKeyCase& c, std::ostream* os) { *os << c.name; }
};

class SoftKeyTest : public ShellTest, public ::testing::WithParamInterface<SoftKeyCase> {};

TEST_P(SoftKeyTest, LeftQuitsAndRightOpensThePopup) {
    const raster::Framebuffer frame = screen::Frame();
    GetParam().act();
    RunUntilIdle();
    if (GetParam().quits) {
        EXPECT_EQ(Commands(), std::vector<WPARAM>{fixture::QuitCommand});
        EXPECT_FALSE(MainAlive());
        MSG message;
        EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0)) << "the program did not quit";
        return;
    }
    EXPECT_TRUE(Commands().empty());
    ExpectPopupShown(ShownChanges());
    EXPECT_EQ(screen::Frame(), frame) << "the popup spoilt the window's own pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Core, SoftKeyTest,
    ::testing::Values(
        SoftKeyCase{"F1", [] { Press({SDLK_F1}); }, true},
        SoftKeyCase{"LeftLabelClick", [] { ASSERT_TRUE(backend::InjectClick(10, 210)); }, true},
        SoftKeyCase{"F2", [] { Press({SDLK_F2}); }, false},
        SoftKeyCase{"RightLabelClick", [] { ASSERT_TRUE(backend::InjectClick(165, 210)); }, false}),
    [](const auto& info) { return info.param.name; });

struct ChoiceCase {
    const char* name;
    std::vector<int> keys;  // after F2 opened the popup
    std::vector<WPARAM> commands;
    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class PopupTest : public ShellTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(PopupTest, KeysChooseOrCloseAndThePopupGoes) {
    Press({SDLK_F2});
    Press(GetParam().keys);
    RunUntilIdle();
    EXPECT_EQ(Commands(), GetParam().commands);
    EXPECT_TRUE(MainAlive());
    EXPECT_TRUE(ShownChanges().IsEmpty()) << "the popup is still shown";
}

INSTANTIATE_TEST_SUITE_P(
    Core, PopupTest,
    ::testing::Values(
        ChoiceCase{"DigitThree", {SDLK_3}, {fixture::DrawCommand}},
        ChoiceCase{"DownDownEnter", {SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}, {fixture::DrawCommand}},
        ChoiceCase{"UpWrapsToTheLast", {SDLK_UP, SDLK_KP_ENTER}, {fixture::DrawCommand}},
        // The second item opens the spinner dialog, which the Escape then cancels.
        ChoiceCase{"DownEnterChoosesTheSecond",
                   {SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE},
                   {fixture::SpinnerDialogCommand}},
        ChoiceCase{"BackClosesWithNoCommand", {SDLK_ESCAPE}, {}},
        ChoiceCase{"DigitBeyondTheItemsChoosesNothing", {SDLK_9, SDLK_ESCAPE}, {}}),
    [](const auto& info) { return info.param.name; });

// The pixel most of the rectangle has.
raster::Pixel CommonPixel(const raster::Framebuffer& frame, const raster::Rect& area) {
    std::map<raster::Pixel, int> counts;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ++counts[frame.At(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Pixels of the rectangle that are not its common colour: its text.
int Marks(const raster::Framebuffer& frame, const raster::Rect& area) {
    const raster::Pixel common = CommonPixel(frame, area);
    int marks = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            marks += frame.At(x, y) != common;
        }
    }
    return marks;
}

TEST_F(ShellTest, TitleBarShowsTheActiveWindowsTitle) {
    EXPECT_GT(Marks(before_, screen::TitleBar), 0) << "no title drawn";
    HWND other = CreateProbe(L"Another window");
    RunUntilIdle();
    EXPECT_NE(raster::Intersect(ShownChanges(), screen::TitleBar), raster::Rect{});
    DestroyWindow(other);
    RunUntilIdle();
    EXPECT_TRUE(ShownChanges().IsEmpty()) << "the main window's title did not come back";
}

TEST_F(ShellTest, ScreenshotWithThePopupOpen) {
    Press({SDLK_F2});
    RunUntilIdle();
    const raster::Framebuffer shot = screen::Shown();
    const std::string path = std::string(TALVEX_CORE_TEST_OUTPUT) + "/fixture_popup.bmp";
    ASSERT_TRUE(backend::SaveBmp(shot, path));
    EXPECT_TRUE(std::filesystem::file_size(path) >= 54u + 3u * screen::Width * screen::Height);

    // The platform's bars: one colour, not the window's white, with labels on it.
    const raster::Pixel bar = CommonPixel(shot, screen::TitleBar);
    EXPECT_NE(bar, raster::MakePixel(255, 255, 255));
    EXPECT_EQ(CommonPixel(shot, screen::SoftKeyBar), bar);
    EXPECT_GT(Marks(shot, screen::TitleBar), 0);
    EXPECT_GT(Marks(shot, {0, screen::SoftKeyBar.top, screen::Width / 2, screen::Height}), 0);
    EXPECT_GT(
        Marks(shot, {screen::Width / 2, screen::SoftKeyBar.top, screen::Width, screen::Height}), 0);
    // The fixture's drawing, in client coordinates offset by the title bar.
    EXPECT_EQ(shot.At(5, 5 + screen::TitleBarHeight), PixelOf(fixture::Backdrop));
    EXPECT_EQ(shot.At(60, 60 + screen::TitleBarHeight), raster::MakePixel(0, 0, 0));
    ExpectPopupShown(ShownChanges());
}

// A drop-down soft key whose popup has no items: nothing to show, nothing to choose.
namespace empty_bar {
using namespace resource_format;
constexpr auto Label = Freeze<[] { return String(L"Go"); }>();
constexpr auto PopupMenu = Freeze<[] { return Menu({{L"Only", 5000, {}}}); }>();
constexpr auto BarKeys = Freeze<[] {
    return SoftKeyBar(700, {{5001, 1, 0x10, 0xFFFF}, {0, 1, 0x18, 0}});
}>();
template <typename Words>
constexpr PlatformResource Entry(WORD type, WORD id, const Words& words) {
    return {type, id, words.data(), static_cast<DWORD>(words.size() * sizeof(WORD))};
}
constexpr PlatformResource Table[] = {Entry(resource_type::String, 1, Label),
                                      Entry(resource_type::Menu, 700, PopupMenu),
                                      Entry(resource_type::RcData, 700, BarKeys)};
constexpr PlatformResourceModule Module{Table, 3};
}  // namespace empty_bar

using SoftKeyBarTest = ScreenTest;

TEST_F(SoftKeyBarTest, DropDownKeyWithAnEmptyPopupIsHarmless) {
    HWND window = CreateProbe();
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.nToolBarId = 700;
    info.hInstRes = &empty_bar::Module;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    RunUntilIdle();
    Press({SDLK_F2, SDLK_DOWN, SDLK_UP, SDLK_RETURN, SDLK_1, SDLK_ESCAPE, SDLK_F1});
    RunUntilIdle();
    // Only the left key's command came: the bar still works after the empty popup.
    std::vector<WPARAM> commands;
    for (const Received& r : received) {
        if (r.message == WM_COMMAND) {
            commands.push_back(r.wParam);
        }
    }
    EXPECT_EQ(commands, std::vector<WPARAM>{5001});
}

}  // namespace
}  // namespace core_test
