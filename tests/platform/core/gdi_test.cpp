// GDI through the API on a window's device context: objects and their selection, the shapes'
// pixel rules, a bitmap copied from a memory context, and DrawTextW.
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "platform/resource_module.h"
#include "tests/platform/core/core_test_support.h"

namespace core_test {
namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

class GdiTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        window_ = CreateProbe();
        RunUntilIdle();
        dc_ = GetDC(window_);
        ASSERT_NE(dc_, nullptr);
        before_ = screen::Frame();
    }
    void TearDown() override {
        ReleaseDC(window_, dc_);
        ScreenTest::TearDown();
    }
    // A red pen (or none) and a blue brush; left selected, as a program leaves them at times.
    void RedOnBlue(int penStyle = PS_SOLID) {
        SelectObject(dc_, CreatePen(penStyle, 1, Red));
        SelectObject(dc_, CreateSolidBrush(Blue));
    }
    raster::Rect Changes() const { return ClientChanges(before_); }

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    raster::Framebuffer before_;
};

TEST_F(GdiTest, StockObjectsAreSharedSelectableAndNeverDeleted) {
    for (int stock :
         {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT}) {
        HGDIOBJ object = GetStockObject(stock);
        ASSERT_NE(object, nullptr) << stock;
        EXPECT_EQ(GetStockObject(stock), object) << stock;
        EXPECT_FALSE(DeleteObject(object)) << stock;
    }
    // A fresh context holds the black pen, the white brush and the system font.
    EXPECT_EQ(SelectObject(dc_, GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(BLACK_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
    Rectangle(dc_, 10, 10, 20, 20);
    EXPECT_EQ(ClientPixel(12, 12), raster::MakePixel(0, 0, 0)) << "the black brush is gone";
}

TEST_F(GdiTest, SelectObjectSwapsPerKindAndASelectedObjectCannotBeDeleted) {
    HPEN pen = CreatePen(PS_SOLID, 1, Red);
    HBRUSH brush = CreateSolidBrush(Blue);
    EXPECT_EQ(SelectObject(dc_, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc_, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(NULL_PEN)), pen);
    EXPECT_FALSE(DeleteObject(brush)) << "deleted while selected";
    EXPECT_EQ(SelectObject(dc_, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen)) << "deleted twice";
    EXPECT_EQ(SelectObject(dc_, pen), nullptr) << "a deleted pen was selected";
    // Releasing a context lets go of what it still holds.
    HDC other = GetDC(window_);
    HBRUSH held = CreateSolidBrush(Red);
    SelectObject(other, held);
    EXPECT_FALSE(DeleteObject(held));
    ReleaseDC(window_, other);
    EXPECT_TRUE(DeleteObject(held));
}

TEST_F(GdiTest, RectangleEdgesAreExclusiveAndANullPenMakesItOnePixelSmaller) {
    RedOnBlue();
    ASSERT_TRUE(Rectangle(dc_, 10, 10, 20, 20));
    EXPECT_EQ(Changes(), (raster::Rect{10, 10, 20, 20}));
    EXPECT_EQ(ClientPixel(19, 19), PixelOf(Red));
    EXPECT_EQ(ClientPixel(14, 14), PixelOf(Blue));

    before_ = screen::Frame();
    RedOnBlue(PS_NULL);
    ASSERT_TRUE(Rectangle(dc_, 50, 50, 60, 60));
    EXPECT_EQ(Changes(), (raster::Rect{50, 50, 59, 59}));
    EXPECT_EQ(ClientPixel(50, 50), PixelOf(Blue));
}

TEST_F(GdiTest, PolylineLeavesOutTheLastPoint) {
    RedOnBlue();
    const POINT points[] = {{10, 50}, {30, 50}, {30, 70}};
    ASSERT_TRUE(Polyline(dc_, points, 3));
    EXPECT_EQ(Changes(), (raster::Rect{10, 50, 31, 70}));
    EXPECT_EQ(ClientPixel(30, 50), PixelOf(Red)) << "the corner belongs to the next segment";
    EXPECT_EQ(ClientPixel(30, 69), PixelOf(Red));
}

TEST_F(GdiTest, EllipseIsOutlinedAndFilledInsideItsBox) {
    RedOnBlue();
    ASSERT_TRUE(Ellipse(dc_, 40, 40, 81, 81));
    EXPECT_EQ(Changes(), (raster::Rect{40, 40, 81, 81}));
    EXPECT_EQ(ClientPixel(60, 60), PixelOf(Blue));
    EXPECT_EQ(ClientPixel(40, 60), PixelOf(Red));
    EXPECT_EQ(ClientPixel(60, 80), PixelOf(Red));
    EXPECT_EQ(ClientPixel(40, 40), PixelOf(ProbeBackground)) << "the box's corner was drawn";
}

TEST_F(GdiTest, DrawingIsClippedToTheClientArea) {
    RedOnBlue();
    Rectangle(dc_, -10, -10, 300, 300);
    EXPECT_EQ(ChangedBounds(before_, screen::Frame()), screen::ClientArea);
}

// A 4 × 2 bitmap file of 24 bits a pixel; rows bottom-up, each pixel blue, green, red.
// clang-format off
constexpr std::uint8_t SmallBmp[] = {
    'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                  // file header, 78 bytes
    40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,    // 4 × 2, 24 bits
    24, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 255, 255, 255, 255, 0, 255, 0, 255,                  // black yellow cyan magenta
    0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255,                  // red green blue white
};
// clang-format on

TEST_F(GdiTest, BitBltCopiesABitmapSelectedIntoAMemoryContext) {
    static const PlatformResource entry{resource_type::Bitmap, 1, SmallBmp, sizeof SmallBmp};
    static const PlatformResourceModule module{&entry, 1};
    HBITMAP bitmap = LoadBitmapW(&module, MAKEINTRESOURCEW(1));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), static_cast<int>(sizeof info));
    EXPECT_EQ(GetObjectW(bitmap, 4, &info), 0) << "wrote past a small buffer";

    HDC memory = CreateCompatibleDC(dc_);
    EXPECT_EQ(SelectObject(dc_, bitmap), nullptr) << "a window context took a bitmap";
    HGDIOBJ original = SelectObject(memory, bitmap);
    EXPECT_NE(original, nullptr);
    ASSERT_TRUE(BitBlt(dc_, 100, 100, 4, 2, memory, 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(dc_, 10, 10, 2, 1, memory, 2, 1, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc_, 0, 0, 4, 2, memory, 0, 0, 0)) << "an unknown raster operation";
    const raster::Pixel top[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    const raster::Pixel bottom[] = {0x000000, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(ClientPixel(100 + x, 100), top[x]) << x;
        EXPECT_EQ(ClientPixel(100 + x, 101), bottom[x]) << x;
    }
    EXPECT_EQ(ClientPixel(10, 10), bottom[2]);
    EXPECT_EQ(ClientPixel(11, 10), bottom[3]);
    EXPECT_EQ(Changes(), (raster::Rect{10, 10, 104, 102}));
    EXPECT_FALSE(DeleteObject(bitmap)) << "deleted while selected";
    SelectObject(memory, original);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteObject(bitmap));
}

// DrawTextW with the context's default font: black on an opaque white line box.
using TextTest = GdiTest;

RECT Measure(HDC dc, const wchar_t* text, int count) {
    RECT rect{0, 0, 1000, 0};
    EXPECT_GT(DrawTextW(dc, text, count, &rect, DT_CALCRECT | DT_SINGLELINE), 0);
    return rect;
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
    RECT rect{5, 7, 5, 7};
    const int height = DrawTextW(dc_, L"Hello", -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_EQ(rect.bottom - rect.top, height);
    EXPECT_EQ(rect.left, 5);
    EXPECT_GT(rect.right, rect.left);
    EXPECT_TRUE(Changes().IsEmpty());
}

TEST_F(TextTest, CountLimitsTheTextAndStopsAtItsEnd) {
    const RECT hello = Measure(dc_, L"Hello", -1);
    EXPECT_EQ(Measure(dc_, L"Hello world", 5).right, hello.right);
    EXPECT_LT(hello.right, Measure(dc_, L"Hello world", -1).right);
    static const wchar_t withTail[] = L"Hello\0 and what lies beyond";
    EXPECT_EQ(Measure(dc_, withTail, static_cast<int>(std::size(withTail))).right, hello.right)
        << "read past the terminating zero";
}

TEST_F(TextTest, CenteredLineHasEqualMargins) {
    FillWith(dc_, {0, 50, screen::Width, 70}, Blue);
    const raster::Framebuffer filled = screen::Frame();
    RECT rect{0, 50, screen::Width, 70};
    DrawTextW(dc_, L"Hi there", -1, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    const raster::Rect line = ChangedBounds(filled, screen::Frame());
    ASSERT_FALSE(line.IsEmpty());
    EXPECT_GT(line.left, 0);
    EXPECT_LE(std::abs(line.left - (screen::Width - line.right)), 1) << line.left;
}

TEST_F(TextTest, TextIsClippedToItsRectangleUnlessNoClip) {
    const wchar_t* wide = L"WWWWWWWWWWWWWWWWWWWW";
    RECT clipped{10, 10, 40, 30};
    DrawTextW(dc_, wide, -1, &clipped, DT_SINGLELINE);
    const raster::Rect drawn = Changes();
    EXPECT_FALSE(drawn.IsEmpty());
    EXPECT_EQ(raster::Intersect(drawn, {10, 10, 40, 30}), drawn);
    before_ = screen::Frame();
    RECT unclipped{10, 100, 40, 120};
    DrawTextW(dc_, wide, -1, &unclipped, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Changes().right, 40);
}

}  // namespace
}  // namespace core_test
