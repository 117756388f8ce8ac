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
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
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
    std::vector<int> uncovered;
    for (int i = 0; i < count; ++i)
        if (int cell = MarkCellFrom(DrawBelow(kCells)); cell >= 0)
            uncovered.push_back(cell);
    // Named once for them all: every new name costs a trip to the system.
    if (!uncovered.empty())
        ShowUncoveredCount();
    InvalidateCells(uncovered);
}

void CPictureCtrl::UncoverCellFrom(int first)
{
    if (int cell = MarkCellFrom(first); cell >= 0) {
        ShowUncoveredCount();
        InvalidateCells({cell});
    }
}

int CPictureCtrl::MarkCellFrom(int first)
{
    if (first < 0 || first >= kCells)
        return -1;
    for (int cell = first; cell < kCells; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return cell;
        }
    for (int cell = 0; cell < first; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return cell;
        }
    return -1;
}

RECT CPictureCtrl::CellRect(int cell, UINT dpi)
{
    const int x = cell / kRows * kCellSize, y = cell % kRows * kCellSize;
    return {fw::Scale(x, dpi), fw::Scale(y, dpi), fw::Scale(x + kCellSize, dpi), fw::Scale(y + kCellSize, dpi)};
}

void CPictureCtrl::InvalidateCells(const std::vector<int>& cells)
{
    if (!m_hWnd || cells.empty())
        return;
    // One region for them all: each invalidation is a trip to the system.
    const UINT dpi = fw::DpiOf(m_hWnd);
    fw::UniqueRegion changed(::CreateRectRgn(0, 0, 0, 0));
    for (int cell : cells) {
        const RECT rc = CellRect(cell, dpi);
        fw::UniqueRegion one(::CreateRectRgnIndirect(&rc));
        if (!changed || !one || ::CombineRgn(changed.get(), changed.get(), one.get(), RGN_OR) == ERROR) {
            Invalidate(FALSE);
            return;
        }
    }
    ::InvalidateRgn(m_hWnd, changed.get(), FALSE);
}

void CPictureCtrl::DrawCoveredTiles(HDC dc, UINT dpi)
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
            light.push_back({at(x + 2), at(y + 1), at(x + 15), at(y + 2)});
            light.push_back({at(x + 1), at(y + 1), at(x + 2), at(y + 15)});
            shadow.push_back({at(x + 14), at(y + 2), at(x + 15), at(y + 14)});
            shadow.push_back({at(x + 2), at(y + 14), at(x + 15), at(y + 15)});
        }
    }
    FillRects(dc, kTileLight, light);
    FillRects(dc, kTileShadow, shadow);
}

HBITMAP CPictureCtrl::CoveredGrid(HDC dc, const RECT& client, UINT dpi)
{
    // The whole control with every cell covered, on the button face: drawn
    // once per size and colour, then each paint copies from it.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    if (m_grid && m_gridDpi == dpi && m_gridFace == face && m_gridSize.cx == client.right &&
        m_gridSize.cy == client.bottom)
        return m_grid.get();
    m_grid.reset();
    fw::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    fw::UniqueBitmap bitmap(memory ? ::CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr);
    if (!bitmap)
        return nullptr;
    {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        ::FillRect(memory.get(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
        DrawCoveredTiles(memory.get(), dpi);
    }
    m_grid = std::move(bitmap);
    m_gridDpi = dpi;
    m_gridFace = face;
    m_gridSize = {client.right, client.bottom};
    return m_grid.get();
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
    const RECT client = GetClientRect();
    const RECT& area = paint.paint().rcPaint;
    HPALETTE palette = m_image->GetPalette();
    fw::SelectedPalette windowPalette(dc, palette);

    // The covered grid first, then only the uncovered cells of the picture
    // that lie where the window is painted.
    HBITMAP grid = CoveredGrid(dc, client, dpi);
    fw::UniqueMemoryDc gridDc(grid ? ::CreateCompatibleDC(dc) : nullptr);
    if (gridDc) {
        fw::SelectedObject selected(gridDc.get(), grid);
        ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, gridDc.get(), area.left,
                 area.top, SRCCOPY);
    } else {
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
        DrawCoveredTiles(dc, dpi);
    }
    HBITMAP shown = ShownPicture(dc, dpi);
    fw::UniqueMemoryDc memory(shown ? ::CreateCompatibleDC(dc) : nullptr);
    if (!memory) {
        PaintUncoveredCells(dc, nullptr, dpi);
        return 0;
    }
    fw::SelectedPalette memoryPalette(memory.get(), palette);
    fw::SelectedObject selected(memory.get(), shown);
    PaintUncoveredCells(dc, memory.get(), dpi);
    return 0;
}

void CPictureCtrl::PaintUncoveredCells(HDC dc, HDC picture, UINT dpi) const
{
    for (int cell = 0; cell < kCells; ++cell) {
        if (IsCovered(cell))
            continue;
        const RECT rc = CellRect(cell, dpi);
        if (!::RectVisible(dc, &rc))
            continue;
        // A picture that is missing leaves the button face in its place.
        if (picture)
            ::BitBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, picture, rc.left, rc.top, SRCCOPY);
        else
            ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    }
}

LRESULT CPictureCtrl::OnEraseBackground(WPARAM, LPARAM)
{
    return TRUE; // the paint covers every pixel
}

LRESULT CPictureCtrl::OnDpiChanged(WPARAM, LPARAM)
{
    // The panel around keeps its own layout; the control takes its size at
    // the new scale and draws the picture again at that size.
    MoveWindow(WindowRectAt(fw::DpiOf(m_hWnd)));
    Invalidate();
    return 0;
}
