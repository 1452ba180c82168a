// GDI objects' lifetimes through the API on a window's device contexts.
#include "tests/support/core_test_support.h"

namespace core_test {
namespace {

using GdiTest = ScreenTest;

// Stock objects are shared and never deleted; others cannot be deleted while any context holds
// them, nor selected once deleted.
TEST_F(GdiTest, StockObjectsAreSharedAndOthersCannotBeDeletedWhileSelected) {
    HWND window = CreateProbe();
    HDC dc = GetDC(window);
    HGDIOBJ stock = GetStockObject(BLACK_BRUSH);
    EXPECT_FALSE(DeleteObject(stock));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush)) << "deleted while selected";
    EXPECT_EQ(SelectObject(dc, stock), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, brush), nullptr) << "a deleted brush was selected";
    HDC other = GetDC(window);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(other, pen);
    EXPECT_FALSE(DeleteObject(pen));
    ReleaseDC(window, other);
    EXPECT_TRUE(DeleteObject(pen)) << "releasing a context did not let go of its objects";
    EXPECT_FALSE(DeleteObject(pen)) << "deleted twice";
    ReleaseDC(window, dc);
}

}  // namespace
}  // namespace core_test
