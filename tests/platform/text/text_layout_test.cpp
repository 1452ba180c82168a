// Line breaks, wrapping and alignment of DrawTextW's layout, measured with fixed widths.
#include <gtest/gtest.h>

#include <ostream>

#include <sstream>
#include <string>
#include <vector>

#include "platform/text/text_layout.h"
#include "platform/win_gdi.h"
#include "text_test_support.h"

namespace {

using text::LayOutText;
using text::TextLayout;
using text_test::FixedMeasure;

constexpr raster::Rect kRect{10, 0, 60, 40};

std::vector<std::wstring> LinesOf(const TextLayout& layout) {
    std::vector<std::wstring> lines;
    for (const auto& line : layout.lines) {
        lines.push_back(line.chars);
    }
    return lines;
}

std::vector<std::wstring> WordsOf(const std::wstring& text) {
    std::wistringstream in(text);
    std::vector<std::wstring> words;
    for (std::wstring word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

class LayoutTest : public ::testing::Test {
  protected:
    TextLayout LayOut(std::wstring_view text, unsigned format, raster::Rect rect = kRect) const {
        return LayOutText(text, rect, format, measure_);
    }
    FixedMeasure measure_;
};

class LineBreakTest : public LayoutTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(LineBreakTest, EachBreakStartsALineBelowThePrevious) {
    const std::wstring sep = GetParam();
    const TextLayout layout = LayOut(L"One" + sep + L"Two" + sep + L"Three", DT_LEFT);
    EXPECT_EQ(LinesOf(layout), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
    ASSERT_EQ(layout.lines.size(), 3u);
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        EXPECT_EQ(layout.lines[i].box.top, static_cast<int>(i) * FixedMeasure::kLine);
        EXPECT_EQ(layout.lines[i].box.Height(), FixedMeasure::kLine);
    }
    EXPECT_EQ(layout.height, 3 * FixedMeasure::kLine);
}

TEST_P(LineBreakTest, SingleLineShowsEachBreakAsOneSpace) {
    const std::wstring sep = GetParam();
    const TextLayout layout = LayOut(L"One" + sep + L"Two", DT_SINGLELINE);
    EXPECT_EQ(LinesOf(layout), (std::vector<std::wstring>{L"One Two"}));
    EXPECT_EQ(layout.lines[0].box.Width(), 6 * FixedMeasure::kChar + FixedMeasure::kSpace);
}

TEST_P(LineBreakTest, BreakAtTheEndAddsNoLineButBlankLinesInsideCount) {
    const std::wstring sep = GetParam();
    EXPECT_EQ(LayOut(L"One" + sep, DT_LEFT).lines.size(), 1u);
    EXPECT_EQ(LinesOf(LayOut(L"One" + sep + sep + L"Two", DT_LEFT)),
              (std::vector<std::wstring>{L"One", L"", L"Two"}));
}

INSTANTIATE_TEST_SUITE_P(Separators, LineBreakTest, ::testing::Values(L"\r\n", L"\n", L"\r"));

TEST_F(LayoutTest, CarriageReturnLineFeedIsOneBreakNotTwo) {
    EXPECT_EQ(LayOut(L"a\r\nb", DT_LEFT).lines.size(), 2u);
    EXPECT_EQ(LayOut(L"a\n\rb", DT_LEFT).lines.size(), 3u);
}

TEST_F(LayoutTest, TabIsOneSpace) {
    const TextLayout layout = LayOut(L"a\tb", DT_SINGLELINE);
    EXPECT_EQ(layout.lines[0].chars, L"a b");
    EXPECT_EQ(layout.lines[0].box.Width(), 2 * FixedMeasure::kChar + FixedMeasure::kSpace);
}

TEST_F(LayoutTest, EmptyTextHasNoLines) {
    const TextLayout layout = LayOut(L"", DT_LEFT);
    EXPECT_TRUE(layout.lines.empty());
    EXPECT_EQ(layout.height, 0);
    EXPECT_EQ(layout.extent, (raster::Rect{kRect.left, kRect.top, kRect.left, kRect.top}));
}

// Words of 4 characters (20 px) with single spaces (3 px): two fit in 43 px, not in 42.
TEST_F(LayoutTest, WrapsAtSpacesWithoutCountingTheSpaceAtTheWrap) {
    const std::wstring text = L"aaaa bbbb cccc dddd eeee";
    const TextLayout fits = LayOut(text, DT_WORDBREAK, {0, 0, 43, 100});
    EXPECT_EQ(LinesOf(fits), (std::vector<std::wstring>{L"aaaa bbbb", L"cccc dddd", L"eeee"}));
    EXPECT_EQ(fits.lines[0].box.Width(), 43);
    const TextLayout tight = LayOut(text, DT_WORDBREAK, {0, 0, 42, 100});
    EXPECT_EQ(tight.lines.size(), 5u);
}

TEST_F(LayoutTest, RunOfSpacesAtAWrapIsDroppedSoRightAlignmentIgnoresIt) {
    const TextLayout layout = LayOut(L"aaaa     bbbb", DT_WORDBREAK | DT_RIGHT, {0, 0, 25, 100});
    EXPECT_EQ(LinesOf(layout), (std::vector<std::wstring>{L"aaaa", L"bbbb"}));
    EXPECT_EQ(layout.lines[0].box.right, 25);
    EXPECT_EQ(layout.lines[1].box.right, 25);
}

TEST_F(LayoutTest, WordWiderThanTheRectangleGetsItsOwnLineAndIsNotSplit) {
    const TextLayout layout = LayOut(L"a WWWWWWWWWW b", DT_WORDBREAK, {0, 0, 30, 100});
    EXPECT_EQ(LinesOf(layout), (std::vector<std::wstring>{L"a", L"WWWWWWWWWW", L"b"}));
    EXPECT_EQ(layout.lines[1].box.Width(), 10 * FixedMeasure::kWide);
    EXPECT_EQ(layout.extent.Width(), 10 * FixedMeasure::kWide);
}

TEST_F(LayoutTest, LeadingSpacesOfAParagraphAreKeptAsIndentation) {
    const TextLayout layout = LayOut(L"  aaaa", DT_WORDBREAK, {0, 0, 100, 100});
    EXPECT_EQ(layout.lines[0].chars, L"  aaaa");
    EXPECT_EQ(layout.lines[0].box.Width(), 2 * FixedMeasure::kSpace + 4 * FixedMeasure::kChar);
}

TEST_F(LayoutTest, WordBreakIsIgnoredOnASingleLine) {
    const TextLayout layout =
        LayOut(L"aaaa bbbb cccc dddd", DT_WORDBREAK | DT_SINGLELINE, {0, 0, 30, 100});
    EXPECT_EQ(layout.lines.size(), 1u);
}

TEST_F(LayoutTest, CalcRectExtentIsTheWidestLineByAllLines) {
    const TextLayout layout = LayOut(L"ab\r\nabcd\r\nabc", DT_CALCRECT, {5, 7, 5, 7});
    EXPECT_EQ(layout.extent,
              (raster::Rect{5, 7, 5 + 4 * FixedMeasure::kChar, 7 + 3 * FixedMeasure::kLine}));
    EXPECT_EQ(layout.height, 3 * FixedMeasure::kLine);
}

TEST_F(LayoutTest, CalcRectWithWordBreakWrapsAtTheGivenWidth) {
    const TextLayout layout =
        LayOut(L"aaaa bbbb cccc dddd eeee", DT_CALCRECT | DT_WORDBREAK, {0, 0, 50, 0});
    EXPECT_EQ(layout.extent, (raster::Rect{0, 0, 43, 3 * FixedMeasure::kLine}));
}

// Wrapping a paragraph at many widths: order and words kept, each line within the width
// unless it is one over-long word, and no line could have taken the next line's first word.
class WrapWidthTest : public LayoutTest, public ::testing::WithParamInterface<int> {};

TEST_P(WrapWidthTest, LinesAreFullButNeverTooWide) {
    const std::wstring text =
        L"The quick brown fox jumps over the lazy dog while WWWWWW waits in the shade";
    const int width = GetParam();
    const TextLayout layout = LayOut(text, DT_WORDBREAK, {0, 0, width, 1000});

    std::vector<std::wstring> words;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const auto& line = layout.lines[i];
        const auto lineWords = WordsOf(line.chars);
        ASSERT_FALSE(lineWords.empty());
        words.insert(words.end(), lineWords.begin(), lineWords.end());
        int measured = 0;
        for (wchar_t c : line.chars) {
            measured += measure_.Advance(c);
        }
        EXPECT_EQ(line.box.Width(), measured) << "line " << i;
        if (lineWords.size() > 1) {
            EXPECT_LE(line.box.Width(), width) << "line " << i;
        }
        if (i + 1 < layout.lines.size()) {
            const std::wstring next = WordsOf(layout.lines[i + 1].chars).front();
            int nextWidth = FixedMeasure::kSpace;
            for (wchar_t c : next) {
                nextWidth += measure_.Advance(c);
            }
            EXPECT_GT(line.box.Width() + nextWidth, width) << "line " << i << " not full";
        }
    }
    EXPECT_EQ(words, WordsOf(text));
}

INSTANTIATE_TEST_SUITE_P(Widths, WrapWidthTest, ::testing::Values(0, 20, 33, 48, 60, 97, 400));

struct AlignCase {
    unsigned format;
    int left;
};

std::ostream& operator<<(std::ostream& out, const AlignCase& c) {
    return out << "format 0x" << std::hex << c.format << std::dec;
}

class HorizontalAlignTest : public LayoutTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(HorizontalAlignTest, EachLineIsPlacedInTheWidth) {
    const TextLayout layout = LayOut(L"abc\r\na", GetParam().format);
    ASSERT_EQ(layout.lines.size(), 2u);
    EXPECT_EQ(layout.lines[0].box.left, GetParam().left);
    const int shortLeft = layout.lines[1].box.left;
    if (GetParam().format & DT_CENTER) {
        EXPECT_EQ(shortLeft, kRect.left + (kRect.Width() - FixedMeasure::kChar) / 2);
    } else if (GetParam().format & DT_RIGHT) {
        EXPECT_EQ(shortLeft, kRect.right - FixedMeasure::kChar);
    } else {
        EXPECT_EQ(shortLeft, kRect.left);
    }
}

// "abc" is 15 px wide in the 50 px from x 10 to 60.
INSTANTIATE_TEST_SUITE_P(Formats, HorizontalAlignTest,
                         ::testing::Values(AlignCase{DT_LEFT, 10}, AlignCase{DT_CENTER, 27},
                                           AlignCase{DT_RIGHT, 45},
                                           AlignCase{DT_CENTER | DT_WORDBREAK, 27}));

struct VerticalCase {
    unsigned format;
    int top;
};

std::ostream& operator<<(std::ostream& out, const VerticalCase& c) {
    return out << "format 0x" << std::hex << c.format << std::dec;
}

class VerticalAlignTest : public LayoutTest, public ::testing::WithParamInterface<VerticalCase> {};

TEST_P(VerticalAlignTest, PlacesTheLineInTheHeightOnlyOnASingleLine) {
    EXPECT_EQ(LayOut(L"abc", GetParam().format).lines[0].box.top, GetParam().top);
}

// The rectangle is 40 px high; a line 10.
INSTANTIATE_TEST_SUITE_P(Formats, VerticalAlignTest,
                         ::testing::Values(VerticalCase{DT_SINGLELINE, 0},
                                           VerticalCase{DT_SINGLELINE | DT_VCENTER, 15},
                                           VerticalCase{DT_SINGLELINE | DT_BOTTOM, 30},
                                           VerticalCase{DT_VCENTER, 0},
                                           VerticalCase{DT_BOTTOM, 0}));

}  // namespace
