// Where DrawTextW puts each line of a text: line breaks, word wrapping and alignment, without
// any drawing, so that it can be checked with any measure.
//
// - "\r\n", "\n" and "\r" each end a line; a break at the very end of the text adds no empty
//   line. With DT_SINGLELINE every break is shown as one space instead.
// - A tab is shown as one space.
// - DT_WORDBREAK (ignored with DT_SINGLELINE) wraps at spaces so that no line is wider than the
//   rectangle; the spaces at a wrap are neither drawn nor counted. A word wider than the
//   rectangle is not split: it gets a line of its own and overflows (drawing clips it).
//   Spaces that end a paragraph are dropped too.
// - DT_CENTER and DT_RIGHT place each line in the rectangle's width; DT_VCENTER centres the
//   line in the rectangle's height, with DT_SINGLELINE only.
// - Coordinates are kept within ±2^27 pixels (a rectangle beyond is cut to that), so that
//   no position or extent overflows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/rect.h"
#include "platform/text/text_measure.h"

namespace text {

// The platform's drawing space: positions and extents stay within ±kMaxCoordinate pixels.
constexpr long long kMaxCoordinate = 1 << 27;

struct LaidOutLine {
    std::wstring chars;  // what is drawn, tabs and breaks already turned into spaces
    raster::Rect box;    // the line's text box: its width × the line height
};

struct TextLayout {
    std::vector<LaidOutLine> lines;
    // DT_CALCRECT's answer: from the rectangle's top-left, the widest line × all the lines.
    raster::Rect extent;
    int height = 0;  // lines × line height
};

TextLayout LayOutText(std::wstring_view text, const raster::Rect& rect, unsigned format,
                      const TextMeasure& measure);

}  // namespace text
