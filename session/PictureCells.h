#pragma once
// The reward of a test: a picture of 320 cells, uncovered in proportion to
// the right answers; a test answered all right uncovers every cell.
constexpr int kPictureCells = 320;
