// The program's resources as the platform reads them: one of each type and id, and the soft-key
// bars the shell makes of them (labels, commands and the Menu's popup).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/aygshell.h"
#include "platform/core/menu_bar.h"
#include "platform/resource_module.h"
#include "platform/windows.h"
#include "resources/resource_ids.h"

namespace {

// Two resources of one type and id would hide one another.
TEST(ResourceTableTest, EachTypeAndIdOnce) {
    std::map<std::pair<WORD, WORD>, int> seen;
    for (std::size_t i = 0; i < ProgramResources.count; ++i) {
        const PlatformResource& resource = ProgramResources.resources[i];
        EXPECT_EQ(++seen[std::pair(resource.type, resource.id)], 1)
            << "type " << resource.type << ", id " << resource.id;
        EXPECT_GT(resource.size, 0u);
    }
}

using Labels = std::vector<std::pair<std::wstring, UINT>>;

struct BarCase {
    const char* name;
    UINT id;
    Labels keys;
    Labels popup;  // the right key's
};

class SoftKeyBarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(SoftKeyBarTest, ShowsItsLabelsAndSendsItsCommands) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"ResourceProbe";
    RegisterClassW(&windowClass);  // fails harmlessly when registered already
    HWND window = CreateWindowExW(0, L"ResourceProbe", L"Probe", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  &ProgramResources, nullptr);
    ASSERT_NE(window, nullptr);
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.nToolBarId = GetParam().id;
    info.hInstRes = &ProgramResources;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    Labels keys;
    Labels popup;
    for (const menu_bar::Button& button : menu_bar::ButtonsOf(window)) {
        keys.emplace_back(button.label, button.command);
        EXPECT_EQ(button.dropDown, !button.popup.empty());
        for (const menu_bar::MenuItem& item : button.popup) {
            popup.emplace_back(item.text, item.command);
        }
    }
    EXPECT_EQ(keys, GetParam().keys);
    EXPECT_EQ(popup, GetParam().popup);
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, SoftKeyBarTest,
    ::testing::Values(BarCase{"Main",
                              IDR_MAIN_MENU,
                              {{L"Exit", IDM_EXIT}, {L"Menu", IDM_MENU}},
                              {{L"New Game", IDM_NEW_GAME},
                               {L"Pass", IDM_PASS},
                               {L"Help", IDM_HELP},
                               {L"About", IDM_ABOUT}}},
                      BarCase{"NewGame",
                              IDR_NEWGAME_MENU,
                              {{L"Done", IDM_NEWGAME_DONE}, {L"Cancel", IDM_NEWGAME_CANCEL}},
                              {}},
                      BarCase{"Done", IDR_DONE_MENU, {{L"Done", IDM_DONE}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
