// The fixed texts of the Help and About screens.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "view/about_screen.h"
#include "view/help_screen.h"

namespace {

TEST(HelpTextTest, IsOneParagraphOf1001CharactersEndingInASpace) {
    const std::wstring text = HelpText;
    EXPECT_EQ(text.size(), 1001u);
    EXPECT_EQ(text.rfind(L"Talvex Go is a game of GO - an ancient board game from East Asia. ", 0),
              0u);
    EXPECT_EQ(text.back(), L' ');
    EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L" Black plays first. "), std::wstring::npos);
}

TEST(AboutTextTest, IsTenLinesEachEndingInALineBreak) {
    const std::vector<std::wstring> expected = {
        L"Talvex Go",
        L"version 1.01",
        L"visit: www.talvexgo.org",
        L"for more programs",
        L"for MS Smartphone phones",
        L"or to get latest version ",
        L"of this program (upgrade)",
        L"To get support for this ",
        L"program send e-mail ",
        L"at support@talvexgo.org !",
    };
    std::vector<std::wstring> lines;
    const std::wstring text = AboutText;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line break";
    EXPECT_EQ(lines, expected);
}

}  // namespace
