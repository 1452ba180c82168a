// Fonts are opened on one thread and drawn with on others (the painter and the dialogs): what
// threads render at the same time, through shared fonts, is what one thread renders alone.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/font_match.h"
#include "platform/win_gdi.h"
#include "text_test_support.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 12;
constexpr std::array kHeights{17, 18, 19};

text::FontRequest Request(int height) {
    text::FontRequest request;
    request.face = "DejaVu Serif";
    request.height = height;
    return request;
}

raster::Framebuffer Render(const text::Font& font, const std::wstring& chars) {
    raster::Framebuffer image(100, 60, raster::MakePixel(90, 90, 90));
    raster::Rect rect{0, 0, 100, 60};
    text::DrawText(raster::CanvasFor(image), font, chars, &rect, DT_WORDBREAK, {});
    return image;
}

bool SamePixels(const raster::Framebuffer& a, const raster::Framebuffer& b) {
    return text_test::ChangedBounds(a, b).IsEmpty();
}

TEST(FontThreadsTest, ConcurrentOpeningAndDrawingGiveTheSinglyDrawnPixels) {
    const std::wstring chars = L"\u00e6\u00f8\u00e5 \u00df\u00fe \u00f0\u00e7 qjxz QJXZ";
    // References from fonts loaded apart from the shared ones, drawn on this thread alone.
    std::vector<raster::Framebuffer> expected;
    for (int height : kHeights) {
        const auto files = text::MatchFaces(Request(height));
        ASSERT_FALSE(files.empty());
        const auto font = text::Font::Load(files.front(), {height, true});
        ASSERT_NE(font, nullptr);
        expected.push_back(Render(*font, chars));
        ASSERT_GT(text_test::ChangedBounds(
                      raster::Framebuffer(100, 60, raster::MakePixel(90, 90, 90)), expected.back())
                      .Width(),
                  0);
    }

    std::array<int, kThreads> mismatches{};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const size_t size = static_cast<size_t>(round + t) % kHeights.size();
                const auto font = text::OpenFont(Request(kHeights[size]));
                if (font == nullptr || !SamePixels(Render(*font, chars), expected[size])) {
                    ++mismatches[t];
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(mismatches[t], 0) << "thread " << t;
    }
}

}  // namespace
