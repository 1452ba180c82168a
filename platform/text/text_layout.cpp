#include "platform/text/text_layout.h"

#include <algorithm>
#include <limits>

#include "platform/win_gdi.h"

namespace text {

namespace {

int Bounded(long long value) {
    return static_cast<int>(std::clamp(value, -kMaxCoordinate, kMaxCoordinate));
}

int Saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

raster::Rect Bounded(const raster::Rect& rect) {
    return {Bounded(rect.left), Bounded(rect.top), Bounded(rect.right), Bounded(rect.bottom)};
}

struct Line {
    std::wstring chars;
    int width = 0;
};

int WidthOf(std::wstring_view chars, const TextMeasure& measure) {
    long long width = 0;
    for (wchar_t c : chars) {
        width = std::min<long long>(width + measure.Advance(c), kMaxCoordinate);
    }
    return Bounded(width);
}

// The text as paragraphs, each of which starts a new line. A break is "\r\n", "\n" or "\r".
std::vector<std::wstring> SplitParagraphs(std::wstring_view text, bool singleLine) {
    std::vector<std::wstring> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
            if (singleLine) {
                paragraphs.back() += L' ';
            } else if (i + 1 < text.size()) {
                paragraphs.emplace_back();
            }
        } else {
            paragraphs.back() += c == L'\t' ? L' ' : c;
        }
    }
    if (text.empty()) {
        paragraphs.clear();
    }
    return paragraphs;
}

size_t SkipSpaces(std::wstring_view s, size_t i) {
    while (i < s.size() && s[i] == L' ') {
        ++i;
    }
    return i;
}

size_t SkipWord(std::wstring_view s, size_t i) {
    while (i < s.size() && s[i] != L' ') {
        ++i;
    }
    return i;
}

// Greedy wrapping: each line takes words (with the spaces before them) while it fits in
// `maxWidth`; its first word is taken whatever its width. Leading spaces of the paragraph are
// kept as its indentation.
void Wrap(std::wstring_view paragraph, int maxWidth, const TextMeasure& measure,
          std::vector<Line>& lines) {
    size_t start = 0;
    do {
        size_t end = start;
        int width = 0;
        for (;;) {
            const size_t wordStart = SkipSpaces(paragraph, end);
            const size_t wordEnd = SkipWord(paragraph, wordStart);
            if (wordStart == wordEnd) {
                break;  // only spaces remain: they end the paragraph unseen
            }
            const int wider = width + WidthOf(paragraph.substr(end, wordEnd - end), measure);
            if (end > start && wider > maxWidth) {
                break;
            }
            end = wordEnd;
            width = wider;
        }
        lines.push_back({std::wstring(paragraph.substr(start, end - start)), width});
        start = SkipSpaces(paragraph, end);
    } while (start < paragraph.size());
}

std::vector<Line> BreakLines(std::wstring_view text, unsigned format, int maxWidth,
                             const TextMeasure& measure) {
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool wrap = !singleLine && (format & DT_WORDBREAK) != 0;
    std::vector<Line> lines;
    for (std::wstring& paragraph : SplitParagraphs(text, singleLine)) {
        if (wrap) {
            Wrap(paragraph, maxWidth, measure, lines);
        } else {
            const int width = WidthOf(paragraph, measure);
            lines.push_back({std::move(paragraph), width});
        }
    }
    return lines;
}

int LineLeft(const raster::Rect& rect, int width, unsigned format) {
    if (format & DT_CENTER) {
        return rect.left + (rect.Width() - width) / 2;
    }
    if (format & DT_RIGHT) {
        return rect.right - width;
    }
    return rect.left;
}

int FirstLineTop(const raster::Rect& rect, int lineHeight, unsigned format) {
    if (!(format & DT_SINGLELINE)) {
        return rect.top;
    }
    if (format & DT_VCENTER) {
        return rect.top + (rect.Height() - lineHeight) / 2;
    }
    return rect.top;
}

}  // namespace

TextLayout LayOutText(std::wstring_view text, const raster::Rect& unbounded, unsigned format,
                      const TextMeasure& measure) {
    const raster::Rect rect = Bounded(unbounded);
    const int lineHeight = measure.LineHeight();
    std::vector<Line> lines = BreakLines(text, format, rect.Width(), measure);

    TextLayout layout;
    int widest = 0;
    long long top = FirstLineTop(rect, lineHeight, format);
    for (Line& line : lines) {
        const int left = LineLeft(rect, line.width, format);
        layout.lines.push_back(
            {std::move(line.chars),
             {left, Bounded(top), left + line.width, Bounded(top + lineHeight)}});
        widest = std::max(widest, line.width);
        top += lineHeight;
    }
    layout.height = Bounded(static_cast<long long>(lines.size()) * lineHeight);
    // From the caller's own corner, which the bounding above must not move.
    layout.extent = {unbounded.left, unbounded.top,
                     Saturated(static_cast<long long>(unbounded.left) + widest),
                     Saturated(static_cast<long long>(unbounded.top) + layout.height)};
    return layout;
}

}  // namespace text
