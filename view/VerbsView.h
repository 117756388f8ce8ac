#pragma once
// The main view: tiled background outside a test, the test's panels during one.
#include "framework/Handles.h"
#include "framework/View.h"

class CVerbsView : public CView {
public:
    CVerbsView();
    ~CVerbsView() override;

    BOOL Create(HWND parentFrame, UINT id, CCreateContext* context) override;

    bool IsRunning() const { return m_bRunning != FALSE; }

protected:
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    LRESULT OnEraseBackground(WPARAM wp, LPARAM lp);

    void OnAppExit();
    void OnTestStop();
    void OnVerbsList();
    void OnFont();
    void OnUpdateWhenIdle(CCmdUI& ui);
    void OnUpdateWhenRunning(CCmdUI& ui);

    DECLARE_MESSAGE_MAP()

private:
    void PaintBackground(HDC dc);

    BOOL m_bRunning = FALSE;
    fw::UniqueBitmap m_bmpBackground;
};

// Makes the main view, for the document template.
CView* NewVerbsView();

// Set until the view paints for the first time in the run; that paint puts
// up the English interface when it is chosen.
extern bool g_firstPaint;
