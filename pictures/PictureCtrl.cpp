#include "pictures/PictureCtrl.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Handles.h"
#include "session/RandomDraw.h"
#include "framework/BitmapScaling.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include <cstdlib>
#include <vector>

namespace {

constexpr COLORREF kTileLight = RGB(255, 255, 255);
constexpr COLORREF kTileShadow = RGB(128, 128, 128);
constexpr RECT kWindowRect{5, 5, 248, 308};

// The control's own class: its erased background is the button face, on
// which the covered tiles are drawn.
const wchar_t* PictureClass()
{
    static const wchar_t* name = fw::RegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return name;
}

struct PictureBytes {
    const void* bytes = nullptr;
    DWORD size = 0;
};

// The JPEG of the picture in the theme library's memory; none without a
// theme (a null module would search the program itself) or such a picture.
PictureBytes PictureOf(HMODULE theme, int index)
{
    HRSRC resource = theme ? ::FindResourceW(theme, MAKEINTRESOURCEW(CPictureCtrl::kFirstPictureId + index), L"JPG")
                           : nullptr;
    HGLOBAL loaded = resource ? ::LoadResource(theme, resource) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    return {bytes, bytes ? ::SizeofResource(theme, resource) : 0};
}

void FillRects(HDC dc, COLORREF colour, const std::vector<RECT>& rects)
{
    fw::UniqueBrush brush(::CreateSolidBrush(colour));
    for (const RECT& rc : rects)
        ::FillRect(dc, &rc, brush.get());
}

} // namespace

BEGIN_MESSAGE_MAP(CPictureCtrl, CWnd)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(fw::kDpiChangedAfterParentMessage, OnDpiChanged)
END_MESSAGE_MAP()

CPictureCtrl::CPictureCtrl()
{
    CoverAll();
    // The run's first draw when the program makes its control: runs started
    // seconds apart open on different pictures (the seed mixes the seconds).
    m_nPicture = DrawBelow(kPictures);
}

CPictureCtrl::~CPictureCtrl() = default;

void CPictureCtrl::CoverAll()
{
    m_cells.fill(0);
}

int CPictureCtrl::UncoveredCount() const
{
    int count = 0;
    for (int cell : m_cells)
        count += cell;
    return count;
}

void CPictureCtrl::LoadPicture(HMODULE theme, int index)
{
    const PictureBytes picture = PictureOf(theme, index);
    if (std::unique_ptr<CImage> ready = m_ahead.Take(picture.bytes, picture.size))
        m_image = std::move(ready);
    else // decoded straight from the library's memory: no file is written
        m_image->ReadMemory(picture.bytes, picture.size);
    m_shown.reset();
}

void CPictureCtrl::DecodeAhead(HMODULE theme, int index)
{
    const PictureBytes picture = PictureOf(theme, index);
    m_ahead.Start(picture.bytes, picture.size);
}

RECT CPictureCtrl::WindowRectAt(UINT dpi)
{
    return fw::Scale(kWindowRect, dpi);
}

std::wstring CPictureCtrl::AccessibleName() const
{
    return fw::FormatString2(LoadLangString(IDS_PICTURE_NAME), std::to_wstring(UncoveredCount()),
                             std::to_wstring(kCells));
}

void CPictureCtrl::ShowUncoveredCount()
{
    if (m_hWnd)
        SetWindowText(AccessibleName());
}

void CPictureCtrl::TakeNextPicture()
{
    CoverAll();
    LoadPicture(Globals().m_hCurrentTheme, m_nPicture);
    m_nPicture = (m_nPicture + 1) % kPictures;
}

BOOL CPictureCtrl::Create(HWND parent)
{
    if (m_hWnd)
        DestroyWindow();
    TakeNextPicture();
    if (!CreateEx(0, PictureClass(), AccessibleName().c_str(), WS_CHILD | WS_VISIBLE,
                  WindowRectAt(fw::DpiOf(parent)), parent, kControlId))
        return FALSE;
    DecodeAhead(Globals().m_hCurrentTheme, m_nPicture);
    return TRUE;
}

void CPictureCtrl::ShowNextPicture()
{
    TakeNextPicture();
    if (!m_hWnd)
        return;
    ShowUncoveredCount();
    DecodeAhead(Globals().m_hCurrentTheme, m_nPicture);
    Invalidate();
}

BOOL CPictureCtrl::DestroyWindow()
{
    CoverAll();
    return CWnd::DestroyWindow();
}

void CPictureCtrl::UncoverCell()
{
    UncoverCellFrom(DrawBelow(kCells));
}

