// Framebuffers as ASCII art, so that a failing test shows the picture it got and the one it
// wanted: '.' paper, '#' pen, 'o' brush, '?' any other colour.
#pragma once

#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "platform/raster/canvas.h"

namespace raster_test {

inline constexpr raster::Pixel kPaper = raster::MakePixel(255, 255, 255);
inline constexpr raster::Pixel kPen = raster::MakePixel(0, 0, 0);
inline constexpr raster::Pixel kBrush = raster::MakePixel(0, 128, 0);

std::string Art(const raster::Framebuffer& framebuffer);
std::string Art(std::initializer_list<std::string_view> rows);

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)
PixelSet PixelsOf(const raster::Framebuffer& framebuffer, raster::Pixel color);

// Rows of test tables print as their name; a test file brings this in with
// `using raster_test::PrintTo;` next to its table.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace raster_test

namespace raster {

inline void PrintTo(const Rect& rect, std::ostream* os) {
    *os << "{" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << "}";
}

}  // namespace raster
