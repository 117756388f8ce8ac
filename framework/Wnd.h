#pragma once
// Window base class: owns its HWND and dispatches messages through the
// message map. A window of one of our own classes keeps its object in
// GWLP_USERDATA (set at WM_NCCREATE); a system control is attached by
// putting our procedure in front of its own. No exception crosses the window procedure: the
// application reports it.
#include "framework/CmdTarget.h"
#include <string>

namespace fw {
// Sent to every window of the main frame when the message loop goes idle.
constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;

// Registers (once) a window class that dispatches to CWnd objects and returns
// its name. Equal arguments give the same class.
const wchar_t* RegisterWndClass(UINT style, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);
// The default class for plain child windows (double clicks, arrow cursor, no
// background). Windows that set its background brush change it for all of them.
const wchar_t* DefaultChildClass();
// Whether a message whose handler threw must get no default processing,
// because the default would carry out what the handler was to decide on
// (closing the window, a system command, ending the session). It is then
// answered with 0 (FALSE).
bool RefusedAfterFailure(UINT msg);
} // namespace fw

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object of a window created or attached by this framework, or null.
    static CWnd* FromHandle(HWND hwnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Creates a window of a class registered with fw::RegisterWndClass (or
    // the default child class); the object receives WM_NCCREATE onwards.
    virtual BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                          const RECT& rect, HWND parent, UINT idOrMenu);
    // Creates a system control (edit, static, toolbar ...) and attaches it.
    BOOL CreateControl(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                       const RECT& rect, HWND parent, UINT id);
    // Creates a system control that needs no handler of ours (a label): it
    // is not attached, so its messages skip the framework, and nothing finds
    // this object from the window. The window goes with DestroyWindow or
    // with its parent; nothing tells the object of the latter, so the
    // parent's owner calls DestroyWindow (it only lets the handle go when
    // the window has gone) before the handle can name another window.
    BOOL CreatePlainControl(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                            const RECT& rect, HWND parent, UINT id);
    // Attaches an existing window (usually a dialog control) to this object.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, HWND parent);
    HWND UnsubclassWindow();

    virtual BOOL DestroyWindow();

    // Calls the default procedure with the message now being handled.
    LRESULT Default();

    // Convenience forwarding.
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageW(m_hWnd, msg, wp, lp); }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageW(m_hWnd, msg, wp, lp); }
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    // Sets the text only where it differs: every set is a trip to the
    // system and a repaint of the window.
    void UpdateWindowText(const std::wstring& text);
    std::wstring GetWindowText() const;
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void RedrawNow() { ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    BOOL IsWindowVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
    void MoveWindow(const RECT& rc, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, repaint);
    }
    void SetFocus() { ::SetFocus(m_hWnd); }
    void CenterWindow(HWND alternateOwner = nullptr);

    // Lets a window look at a message before it is dispatched (true: used up).
    virtual BOOL PreTranslateMessage(MSG* msg);

    HWND m_hWnd = nullptr;

    // Counts a handler of this window that runs from outside its window
    // procedure (a frame calls its view's command handlers directly), so
    // that a window destroyed meanwhile is let go only once it has returned.
    class HandlerScope {
    public:
        explicit HandlerScope(CWnd& wnd) : wnd_(wnd) { wnd_.EnterHandler(); }
        ~HandlerScope() { wnd_.LeaveHandler(); }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        CWnd& wnd_;
    };

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    // Dispatches one message; the default asks the message map, then Default().
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // Handles WM_COMMAND and WM_NOTIFY that reach this window.
    virtual bool OnCommand(WPARAM wp, LPARAM lp);
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    // Called for a message the parent reflects back to this control.
    virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Called after the window is gone, once no handler of this object is
    // running any more; self-deleting windows delete this here. Not called
    // when the window dies during CreateEx: its creator still owns the object.
    virtual void PostNcDestroy() {}

    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    bool ReflectToChild(HWND child, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

private:
    friend LRESULT CALLBACK FwWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK FwAttachedProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void EnterHandler();
    void LeaveHandler(); // lets a window go that died while handlers ran
    void Detach();

    bool subclassed_ = false;   // attached: our procedure stands in front of the control's
    WNDPROC previous_ = nullptr; // the control's procedure while attached
    bool ownsControl_ = false;  // a control made by CreateControl: destroyed with the object
    bool plain_ = false;        // made by CreatePlainControl: only its handle is kept
    bool creating_ = false;     // inside CreateEx
    bool destroyed_ = false;    // WM_NCDESTROY seen while a handler was running
    int dispatchDepth_ = 0;
    struct CurrentMessage {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    } current_{};
};