void CPictureCtrl::UncoverCells(int count)
{
    bool any = false;
    for (int i = 0; i < count; ++i)
        any = MarkCellFrom(DrawBelow(kCells)) || any;
    // Named once for them all: every new name costs a trip to the system.
    if (any)
        ShowUncoveredCount();
}

void CPictureCtrl::UncoverCellFrom(int first)
{
    if (MarkCellFrom(first))
        ShowUncoveredCount();
}

bool CPictureCtrl::MarkCellFrom(int first)
{
    if (first < 0 || first >= kCells)
        return false;
    for (int cell = first; cell < kCells; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return true;
        }
    for (int cell = 0; cell < first; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return true;
        }
    return false;
}

void CPictureCtrl::DrawCells(HDC window, HDC picture, UINT dpi) const
{
    // A raised tile: light top and left edges, dark right and bottom ones,
    // each a pixel wide on a 96-DPI screen and as wide as the scale makes it
    // elsewhere. Every edge is placed in 96-DPI pixels and scaled, so tiles
    // meet without gaps whatever the scale.
    auto at = [dpi](int length) { return fw::Scale(length, dpi); };
    std::vector<RECT> light, shadow;
    light.reserve(kCells * 2);
    shadow.reserve(kCells * 2);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            int x = column * kCellSize, y = row * kCellSize;
            if (!IsCovered(CellAt(column, row))) {
                if (picture)
                    ::BitBlt(window, at(x), at(y), at(x + kCellSize) - at(x), at(y + kCellSize) - at(y), picture,
                             at(x), at(y), SRCCOPY);
                continue;
            }
            light.push_back({at(x + 2), at(y + 1), at(x + 15), at(y + 2)});
            light.push_back({at(x + 1), at(y + 1), at(x + 2), at(y + 15)});
            shadow.push_back({at(x + 14), at(y + 2), at(x + 15), at(y + 14)});
            shadow.push_back({at(x + 2), at(y + 14), at(x + 15), at(y + 15)});
        }
    }
    FillRects(window, kTileLight, light);
    FillRects(window, kTileShadow, shadow);
}

HBITMAP CPictureCtrl::ShownPicture(HDC dc, UINT dpi)
{
    if (m_shown && m_shownDpi == dpi)
        return m_shown.get();
    m_shown.reset();
    // The picture is drawn whole on the button face at its own size, then
    // brought to the size the scale asks for. A picture that is missing
    // leaves the button face in its place.
    fw::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    fw::UniqueBitmap bitmap(memory ? ::CreateCompatibleBitmap(dc, kPictureWidth, kPictureHeight) : nullptr);
    if (!bitmap)
        return nullptr;
    {
        fw::SelectedPalette memoryPalette(memory.get(), m_image->GetPalette());
        fw::SelectedObject selected(memory.get(), bitmap.get());
        RECT area{0, 0, kPictureWidth, kPictureHeight};
        ::FillRect(memory.get(), &area, ::GetSysColorBrush(COLOR_BTNFACE));
        m_image->Draw(memory.get(), 0, 0, -1, -1, 0, 0);
    }
    const int width = fw::Scale(kPictureWidth, dpi), height = fw::Scale(kPictureHeight, dpi);
    if (width != kPictureWidth || height != kPictureHeight) {
        bitmap = fw::ScaleBitmap(bitmap.get(), width, height);
        if (!bitmap)
            return nullptr;
    }
    m_shown = std::move(bitmap);
    m_shownDpi = dpi;
    return m_shown.get();
}

LRESULT CPictureCtrl::OnPaint(WPARAM, LPARAM)
{
    fw::PaintDc paint(m_hWnd);
    HDC dc = paint.get();
    const UINT dpi = fw::DpiOf(m_hWnd);
    HPALETTE palette = m_image->GetPalette();
    fw::SelectedPalette windowPalette(dc, palette);

    // Only uncovered cells of the picture reach the window.
    HBITMAP shown = ShownPicture(dc, dpi);
    fw::UniqueMemoryDc memory(shown ? ::CreateCompatibleDC(dc) : nullptr);
    if (!memory) {
        DrawCells(dc, nullptr, dpi);
        return 0;
    }
    fw::SelectedPalette memoryPalette(memory.get(), palette);
    fw::SelectedObject selected(memory.get(), shown);
    DrawCells(dc, memory.get(), dpi);
    return 0;
}

LRESULT CPictureCtrl::OnDpiChanged(WPARAM, LPARAM)
{
    // The panel around keeps its own layout; the control takes its size at
    // the new scale and draws the picture again at that size.
    MoveWindow(WindowRectAt(fw::DpiOf(m_hWnd)));
    Invalidate();
    return 0;
}
