// GDI through the API on a window's device context: objects' lifetimes and the shapes' edges.
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
    }
    void TearDown() override {
        ReleaseDC(window_, dc_);
        ScreenTest::TearDown();
    }
    // What one drawing changed, in client coordinates.
    static raster::Rect Drawn(const std::function<void()>& draw) {
        const raster::Framebuffer before = screen::Frame();
        draw();
        return ClientChanges(before);
    }

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Stock objects are shared and never deleted; others cannot be deleted while any context holds
// them, nor selected once deleted.
TEST_F(GdiTest, StockObjectsAreSharedAndOthersCannotBeDeletedWhileSelected) {
    HGDIOBJ stock = GetStockObject(BLACK_BRUSH);
    EXPECT_TRUE(stock != nullptr && GetStockObject(BLACK_BRUSH) == stock);
    EXPECT_FALSE(DeleteObject(stock));
    HPEN pen = CreatePen(PS_SOLID, 1, Red);
    HBRUSH brush = CreateSolidBrush(Blue);
    EXPECT_EQ(SelectObject(dc_, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc_, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush)) << "deleted while selected";
    EXPECT_EQ(SelectObject(dc_, stock), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc_, brush), nullptr) << "a deleted brush was selected";
    HDC other = GetDC(window_);
    SelectObject(dc_, GetStockObject(NULL_PEN));
    SelectObject(other, pen);
    EXPECT_FALSE(DeleteObject(pen));
    ReleaseDC(window_, other);
    EXPECT_TRUE(DeleteObject(pen)) << "releasing a context did not let go of its objects";
    EXPECT_FALSE(DeleteObject(pen)) << "deleted twice";
}

TEST_F(GdiTest, ShapesKeepThePlatformsEdgesAndTheClientArea) {
    SelectObject(dc_, CreatePen(PS_SOLID, 1, Red));
    SelectObject(dc_, CreateSolidBrush(Blue));
    EXPECT_EQ(Drawn([&] { Rectangle(dc_, 10, 10, 20, 20); }), (raster::Rect{10, 10, 20, 20}));
    EXPECT_EQ(ClientPixel(19, 19), PixelOf(Red));
    EXPECT_EQ(ClientPixel(14, 14), PixelOf(Blue));
    const POINT points[] = {{10, 50}, {30, 50}, {30, 70}};
    EXPECT_EQ(Drawn([&] { Polyline(dc_, points, 3); }), (raster::Rect{10, 50, 31, 70}));
    EXPECT_EQ(ClientPixel(30, 50), PixelOf(Red)) << "the corner belongs to the next segment";
    EXPECT_EQ(Drawn([&] { Ellipse(dc_, 40, 40, 81, 81); }), (raster::Rect{40, 40, 81, 81}));
    EXPECT_EQ(ClientPixel(60, 60), PixelOf(Blue));
    EXPECT_EQ(ClientPixel(40, 60), PixelOf(Red));
    EXPECT_EQ(ClientPixel(40, 40), PixelOf(ProbeBackground)) << "the box's corner was drawn";
    SelectObject(dc_, GetStockObject(NULL_PEN));
    EXPECT_EQ(Drawn([&] { Rectangle(dc_, 100, 100, 110, 110); }),
              (raster::Rect{100, 100, 109, 109}));
    const raster::Framebuffer before = screen::Frame();
    Rectangle(dc_, -10, -10, 300, 300);
    EXPECT_EQ(ChangedBounds(before, screen::Frame()), screen::ClientArea);
}

}  // namespace
}  // namespace core_test
