#pragma once
// The view's background: a bitmap repeated over an area from its top-left
// corner, or the brush alone where there is no bitmap to repeat.
#include <windows.h>

void TileBackground(HDC dc, HBITMAP bitmap, const RECT& area, HBRUSH fallback);
