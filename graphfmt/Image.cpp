#include "graphfmt/Image.h"
#include "graphfmt/ComPtr.h"
#include <wincodec.h>
#include <cstring>
#include <vector>

namespace {

// Larger pictures are refused rather than allocated (a damaged header may
// claim anything).
constexpr UINT kMaxSide = 8192;
// A palette display keeps 20 static colours of its own.
constexpr UINT kPaletteColours = 236;

gfx::ComPtr<IWICImagingFactory> CreateFactory()
{
    gfx::ComPtr<IWICImagingFactory> factory;
    ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                       reinterpret_cast<void**>(factory.put()));
    return factory;
}

bool IsPaletteDisplay()
{
    win::WindowDc screen(nullptr);
    return screen.get() && (::GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE);
}

} // namespace

void CImage::PrepareDecoding()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    gfx::ComApartment apartment;
    if (!CreateFactory())
        return;
    // The end of the apartment may unload the component again; it stays, as
    // a library linked with the program would.
    HMODULE component = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"windowscodecs.dll", &component);
}

void CImage::Clear()
{
    m_palette.reset();
    m_bitmap.reset();
    m_pixels = nullptr;
    m_nWidth = m_nHeight = 0;
}

bool CImage::ReadFile(const std::wstring& path)
{
    return Decode([&](IWICImagingFactory& factory, gfx::ComPtr<IWICStream>&,
                      gfx::ComPtr<IWICBitmapDecoder>& decoder) {
        return SUCCEEDED(factory.CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                           WICDecodeMetadataCacheOnDemand, decoder.put()));
    });
}

bool CImage::ReadMemory(const void* data, size_t size)
{
    if (!data || size == 0 || size > MAXDWORD) {
        Clear();
        return false;
    }
    return Decode([&](IWICImagingFactory& factory, gfx::ComPtr<IWICStream>& stream,
                      gfx::ComPtr<IWICBitmapDecoder>& decoder) {
        return SUCCEEDED(factory.CreateStream(stream.put())) &&
               SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)),
                                                      static_cast<DWORD>(size))) &&
               SUCCEEDED(factory.CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                         decoder.put()));
    });
}

template <typename Source>
bool CImage::Decode(Source makeDecoder)
{
    Clear();
    gfx::ComApartment apartment;
    gfx::ComPtr<IWICImagingFactory> factory = CreateFactory();
    // Every object of the imaging component goes before the apartment ends;
    // the stream, which the decoder reads through, after the decoder.
    gfx::ComPtr<IWICStream> stream;
    gfx::ComPtr<IWICBitmapDecoder> decoder;
    gfx::ComPtr<IWICBitmapFrameDecode> frame;
    gfx::ComPtr<IWICBitmapSource> converted;
    if (!factory || !makeDecoder(*factory.get(), stream, decoder) || FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.get(), converted.put())))
        return false;
    UINT width = 0, height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMaxSide ||
        height > kMaxSide)
        return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, as the decoder delivers rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return false;
    UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
        return false;

    m_bitmap = std::move(bitmap);
    m_pixels = static_cast<const DWORD*>(bits);
    m_nWidth = static_cast<int>(width);
    m_nHeight = static_cast<int>(height);
    if (IsPaletteDisplay())
        MakePalette(kPaletteColours);
    return true;
}

COLORREF CImage::PixelAt(int x, int y) const
{
    if (IsEmpty() || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD bgr = m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_nWidth) + static_cast<size_t>(x)];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

bool CImage::MakePalette(UINT colours)
{
    if (IsEmpty() || colours == 0 || colours > 256)
        return false;
    gfx::ComApartment apartment;
    gfx::ComPtr<IWICImagingFactory> factory = CreateFactory();
    gfx::ComPtr<IWICBitmap> source;
    gfx::ComPtr<IWICPalette> palette;
    UINT stride = static_cast<UINT>(m_nWidth) * 4;
    ::GdiFlush();
    if (!factory ||
        FAILED(factory->CreateBitmapFromMemory(static_cast<UINT>(m_nWidth), static_cast<UINT>(m_nHeight),
                                               GUID_WICPixelFormat32bppBGR, stride,
                                               stride * static_cast<UINT>(m_nHeight),
                                               reinterpret_cast<BYTE*>(const_cast<DWORD*>(m_pixels)),
                                               source.put())) ||
        FAILED(factory->CreatePalette(palette.put())) ||
        FAILED(palette->InitializeFromBitmap(source.get(), colours, FALSE)))
        return false;

    std::vector<WICColor> wicColours(colours);
    UINT count = 0;
    if (FAILED(palette->GetColors(colours, wicColours.data(), &count)) || count == 0)
        return false;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* logPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(count);
    for (UINT i = 0; i < count; ++i) {
        WICColor c = wicColours[i];
        logPalette->palPalEntry[i] = {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0};
    }
    m_palette.reset(::CreatePalette(logPalette));
    return static_cast<bool>(m_palette);
}

bool CImage::Draw(HDC dc, int x, int y, int width, int height, int srcX, int srcY) const
{
    if (IsEmpty() || !dc)
        return false;
    if (width < 0)
        width = m_nWidth - srcX;
    if (height < 0)
        height = m_nHeight - srcY;
    win::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source.get())
        return false;
    win::SelectedObject picture(source.get(), m_bitmap.get());
    return ::BitBlt(dc, x, y, width, height, source.get(), srcX, srcY, SRCCOPY) != FALSE;
}
