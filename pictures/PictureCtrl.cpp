#include "pictures/PictureCtrl.h"
#include "base/VerbsGlobals.h"
#include "framework/Handles.h"
#include "session/RandomDraw.h"
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

// Draws polylines of three points each in a solid pen one pixel wide.
void DrawPolylines(HDC dc, COLORREF colour, const std::vector<POINT>& points)
{
    if (points.empty())
        return;
    std::vector<DWORD> counts(points.size() / 3, 3);
    fw::UniquePen pen(::CreatePen(PS_SOLID, 1, colour));
    fw::SelectedObject selected(dc, pen.get());
    ::PolyPolyline(dc, points.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

} // namespace

BEGIN_MESSAGE_MAP(CPictureCtrl, CWnd)
    ON_MESSAGE(WM_PAINT, OnPaint)
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
    // Without a theme there is nothing to look up: a null module would
    // search the program itself.
    HRSRC resource = theme ? ::FindResourceW(theme, MAKEINTRESOURCEW(kFirstPictureId + index), L"JPG") : nullptr;
    HGLOBAL loaded = resource ? ::LoadResource(theme, resource) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    DWORD size = bytes ? ::SizeofResource(theme, resource) : 0;
    // Decoded straight from the library's memory: no file is written.
    m_image.ReadMemory(bytes, size);
}

BOOL CPictureCtrl::Create(HWND parent)
{
    if (m_hWnd)
        DestroyWindow();
    CoverAll();
    LoadPicture(Globals().m_hCurrentTheme, m_nPicture);
    m_nPicture = (m_nPicture + 1) % kPictures;
    return CreateEx(0, PictureClass(), nullptr, WS_CHILD | WS_VISIBLE, kWindowRect, parent, kControlId);
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

void CPictureCtrl::UncoverCellFrom(int first)
{
    if (first < 0 || first >= kCells)
        return;
    for (int cell = first; cell < kCells; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return;
        }
    for (int cell = 0; cell < first; ++cell)
        if (IsCovered(cell)) {
            m_cells[static_cast<size_t>(cell)] = 1;
            return;
        }
}

void CPictureCtrl::DrawCells(HDC window, HDC picture) const
{
    // A raised tile: light top and left edges, dark right and bottom ones.
    // All edges of one colour go in one call; as with LineTo, the last point
    // of each line is not drawn.
    std::vector<POINT> light, shadow;
    light.reserve(kCells * 3);
    shadow.reserve(kCells * 3);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            int x = column * kCellSize, y = row * kCellSize;
            if (!IsCovered(CellAt(column, row))) {
                if (picture)
                    ::BitBlt(window, x, y, kCellSize, kCellSize, picture, x, y, SRCCOPY);
                continue;
            }
            light.insert(light.end(), {{x + 14, y + 1}, {x + 1, y + 1}, {x + 1, y + 15}});
            shadow.insert(shadow.end(), {{x + 14, y + 2}, {x + 14, y + 14}, {x + 1, y + 14}});
        }
    }
    DrawPolylines(window, kTileLight, light);
    DrawPolylines(window, kTileShadow, shadow);
}

LRESULT CPictureCtrl::OnPaint(WPARAM, LPARAM)
{
    fw::PaintDc paint(m_hWnd);
    HDC dc = paint.get();
    HPALETTE palette = m_image.GetPalette();
    fw::SelectedPalette windowPalette(dc, palette);

    // The picture is drawn whole into memory; only uncovered cells reach the
    // window. A picture that is missing leaves the button face in its place.
    fw::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    fw::UniqueBitmap bitmap(memory ? ::CreateCompatibleBitmap(dc, kPictureWidth, kPictureHeight) : nullptr);
    if (!bitmap) {
        DrawCells(dc, nullptr);
        return 0;
    }
    fw::SelectedPalette memoryPalette(memory.get(), palette);
    fw::SelectedObject selected(memory.get(), bitmap.get());
    RECT area{0, 0, kPictureWidth, kPictureHeight};
    ::FillRect(memory.get(), &area, ::GetSysColorBrush(COLOR_BTNFACE));
    m_image.Draw(memory.get(), 0, 0, -1, -1, 0, 0);
    DrawCells(dc, memory.get());
    return 0;
}
