#pragma once
// A decoded picture for GDI drawing. Reads a JPEG (or any other format the
// Windows Imaging Component decodes) from a file or from memory, keeps its
// pixels in a 32-bit DIB section, offers a palette for palette displays and
// draws itself at its own size.
#include "handles/Handles.h"
#include <windows.h>
#include <string>

class CImage {
public:
    CImage() = default;
    virtual ~CImage() = default;
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // Decode the first frame of the picture; false (and an empty image) when
    // the data is no picture the decoders know.
    bool ReadFile(const std::wstring& path);
    bool ReadMemory(const void* data, size_t size);
    void Clear();

    // Loads the imaging component, which is bound at its first call, and
    // keeps it for the rest of the run, so that the first picture does not
    // wait for it. Only the first call does anything.
    static void PrepareDecoding();

    bool IsEmpty() const { return !m_bitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The colour at (x, y), or CLR_INVALID outside the picture.
    COLORREF PixelAt(int x, int y) const;

    // A palette of the picture's own colours, made when the screen is a
    // palette display (null otherwise, and for an empty image).
    virtual HPALETTE GetPalette() const { return m_palette.get(); }
    // Makes that palette now, whatever the display, with at most the given
    // number of colours; false for an empty image.
    bool MakePalette(UINT colours);

    // Copies the part of width x height (-1: up to the picture's edge) that
    // starts at (srcX, srcY) to (x, y) of the device context, unscaled.
    virtual bool Draw(HDC dc, int x, int y, int width = -1, int height = -1, int srcX = 0, int srcY = 0) const;

private:
    // makeDecoder(factory, stream, decoder) opens the decoder, keeping in
    // stream whatever it reads through; both live inside the COM apartment.
    template <typename Source>
    bool Decode(Source makeDecoder);

    win::UniqueBitmap m_bitmap; // top-down 32 bits per pixel, blue-green-red-unused
    const DWORD* m_pixels = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    win::UniquePalette m_palette;
};
