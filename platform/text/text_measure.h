// What the text layout needs to know of a font: how far each character advances the pen, and
// how tall one line is. Fonts implement it; tests measure with fixed widths instead.
#pragma once

namespace text {

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual int Advance(wchar_t c) const = 0;
    virtual int LineHeight() const = 0;
};

}  // namespace text
