#pragma once
// Frame window of the single-document window: menu, bars, view, command
// routing (view, frame, application), menu prompts in the status bar and
// command update of menus and bars.
#include "framework/Wnd.h"
#include "framework/CreateContext.h"
#include <string>
#include <vector>

class CView;
class CControlBar;
class CDocument;

// Standard identifiers of the frame's children and framework strings.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;       // 59392
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;    // 59393
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;     // 57344
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;   // 57345
constexpr UINT ID_FILE_NEW = 0xE100;           // 57600
constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 0xF104;

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the frame window with menu and icon of the resource id; the
    // view named by the context is created during WM_CREATE.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style, HWND parent, CCreateContext* context);
    virtual void RecalcLayout();
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);

    CView* GetActiveView() const { return m_pActiveView; }
    // Shows a text in the first pane of the status bar (if there is one).
    void SetMessageText(const std::wstring& text);
    void SetMessageText(UINT stringId);
    // Shows the prompt of a command (text of its string before "\n"), or the
    // idle text for 0.
    void ShowCommandPrompt(UINT id);
    // Asks the command-update handlers for the state of every bar item.
    void UpdateBarsCommandUI();
    // Updates the items of a popup menu (WM_INITMENUPOPUP).
    void UpdateMenuCommandUI(HMENU menu);

    bool OnCmdMsg(UINT id, UINT code) override;
    bool OnUpdateCmdMsg(CCmdUI& ui) override;
    bool HasCommandHandler(UINT id) const override;

    // The command an id of a menu item or bar button stands for: commands
    // are routed, and their handlers found, by it. A program that gives one
    // command several ids maps them to one here; by default an id is its own.
    virtual UINT MapCommandId(UINT id) const { return id; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PostNcDestroy() override; // frames delete themselves

    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnSize(WPARAM wp, LPARAM lp);
    LRESULT OnClose(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    LRESULT OnSetFocus(WPARAM wp, LPARAM lp);
    LRESULT OnInitMenuPopup(WPARAM wp, LPARAM lp);
    LRESULT OnMenuSelect(WPARAM wp, LPARAM lp);
    LRESULT OnExitMenuLoop(WPARAM wp, LPARAM lp);
    LRESULT OnIdleUpdateCmdUI(WPARAM wp, LPARAM lp);
    LRESULT OnSetCursor(WPARAM wp, LPARAM lp);
    LRESULT OnDpiChanged(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // The update of a command along the routing, view first.
    bool RouteUpdate(CCmdUI& ui);

protected:

    CView* m_pActiveView = nullptr;
    CDocument* m_pDocumentToClose = nullptr;
    CCreateContext* m_pContext = nullptr;
    UINT m_nIDResource = 0;
    std::vector<CControlBar*> m_bars;
    HMENU m_hMenu = nullptr;
};
