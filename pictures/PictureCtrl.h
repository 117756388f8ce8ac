#pragma once
// The reward picture of a test: one picture of the current theme library,
// hidden under a grid of 16 x 20 raised tiles of 15 x 15 pixels that are
// uncovered one at a time as correct answers come in.
//
// How a panel uses it:
//   - Keep one CPictureCtrl as a member for the life of the panel; its
//     constructor draws a random first picture of the theme.
//   - At the start of every test call Create(panelHwnd): it loads the next
//     picture of Globals().m_hCurrentTheme fully covered, advances the
//     picture index (wrapping after the sixteenth) and creates the 243 x 303
//     child window at (5, 5) of the panel, id 501. The window rectangle
//     (GetWindowRect) tells where to put what lies below it. The picture
//     after it is then decoded on a thread of its own, ready for the next
//     Create if the theme still has it.
//   - After each correct answer call UncoverCells(n) (or UncoverCell() n
//     times) until UncoveredCount() equals correct answers x 320 / questions,
//     then RedrawNow().
//   - At the end of the test call DestroyWindow(): the grid is covered
//     again and the object is ready for the next Create. A panel that
//     keeps the window between tests hides it and calls CoverAll() instead,
//     and at the next start calls ShowNextPicture(), which does what Create
//     does but for making the window.
// A missing theme, picture or a damaged picture shows the tiles over the
// button-face colour; nothing is reported.
//
// The sizes above are those of a 96-DPI screen: on a larger scale the
// control, its tiles and the picture grow in proportion (the picture
// smoothly resampled). Its window text says how many tiles are uncovered, in
// the interface language, so that a screen reader names the picture by it.
#include "framework/Handles.h"
#include "framework/Wnd.h"
#include "graphfmt/Image.h"
#include "pictures/PictureAhead.h"
#include "session/PictureCells.h"
#include <array>
#include <memory>
#include <string>
#include <vector>

class CPictureCtrl : public CWnd {
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 20;
    static constexpr int kCells = kPictureCells;
    static_assert(kColumns * kRows == kCells, "one tile for every cell a test can earn");
    static constexpr int kCellSize = 15;
    static constexpr int kPictureWidth = kColumns * kCellSize;  // 240
    static constexpr int kPictureHeight = kRows * kCellSize;    // 300
    static constexpr int kPictures = 16;                         // per theme library
    static constexpr UINT kFirstPictureId = 129;                 // resource type "JPG"
    static constexpr UINT kControlId = 501;

    CPictureCtrl();
    ~CPictureCtrl() override;

    BOOL Create(HWND parent);
    BOOL DestroyWindow() override;
    // The next picture, fully covered, in the window made before; repaints
    // it when it is visible.
    void ShowNextPicture();
    // Every cell covered again; does not repaint.
    void CoverAll();
    // "Picture: 12 of 320 tiles uncovered", in the interface language.
    std::wstring AccessibleName() const;
    // The control's rectangle in its parent at the given DPI.
    static RECT WindowRectAt(UINT dpi);

    // Uncovers one covered cell chosen at random; does not repaint.
    void UncoverCell();
    // The same count times over, the window text set once at the end.
    void UncoverCells(int count);
    // Uncovers cell first if it is covered, else the next covered cell after
    // it, else the first covered cell before it; nothing when all are uncovered.
    void UncoverCellFrom(int first);

    // Cells are numbered down each column, then across: column c, row r is
    // cell c x 20 + r.
    static int CellAt(int column, int row) { return column * kRows + row; }
    bool IsCovered(int cell) const { return m_cells[static_cast<size_t>(cell)] == 0; }
    int UncoveredCount() const;
    // The picture that the next Create loads (0-15).
    int PictureIndex() const { return m_nPicture; }
    const CImage& Image() const { return *m_image; }

protected:
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    LRESULT OnEraseBackground(WPARAM wp, LPARAM lp);
    LRESULT OnDpiChanged(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // Loads the next picture of the current theme fully covered and
    // advances the picture index; the one after it is decoded ahead once
    // the window exists.
    void TakeNextPicture();
    void LoadPicture(HMODULE theme, int index);
    // The next test's picture, decoded while this test goes on.
    void DecodeAhead(HMODULE theme, int index);
    static void DrawCoveredTiles(HDC dc, UINT dpi);
    // The uncovered cells where the window is painted, from the picture as
    // shown (null: none, the button face instead).
    void PaintUncoveredCells(HDC dc, HDC picture, UINT dpi) const;
    // The control as it looks with every cell covered, at this size and scale.
    HBITMAP CoveredGrid(HDC dc, const RECT& client, UINT dpi);
    // The rectangle of a cell in the window at that DPI.
    static RECT CellRect(int cell, UINT dpi);
    // The cells are painted again at the next paint, the rest of the window not.
    void InvalidateCells(const std::vector<int>& cells);
    // The picture at the size it is shown at that DPI, made once per picture and size.
    HBITMAP ShownPicture(HDC dc, UINT dpi);
    void ShowUncoveredCount();
    // UncoverCellFrom without the window text or a repaint: the cell
    // uncovered, or -1 when all were.
    int MarkCellFrom(int first);

    std::unique_ptr<CImage> m_image = std::make_unique<CImage>();
    PictureAhead m_ahead;
    fw::UniqueBitmap m_shown; // the picture as shown, on the button face
    UINT m_shownDpi = 0;
    fw::UniqueBitmap m_grid; // every cell covered
    UINT m_gridDpi = 0;
    COLORREF m_gridFace = 0;
    SIZE m_gridSize{};
    std::array<int, kCells> m_cells{}; // 0 covered, 1 uncovered
    int m_nPicture = 0;
};
