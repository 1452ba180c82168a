// The program's strings, soft-key bars, menus and dialog templates, read back through the
// platform's own calls and parsers.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/aygshell.h"
#include "platform/core/controls.h"
#include "platform/core/dialog_template.h"
#include "platform/core/menu_bar.h"
#include "platform/core/window.h"
#include "platform/resource_module.h"
#include "platform/windows.h"
#include "resources/resource_ids.h"

namespace {

// The bytes of one of the program's resources, found as the program finds them.
std::optional<std::pair<const void*, DWORD>> Load(UINT id, LPCWSTR type) {
    HRSRC found = FindResourceW(&ProgramResources, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) {
        return std::nullopt;
    }
    return std::pair{LockResource(LoadResource(&ProgramResources, found)),
                     SizeofResource(&ProgramResources, found)};
}

// ---------------------------------------------------------------------------------------------
// Strings.

struct StringCase {
    UINT id;
    std::wstring text;
    friend void PrintTo(const StringCase& c, std::ostream* os) { *os << c.id; }
};

class StringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringTest, LoadsItsText) {
    // The shell loads the title into 20 characters; every string fits there whole.
    wchar_t buffer[20];
    const int length = LoadStringW(&ProgramResources, GetParam().id, buffer, 20);
    EXPECT_EQ(std::wstring(buffer, static_cast<std::size_t>(length)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, StringTest,
                         ::testing::Values(StringCase{IDS_APP_TITLE, L"Talvex Go 1.01"},
                                           StringCase{IDS_EXIT, L"Exit"},
                                           StringCase{IDS_MENU, L"Menu"},
                                           StringCase{IDS_DONE, L"Done"},
                                           StringCase{IDS_CANCEL, L"Cancel"}));

// Two resources of one type and id would hide one another.
TEST(ResourceTableTest, EachTypeAndIdOnce) {
    std::map<std::pair<WORD, WORD>, int> seen;
    for (std::size_t i = 0; i < ProgramResources.count; ++i) {
        const PlatformResource& resource = ProgramResources.resources[i];
        const int times = ++seen[std::pair(resource.type, resource.id)];
        EXPECT_EQ(times, 1) << "type " << resource.type << ", id " << resource.id;
        EXPECT_NE(resource.data, nullptr);
        EXPECT_GT(resource.size, 0u);
    }
}

// ---------------------------------------------------------------------------------------------
// Soft-key bars: the record's words, then the bar the shell makes of them.

struct Key {
    UINT command;
    UINT label;
    WORD style;
    WORD popup;  // 0xFFFF: none
    std::wstring labelText;
};

struct BarCase {
    UINT id;
    std::vector<Key> keys;
    friend void PrintTo(const BarCase& c, std::ostream* os) { *os << c.id; }
};

constexpr WORD NoPopup = 0xFFFF;
constexpr WORD AutoSize = TBSTYLE_AUTOSIZE;
constexpr WORD DropDown = TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE;

const std::vector<BarCase> Bars = {
    {IDR_MAIN_MENU,
     {{IDM_EXIT, IDS_EXIT, AutoSize, NoPopup, L"Exit"},
      {IDM_MENU, IDS_MENU, DropDown, 1, L"Menu"}}},
    {IDR_NEWGAME_MENU,
     {{IDM_NEWGAME_DONE, IDS_DONE, AutoSize, NoPopup, L"Done"},
      {IDM_NEWGAME_CANCEL, IDS_CANCEL, AutoSize, NoPopup, L"Cancel"}}},
    {IDR_DONE_MENU, {{IDM_DONE, IDS_DONE, AutoSize, NoPopup, L"Done"}}},
};

class BarRecordTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarRecordTest, HoldsItsButtons) {
    const BarCase& bar = GetParam();
    const auto record = Load(bar.id, RT_RCDATA);
    ASSERT_TRUE(record.has_value());
    const auto* words = static_cast<const WORD*>(record->first);
    ASSERT_EQ(record->second, (2 + 7 * bar.keys.size()) * sizeof(WORD));
    EXPECT_EQ(words[0], bar.id) << "the menu of the same id";
    ASSERT_EQ(words[1], bar.keys.size());
    for (std::size_t i = 0; i < bar.keys.size(); ++i) {
        SCOPED_TRACE("button " + std::to_string(i));
        const WORD* button = words + 2 + 7 * i;
        const Key& key = bar.keys[i];
        EXPECT_EQ(static_cast<short>(button[0]), I_IMAGENONE);
        EXPECT_EQ(button[1], key.command);
        EXPECT_EQ(button[2], TBSTATE_ENABLED);
        EXPECT_EQ(button[3], key.style);
        EXPECT_EQ(button[4], key.label);
        EXPECT_EQ(button[5], 0);
        EXPECT_EQ(button[6], key.popup);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BarRecordTest, ::testing::ValuesIn(Bars));

// A window to hang soft-key bars on, published in the tests' own runtime folder (main.cpp).
class SoftKeyBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = L"ResourceProbe";
        RegisterClassW(&windowClass);  // fails harmlessly when registered already
        window_ = CreateWindowExW(0, L"ResourceProbe", L"Probe", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  &ProgramResources, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }

