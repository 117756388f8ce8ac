#pragma once
// View: the child window that fills the frame's client area between its bars.
#include "framework/Wnd.h"

class CDocument;
struct CCreateContext;

class CView : public CWnd {
public:
    CView() = default;
    ~CView() override;

    // Creates the view window inside the frame; override to do work first.
    virtual BOOL Create(HWND parentFrame, UINT id, CCreateContext* context);
    virtual void OnInitialUpdate() {}
    CDocument* GetDocument() const { return m_pDocument; }

    bool OnCmdMsg(UINT id, UINT code) override;
    bool OnUpdateCmdMsg(CCmdUI& ui) override;
    bool HasCommandHandler(UINT id) const override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PostNcDestroy() override; // views delete themselves

    CDocument* m_pDocument = nullptr;
};
