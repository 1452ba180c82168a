// Frames: what was presented is what LastFrame() and a saved BMP give back; the window shows
// with the first.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "backend_test_support.h"
#include "platform/backend/sdl_backend.h"

namespace backend {
namespace {

// A frame in which every pixel differs from its neighbours in each colour channel.
raster::Framebuffer Pattern(int width, int height) {
    raster::Framebuffer frame(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.Set(x, y, raster::MakePixel(x * 7 + y, y * 5 + x * 3, (x ^ y) * 11));
        }
    }
    return frame;
}

// Where the frames differ, as text; empty when they are equal.
std::string Difference(const raster::Framebuffer& expected, const raster::Framebuffer& actual) {
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
        return "size " + std::to_string(actual.Width()) + "x" + std::to_string(actual.Height());
    }
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (expected.At(x, y) != actual.At(x, y)) {
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return "";
}

// A BMP file as SDL reads it, in the frame's pixel layout; empty when SDL cannot read it.
raster::Framebuffer LoadWithSdl(const std::string& path) {
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (loaded == nullptr) {
        return {};
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(loaded);
    if (converted == nullptr) {
        return {};
    }
    raster::Framebuffer frame(converted->w, converted->h);
    for (int y = 0; y < converted->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(converted->pixels) + y * converted->pitch);
        for (int x = 0; x < converted->w; ++x) {
            frame.Set(x, y, row[x] & 0x00FFFFFF);
        }
    }
    SDL_FreeSurface(converted);
    return frame;
}

using PresentTest = BackendTest;

TEST_F(PresentTest, LastFrameIsBlackUntilAFrameIsPresented) {
    EXPECT_EQ(
        Difference(raster::Framebuffer(kScreenWidth, kScreenHeight, 0), backend_->LastFrame()), "");
}

TEST_F(PresentTest, LastFrameIsThePresentedFrame) {
    const raster::Framebuffer first = Pattern(kScreenWidth, kScreenHeight);
    backend_->Present(first);
    EXPECT_EQ(Difference(first, backend_->LastFrame()), "");

    raster::Framebuffer second = first;
    second.Set(100, 200, raster::MakePixel(1, 2, 3));
    backend_->Present(second);
    EXPECT_EQ(Difference(second, backend_->LastFrame()), "");
}

TEST_F(PresentTest, AFrameThatIsNotTheScreensSizeIsNotShown) {
    const raster::Framebuffer shown = Pattern(kScreenWidth, kScreenHeight);
    backend_->Present(shown);
    backend_->Present(raster::Framebuffer(kScreenWidth / 2, kScreenHeight, 0xFFFFFF));
    backend_->Present(raster::Framebuffer());
    EXPECT_EQ(Difference(shown, backend_->LastFrame()), "");
}

bool WindowHidden() {
    SDL_Window* window = SDL_GetWindowFromID(SdlBackend::Current()->WindowId());
    return window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN) != 0;
}

// A process that ends before its first frame (a second start) shows no window at all.
TEST_F(PresentTest, TheWindowIsHiddenUntilTheFirstFrame) {
    EXPECT_TRUE(WindowHidden());
    backend_->Present(raster::Framebuffer(kScreenWidth / 2, kScreenHeight, 0xFFFFFF));
    EXPECT_TRUE(WindowHidden()) << "shown without a frame to show";
    backend_->Present(Pattern(kScreenWidth, kScreenHeight));
    EXPECT_FALSE(WindowHidden());
}

TEST_F(PresentTest, ARaiseShowsTheWindowBeforeAnyFrame) {
    backend_->Raise();
    EXPECT_FALSE(WindowHidden());
}

TEST_F(PresentTest, RepaintsOnTheWindowsBehalfGiveNoInput) {
    backend_->Present(Pattern(kScreenWidth, kScreenHeight));
    ASSERT_TRUE(ResizeDesktopWindow(700, 900));
    EXPECT_EQ(Next(60), std::nullopt);
}

class SaveBmpTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const {
        return ::testing::TempDir() + "backend_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
    }
};

TEST_F(SaveBmpTest, SdlReadsBackTheSamePixels) {
    const raster::Framebuffer frame = Pattern(kScreenWidth, kScreenHeight);
    const std::string path = Path("screen.bmp");
    ASSERT_TRUE(SaveBmp(frame, path));
    EXPECT_EQ(Difference(frame, LoadWithSdl(path)), "");
    std::remove(path.c_str());
}

TEST_F(SaveBmpTest, OddWidthsKeepTheirRows) {
    // BMP rows are padded to four bytes; a width of 3 pixels of 24 bits needs it.
    const raster::Framebuffer frame = Pattern(3, 5);
    const std::string path = Path("odd.bmp");
    ASSERT_TRUE(SaveBmp(frame, path));
    EXPECT_EQ(Difference(frame, LoadWithSdl(path)), "");
    std::remove(path.c_str());
}

TEST_F(SaveBmpTest, FailsWhereNoFileCanBeWritten) {
    EXPECT_FALSE(SaveBmp(Pattern(4, 4), Path("no-such-folder/screen.bmp")));
}

TEST_F(SaveBmpTest, FailsForAnEmptyFrame) {
    const std::string path = Path("empty.bmp");
    EXPECT_FALSE(SaveBmp(raster::Framebuffer(), path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace backend
