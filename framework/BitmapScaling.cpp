#include "framework/BitmapScaling.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

using Sample = std::array<float, 4>; // coverage, then red, green, blue premultiplied by it

struct Tap {
    int first = 0;
    std::vector<float> weights;
};

// For every new position along one axis, the source pixels it takes and how much of each.
std::vector<Tap> Taps(int from, int to)
{
    std::vector<Tap> taps(static_cast<size_t>(to));
    const double step = static_cast<double>(from) / to;
    const double support = std::max(1.0, step);
    for (int i = 0; i < to; ++i) {
        double centre = (i + 0.5) * step;
        int first = std::max(0, static_cast<int>(std::floor(centre - support)));
        int last = std::min(from - 1, static_cast<int>(std::ceil(centre + support)));
        Tap& tap = taps[static_cast<size_t>(i)];
        tap.first = first;
        double total = 0;
        for (int j = first; j <= last; ++j) {
            double w = std::max(0.0, 1.0 - std::fabs((j + 0.5 - centre) / support));
            tap.weights.push_back(static_cast<float>(w));
            total += w;
        }
        if (total <= 0) { // cannot happen with a support of a pixel or more; kept safe
            tap.first = std::min(from - 1, static_cast<int>(centre));
            tap.weights.assign(1, 1.0f);
            continue;
        }
        for (float& w : tap.weights)
            w = static_cast<float>(w / total);
    }
    return taps;
}

std::uint32_t DibColour(COLORREF colour)
{
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

Sample ToSample(std::uint32_t pixel, bool keyed, std::uint32_t key)
{
    if (keyed && (pixel & 0xFFFFFF) == key)
        return {0, 0, 0, 0};
    return {1.0f, static_cast<float>((pixel >> 16) & 0xFF), static_cast<float>((pixel >> 8) & 0xFF),
            static_cast<float>(pixel & 0xFF)};
}

std::uint32_t ToPixel(const Sample& s, bool keyed, std::uint32_t key)
{
    if (keyed && s[0] < 0.5f)
        return key;
    auto channel = [&](int i) {
        float value = s[0] > 0 ? s[static_cast<size_t>(i)] / s[0] : 0.0f;
        return static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::lround(value)), 0, 255));
    };
    return (channel(1) << 16) | (channel(2) << 8) | channel(3);
}

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

namespace fw {

PixelImage ReadPixels(HBITMAP bitmap)
{
    PixelImage image;
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0)
        return image;
    int width = info.bmWidth, height = std::abs(info.bmHeight);
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO format = TopDown32(width, height);
    WindowDc screen(nullptr);
    if (::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS) !=
        height)
        return image;
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    image.width = width;
    image.height = height;
    image.pixels = std::move(pixels);
    return image;
}

UniqueBitmap MakeBitmap(const PixelImage& image)
{
    if (image.width <= 0 || image.height <= 0)
        return UniqueBitmap();
    BITMAPINFO format = TopDown32(image.width, image.height);
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits)
        std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

PixelImage Resample(const PixelImage& image, int width, int height, COLORREF key)
{
    PixelImage result;
    if (image.width <= 0 || image.height <= 0 || width <= 0 || height <= 0)
        return result;
    const bool keyed = key != kNoKeyColour;
    const std::uint32_t keyPixel = keyed ? DibColour(key) : 0;

    // Across first, at the source's height, then down.
    const std::vector<Tap> across = Taps(image.width, width);
    std::vector<Sample> rows(static_cast<size_t>(width) * image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < width; ++x) {
            const Tap& tap = across[static_cast<size_t>(x)];
            Sample sum{};
            for (size_t k = 0; k < tap.weights.size(); ++k) {
                Sample s = ToSample(image.At(tap.first + static_cast<int>(k), y), keyed, keyPixel);
                for (size_t c = 0; c < 4; ++c)
                    sum[c] += tap.weights[k] * s[c];
            }
            rows[static_cast<size_t>(y) * width + x] = sum;
        }

    const std::vector<Tap> down = Taps(image.height, height);
    result.width = width;
    result.height = height;
    result.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const Tap& tap = down[static_cast<size_t>(y)];
        for (int x = 0; x < width; ++x) {
            Sample sum{};
            for (size_t k = 0; k < tap.weights.size(); ++k) {
                const Sample& s = rows[static_cast<size_t>(tap.first + static_cast<int>(k)) * width + x];
                for (size_t c = 0; c < 4; ++c)
                    sum[c] += tap.weights[k] * s[c];
            }
            result.pixels[static_cast<size_t>(y) * width + x] = ToPixel(sum, keyed, keyPixel);
        }
    }
    return result;
}

UniqueBitmap ScaleBitmap(HBITMAP bitmap, int width, int height, COLORREF key)
{
    PixelImage source = ReadPixels(bitmap);
    if (source.pixels.empty())
        return UniqueBitmap();
    if (source.width == width && source.height == height)
        return MakeBitmap(source);
    return MakeBitmap(Resample(source, width, height, key));
}

} // namespace fw