    std::vector<menu_bar::Button> CreateBar(UINT id) {
        SHMENUBARINFO info{};
        info.cbSize = sizeof info;
        info.hwndParent = window_;
        info.nToolBarId = id;
        info.hInstRes = &ProgramResources;
        EXPECT_TRUE(SHCreateMenuBar(&info));
        return menu_bar::ButtonsOf(window_);
    }

    HWND window_ = nullptr;
};

class ShellBarTest : public SoftKeyBarTest, public ::testing::WithParamInterface<BarCase> {};

TEST_P(ShellBarTest, ShowsItsLabelsAndSendsItsCommands) {
    const std::vector<menu_bar::Button> buttons = CreateBar(GetParam().id);
    ASSERT_EQ(buttons.size(), GetParam().keys.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Key& key = GetParam().keys[i];
        EXPECT_EQ(buttons[i].label, key.labelText);
        EXPECT_EQ(buttons[i].command, key.command);
        EXPECT_EQ(buttons[i].dropDown, key.popup != NoPopup);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ShellBarTest, ::testing::ValuesIn(Bars));

TEST_F(SoftKeyBarTest, MainMenuKeyListsNewGamePassHelpAbout) {
    const std::vector<menu_bar::Button> buttons = CreateBar(IDR_MAIN_MENU);
    ASSERT_EQ(buttons.size(), 2u);
    std::vector<std::pair<std::wstring, UINT>> items;
    for (const menu_bar::MenuItem& item : buttons[1].popup) {
        items.emplace_back(item.text, item.command);
    }
    EXPECT_EQ(items, (std::vector<std::pair<std::wstring, UINT>>{{L"New Game", IDM_NEW_GAME},
                                                                 {L"Pass", IDM_PASS},
                                                                 {L"Help", IDM_HELP},
                                                                 {L"About", IDM_ABOUT}}));
    EXPECT_TRUE(buttons[0].popup.empty());
}

// ---------------------------------------------------------------------------------------------
// Dialog templates.

struct DialogCase {
    UINT id;
    dialog_template::Template expected;
    friend void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.id; }
};

class DialogTest : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogTest, ParsesToItsTemplate) {
    const auto data = Load(GetParam().id, RT_DIALOG);
    ASSERT_TRUE(data.has_value());
    const auto parsed = dialog_template::Parse(data->first, data->second);
    ASSERT_TRUE(parsed.has_value()) << "malformed template";
    const dialog_template::Template& expected = GetParam().expected;
    EXPECT_EQ(parsed->style, expected.style);
    EXPECT_EQ(parsed->x, expected.x);
    EXPECT_EQ(parsed->y, expected.y);
    EXPECT_EQ(parsed->width, expected.width);
    EXPECT_EQ(parsed->height, expected.height);
    EXPECT_EQ(parsed->title, expected.title);
    EXPECT_EQ(parsed->fontPoints, expected.fontPoints);
    EXPECT_EQ(parsed->fontFace, expected.fontFace);
    ASSERT_EQ(parsed->items.size(), expected.items.size());
    controls::RegisterBuiltInClasses();
    for (std::size_t i = 0; i < expected.items.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const dialog_template::Item& item = parsed->items[i];
        const dialog_template::Item& want = expected.items[i];
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.className, want.className);
        EXPECT_NE(windows::FindClass(item.className), nullptr) << "a class the platform lacks";
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(std::vector<int>({item.x, item.y, item.width, item.height}),
                  std::vector<int>({want.x, want.y, want.width, want.height}));
    }
}

constexpr DWORD ChildStatic = 0x50020000;  // WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT

INSTANTIATE_TEST_SUITE_P(
    Table, DialogTest,
    ::testing::Values(DialogCase{IDD_NEW_GAME,
                                 {0x80C800C0,
                                  0,
                                  0,
                                  175,
                                  95,
                                  L"New Game",
                                  8,
                                  L"System",
                                  {{ChildStatic, 0, 0, 59, 8, -1, L"STATIC", L"Choose your side:"},
                                   {0x50010100, 0, 10, 95, 9, IDC_SIDE_LIST, L"LISTBOX", L""},
                                   {0x50000077, 96, 10, 18, 9, IDC_SIDE_SPIN, L"msctls_updown32",
                                    L"Spin1"}}}},
                      DialogCase{IDD_HELP,
                                 {0x80E000C0,
                                  0,
                                  0,
                                  105,
                                  367,
                                  L"Help",
                                  8,
                                  L"System",
                                  {{ChildStatic, 7, 352, 10, 8, -1, L"STATIC", L""}}}},
                      DialogCase{IDD_ABOUT,
                                 {0x80E000C0,
                                  0,
                                  0,
                                  110,
                                  193,
                                  L"About",
                                  8,
                                  L"System",
                                  {{ChildStatic, 7, 178, 10, 8, -1, L"STATIC", L""}}}}));

}  // namespace
