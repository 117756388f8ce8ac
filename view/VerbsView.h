#pragma once
// The main view: tiled background outside a test, the test's panels during one.
#include "framework/View.h"

class CVerbsView : public CView {
public:
    CVerbsView();
    ~CVerbsView() override;

    BOOL Create(HWND parentFrame, UINT id, CCreateContext* context) override;

protected:
    LRESULT OnPaint(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()
};
