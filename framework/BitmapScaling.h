#pragma once
// Bitmaps brought to another size with smooth filtering: each new pixel is
// a weighted mean of the source pixels under it (a tent filter widened to
// the step when the picture shrinks), so enlarged pictures stay smooth and
// reduced ones keep their thin lines instead of dropping them.
//
// A key colour marks transparent pixels (as toolbar strips use magenta):
// they add nothing to their neighbours, and a new pixel that is mostly
// transparent takes the key again, so that no fringe of the key's colour
// appears around the shapes.
#include "framework/Handles.h"
#include <cstdint>
#include <vector>

namespace fw {

constexpr COLORREF kNoKeyColour = CLR_INVALID;

// Pixels in rows from the top, each 0x00RRGGBB as a 32-bit DIB stores it.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The pixels of a bitmap (any format GDI converts), or an empty image.
PixelImage ReadPixels(HBITMAP bitmap);
// A 32-bit top-down DIB section holding the pixels.
UniqueBitmap MakeBitmap(const PixelImage& image);
// The image at the new size; the key colour, when given, is transparent.
PixelImage Resample(const PixelImage& image, int width, int height, COLORREF key = kNoKeyColour);
// A copy of the bitmap at the new size (the same bitmap's pixels when the
// size does not change); null when the bitmap cannot be read.
UniqueBitmap ScaleBitmap(HBITMAP bitmap, int width, int height, COLORREF key = kNoKeyColour);

} // namespace fw
