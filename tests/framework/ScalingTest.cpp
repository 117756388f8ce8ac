// Screen scale: the program declares itself aware of each monitor's scale,
// windows take the scale their frame recorded, and pictures are resampled
// smoothly (no lost lines, no fringe of a transparent key colour).
#include "framework/BitmapScaling.h"
#include "framework/Dpi.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

fw::PixelImage Image(int width, int height, std::vector<std::uint32_t> pixels)
{
    fw::PixelImage image;
    image.width = width;
    image.height = height;
    image.pixels = std::move(pixels);
    return image;
}

std::wstring ManifestSetting(const wchar_t* ns, const wchar_t* name)
{
    wchar_t value[64] = {};
    SIZE_T written = 0;
    if (!::QueryActCtxSettingsW(0, nullptr, ns, name, value, 64, &written))
        return L"<none>";
    return value;
}

} // namespace

TEST(Scaling, TheProgramDeclaresPerMonitorAwarenessInItsManifest)
{
    // The test program carries the program's resources, manifest included,
    // so the loader's reading of it is what the program gets.
    EXPECT_EQ(ManifestSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
    EXPECT_EQ(ManifestSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
              L"PerMonitorV2,PerMonitor");
}

TEST(Scaling, ChildrenTakeTheScaleTheirTopLevelWindowRecorded)
{
    HWND top = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    const UINT screen = fw::DpiOf(child);
    EXPECT_EQ(screen, fw::ScreenDpi());
    fw::SetWindowDpi(top, 192);
    EXPECT_EQ(fw::DpiOf(child), 192u);
    EXPECT_EQ(fw::DpiOf(top), 192u);
    fw::SetWindowDpi(top, 0);
    EXPECT_EQ(fw::DpiOf(child), screen);
    ::DestroyWindow(top);

    // Lengths of the 96-DPI layout, rounded to the nearest pixel.
    for (auto [length, dpi, scaled] : {std::tuple{18, 96u, 18}, {18, 144u, 27}, {18, 192u, 36}, {1, 144u, 2},
                                       {7, 120u, 9}, {259, 144u, 389}, {-3, 192u, -6}})
        EXPECT_EQ(fw::Scale(length, dpi), scaled) << length << " at " << dpi;
}

TEST(Scaling, PicturesAreResampledSmoothlyWithoutLosingLinesOrShowingTheKey)
{
    // The same size gives the same pixels.
    fw::PixelImage odd = Image(3, 1, {0x102030, 0x405060, 0x708090});
    EXPECT_EQ(fw::Resample(odd, 3, 1).pixels, odd.pixels);

    // Twice the size: the outer pixels keep their colour, the ones between
    // blend a quarter and three quarters instead of repeating the source.
    fw::PixelImage edge = Image(2, 1, {0x000000, 0xFFFFFF});
    EXPECT_EQ(fw::Resample(edge, 4, 1).pixels,
              (std::vector<std::uint32_t>{0x000000, 0x404040, 0xBFBFBF, 0xFFFFFF}));

    // Half the size: a line one pixel wide leaves its trace in every row.
    fw::PixelImage line(Image(4, 4, std::vector<std::uint32_t>(16, 0)));
    for (int y = 0; y < 4; ++y)
        line.pixels[static_cast<size_t>(y) * 4 + 1] = 0xFFFFFF;
    fw::PixelImage half = fw::Resample(line, 2, 2);
    EXPECT_NE(half.At(0, 0), 0u);
    EXPECT_NE(half.At(0, 1), 0u);

    // A red shape on the magenta key: every new pixel is the key or red,
    // never a pink blend, at any scale.
    constexpr std::uint32_t kKey = 0xFF00FF, kRed = 0xFF0000;
    fw::PixelImage shape = Image(3, 3, {kKey, kKey, kKey, kKey, kRed, kRed, kKey, kRed, kRed});
    for (int size : {2, 4, 5, 6, 9}) {
        fw::PixelImage scaled = fw::Resample(shape, size, size, RGB(255, 0, 255));
        int red = 0;
        for (std::uint32_t pixel : scaled.pixels) {
            EXPECT_TRUE(pixel == kKey || pixel == kRed) << std::hex << pixel << " at size " << std::dec << size;
            red += pixel == kRed;
        }
        EXPECT_GT(red, 0) << "the shape is gone at size " << size;
        EXPECT_EQ(scaled.At(0, 0), kKey) << size;
    }

    // Through GDI: a bitmap read back, scaled and made again.
    fw::UniqueBitmap bitmap = fw::MakeBitmap(edge);
    fw::UniqueBitmap larger = fw::ScaleBitmap(bitmap.get(), 4, 2);
    fw::PixelImage read = fw::ReadPixels(larger.get());
    ASSERT_EQ(read.width, 4);
    ASSERT_EQ(read.height, 2);
    EXPECT_EQ(read.At(1, 1), 0x404040u);
    EXPECT_FALSE(fw::ScaleBitmap(nullptr, 4, 4));
}
