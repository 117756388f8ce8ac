#pragma once
// The left panel of a test: the theme picture under its cover tiles and the
// progress bar of finished questions under it.
#include "framework/Wnd.h"
#include "pictures/PictureCtrl.h"
#include "view/PanelLayout.h"
#include <string>

class CPicturePanel : public CWnd {
public:
    // Creates the panel at its place in the view, hidden, the picture fully
    // covered and the progress bar at 0 of numWords.
    BOOL Create(HWND view, int numWords);
    // Destroys the picture and the progress bar, then the panel.
    BOOL DestroyWindow() override;
    // The panel kept from the last test, for the next one: hidden, the next
    // picture fully covered and the progress bar at 0 of numWords.
    void Restart(int numWords);
    // Hides the panel between tests, the picture covered again.
    void Hide();

    // Places the panel, the picture and the bar again, for the scale and
    // size the view has now; the uncovered cells and the progress stay.
    void LayOut();
    void SetProgress(int finished);
    int Progress() const;
    // Uncovers count more cells and repaints the picture at once.
    void UncoverCells(int count);
    const CPictureCtrl& Picture() const { return m_picture; }

private:
    // The bar under the picture.
    RECT ProgressRect(const PanelLayout::Metrics& m) const;
    // "Questions done: 3 of 10", in the interface language.
    std::wstring ProgressName(int finished) const;

    CPictureCtrl m_picture;
    CWnd m_progress;
    int m_numWords = 0;
};
