#include "view/BackgroundTiles.h"
#include "framework/Handles.h"

void TileBackground(HDC dc, HBITMAP bitmap, const RECT& area, HBRUSH fallback)
{
    BITMAP info{};
    bool usable = bitmap && ::GetObjectW(bitmap, sizeof(info), &info) && info.bmWidth > 0 && info.bmHeight > 0;
    fw::UniqueMemoryDc memory(usable ? ::CreateCompatibleDC(dc) : nullptr);
    if (!memory) {
        // Stepping by a size of 0 would never leave the first row.
        ::FillRect(dc, &area, fallback);
        return;
    }
    fw::SelectedObject selected(memory.get(), bitmap);
    for (int y = area.top; y < area.bottom; y += info.bmHeight)
        for (int x = area.left; x < area.right; x += info.bmWidth)
            ::BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}
