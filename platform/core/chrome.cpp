#include "platform/core/chrome.h"

#include "platform/core/menu_bar.h"
#include "platform/core/screen.h"
#include "platform/core/utf8.h"
#include "platform/core/window.h"
#include "platform/text/font.h"
#include "platform/win_gdi.h"

namespace chrome {
namespace {

constexpr raster::Pixel BarColor = raster::MakePixel(0x1F, 0x3A, 0x5F);
constexpr raster::Pixel BarText = raster::MakePixel(255, 255, 255);
constexpr raster::Pixel PopupBorder = raster::MakePixel(0, 0, 0);
constexpr raster::Pixel PopupColor = raster::MakePixel(255, 255, 255);
constexpr raster::Pixel Highlight = raster::MakePixel(0x1F, 0x3A, 0x5F);
constexpr int Margin = 4;

void Label(const raster::Canvas& canvas, const std::wstring& label, raster::Rect box,
           unsigned align, raster::Pixel color) {
    text::TextStyle style;
    style.color = color;
    style.background = std::nullopt;
    text::DrawText(canvas, *text::SystemFont(), label, &box, align | DT_VCENTER | DT_SINGLELINE,
                   style);
}

void DrawTitleBar(const raster::Canvas& canvas, HWND active) {
    raster::FillRect(canvas, screen::TitleBar, BarColor);
    if (const PlatformWindow* window = windows::Find(active)) {
        raster::Rect box = screen::TitleBar;
        box.left += Margin;
        box.right -= Margin;
        Label(canvas, window->title, box, DT_LEFT, BarText);
    }
}

void DrawSoftKeys(const raster::Canvas& canvas, HWND active) {
    raster::FillRect(canvas, screen::SoftKeyBar, BarColor);
    const auto buttons = menu_bar::ButtonsOf(active);
    raster::Rect half = screen::SoftKeyBar;
    half.left += Margin;
    half.right = screen::Width / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Label(canvas, buttons[i].label, half, i == 0 ? DT_LEFT : DT_RIGHT, BarText);
        half = {screen::Width / 2, half.top, screen::Width - Margin, half.bottom};
    }
}

void DrawPopup(const raster::Canvas& canvas) {
    const menu_bar::OpenPopup& popup = menu_bar::Popup();
    if (!popup.open) {
        return;
    }
    raster::DrawRectangle(canvas, menu_bar::PopupBox(), PopupBorder, PopupColor);
    for (std::size_t i = 0; i < popup.items.size(); ++i) {
        const raster::Rect row = menu_bar::PopupRow(i);
        const bool selected = static_cast<int>(i) == popup.selected;
        if (selected) {
            raster::FillRect(canvas, row, Highlight);
        }
        const std::wstring label = std::to_wstring(i + 1) + L" " + popup.items[i].text;
        Label(canvas, label, {row.left + Margin, row.top, row.right - Margin, row.bottom}, DT_LEFT,
              selected ? BarText : PopupBorder);
    }
}

}  // namespace

std::string ProgramTitle() {
    const auto topLevel = windows::TopLevel();
    const PlatformWindow* window = topLevel.empty() ? nullptr : windows::Find(topLevel.front());
    return window ? utf8::FromWide(window->title) : std::string();
}

void Draw(raster::Framebuffer& frame) {
    const raster::Canvas canvas = raster::CanvasFor(frame);
    HWND active = windows::Active();
    DrawTitleBar(canvas, active);
    DrawSoftKeys(canvas, active);
    DrawPopup(canvas);
}

}  // namespace chrome
