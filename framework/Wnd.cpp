#include "framework/Wnd.h"
#include "framework/Text.h"
#include "framework/ExceptionReport.h"
#include "framework/AttachmentTable.h"
#include <map>
#include <tuple>

LRESULT CALLBACK FwWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK FwAttachedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK FwListedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR);

namespace {
// Object being created by CreateEx, for the messages that arrive before
// WM_NCCREATE carries lpCreateParams (WM_GETMINMAXINFO on top-level windows).
thread_local CWnd* tCreating = nullptr;

fw::AttachmentTable& Attachments()
{
    static fw::AttachmentTable table(FwAttachedProc, FwListedProc);
    return table;
}
} // namespace

namespace fw {

const wchar_t* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Key, std::wstring> names;
    Key key{style, cursor, background, icon};
    auto it = names.find(key);
    if (it != names.end())
        return it->second.c_str();

    std::wstring name = L"FwWnd:" + std::to_wstring(names.size());
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = style;
    wc.lpfnWndProc = FwWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name.c_str();
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return names.emplace(key, std::move(name)).first->second.c_str();
}

bool RefusedAfterFailure(UINT msg)
{
    switch (msg) {
    case WM_NCCREATE:        // FALSE: the window is not made
    case WM_CLOSE:           // the default would destroy the window
    case WM_SYSCOMMAND:      // closing, sizing, the task list ...
    case WM_QUERYENDSESSION: // FALSE: the session may not end yet
        return true;
    default:
        return false;
    }
}

const wchar_t* DefaultChildClass()
{
    static const wchar_t* name = RegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    return name;
}

} // namespace fw

CWnd::~CWnd()
{
    struct ForgetAtExit {
        const CWnd* wnd;
        ~ForgetAtExit()
        {
            if (wnd)
                Attachments().ForgetObject(wnd);
        }
    } forget{subclassed_ ? this : nullptr};
    if (plain_) {
        // Not ours to detach: its user data is the control's own.
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        return;
    }
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND hwnd = m_hWnd;
        bool destroy = !subclassed_ || ownsControl_;
        Detach();
        if (destroy)
            ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == FwWindowProc)
        return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    fw::Attachment attached{};
    return Attachments().Find(hwnd, attached) ? attached.wnd : nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&)
{
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    const RECT& rect, HWND parent, UINT idOrMenu)
{
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className ? className : fw::DefaultChildClass();
    cs.lpszName = title;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu));
    cs.hInstance = ::GetModuleHandleW(nullptr);
    cs.lpCreateParams = this;
    if (!PreCreateWindow(cs))
        return FALSE;

    CWnd* outer = tCreating;
    tCreating = this;
    creating_ = true;
    HWND hwnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, this);
    creating_ = false;
    tCreating = outer;
    return hwnd != nullptr;
}

BOOL CWnd::CreateControl(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                         const RECT& rect, HWND parent, UINT id)
{
    HWND hwnd = ::CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return FALSE;
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    ownsControl_ = true;
    return TRUE;
}

BOOL CWnd::CreatePlainControl(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                              const RECT& rect, HWND parent, UINT id)
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        return FALSE;
    m_hWnd = ::CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    plain_ = m_hWnd != nullptr;
    return plain_;
}

// The window's user data stays its owner's (a window of our own class keeps
// its object there).
BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || m_hWnd || !::IsWindow(hwnd))
        return FALSE;
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId())
        return FALSE;
    if (!Attachments().Attach(hwnd, this, previous_))
        return FALSE;
    m_hWnd = hwnd;
    subclassed_ = true;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    Detach();
    return hwnd;
}

void CWnd::Detach()
{
    if (m_hWnd && subclassed_)
        Attachments().Detach(m_hWnd, this);
    else if (m_hWnd)
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    subclassed_ = false;
    ownsControl_ = false;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    if (plain_) {
        // No message tells a plain control's object that its window went.
        const HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        plain_ = false;
        return ::DestroyWindow(hwnd);
    }
    return ::DestroyWindow(m_hWnd);
}

std::wstring CWnd::GetWindowText() const
{
    return fw::WindowText(m_hWnd);
}

void CWnd::UpdateWindowText(const std::wstring& text)
{
    if (GetWindowText() != text)
        SetWindowText(text);
}

RECT CWnd::GetClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

void CWnd::CenterWindow(HWND alternateOwner)
{
    HWND owner = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner)
        owner = GetParent();
    RECT area{};
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        // A hidden owner is about to be shown maximised: centre on its screen.
        MONITORINFO mi{sizeof(mi)};
        ::GetMonitorInfoW(::MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
        area = mi.rcWork;
    }
    RECT rc = GetWindowRect();
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    int x = area.left + (area.right - area.left - w) / 2;
    int y = area.top + (area.bottom - area.top - h) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (subclassed_)
        return ::CallWindowProcW(previous_, m_hWnd, msg, wp, lp);
    return ::DefWindowProcW(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(current_.msg, current_.wp, current_.lp);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    if (OnWndMsg(msg, wp, lp, result))
        return result;
    return DefWindowProc(msg, wp, lp);
}

bool CWnd::ReflectToChild(HWND child, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    CWnd* control = FromHandle(child);
    return control && control != this && control->OnChildNotify(msg, wp, lp, result);
}

bool CWnd::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    const fw::MessageMapEntry* entry = FindEntry([&](const fw::MessageMapEntry& e) {
        return e.kind == fw::MapKind::Reflected && e.message == msg;
    });
    if (!entry)
        return false;
    result = (this->*entry->onMessage)(wp, lp);
    return true;
}

bool CWnd::OnCommand(WPARAM wp, LPARAM lp)
{
    UINT id = LOWORD(wp);
    UINT code = HIWORD(wp);
    LRESULT ignored = 0;
    if (lp && ReflectToChild(reinterpret_cast<HWND>(lp), WM_COMMAND, wp, lp, ignored))
        return true;
    // Code 1 means an accelerator only from a menu; from a control it is a
    // notification (LBN_SELCHANGE and the like) and never a command.
    if (lp && code == 1)
        return DispatchControlToSelf(id, code);
    return OnCmdMsg(id, code);
}

bool CWnd::OnNotify(NMHDR& header, LRESULT& result)
{
    if (ReflectToChild(header.hwndFrom, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header), result))
        return true;
    const fw::MessageMapEntry* entry = FindEntry([&](const fw::MessageMapEntry& e) {
        return e.kind == fw::MapKind::Notify && e.message == header.code && e.first == header.idFrom;
    });
    if (!entry)
        return false;
    result = (this->*entry->onNotify)(header);
    return true;
}

bool CWnd::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    switch (msg) {
    case WM_COMMAND:
        if (OnCommand(wp, lp)) {
            result = 0;
            return true;
        }
        break;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lp), result))
            return true;
        break;
    case WM_DRAWITEM:
        // From an owner-drawn control (id 0 is a menu): the control draws itself.
        if (wp != 0 && ReflectToChild(reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem, msg, wp, lp, result))
            return true;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (ReflectToChild(reinterpret_cast<HWND>(lp), msg, wp, lp, result))
            return true;
        break;
    default:
        break;
    }
    const fw::MessageMapEntry* entry = FindEntry([&](const fw::MessageMapEntry& e) {
        return e.kind == fw::MapKind::Message && e.message == msg;
    });
    if (!entry)
        return false;
    result = (this->*entry->onMessage)(wp, lp);
    return true;
}

void CWnd::EnterHandler()
{
    ++dispatchDepth_;
}

void CWnd::LeaveHandler()
{
    --dispatchDepth_;
    // A window destroyed from inside one of its own handlers is let go only
    // when the outermost handler has returned: nothing touches it after that.
    if (destroyed_ && dispatchDepth_ == 0) {
        destroyed_ = false;
        PostNcDestroy();
    }
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    CurrentMessage saved = current_;
    current_ = {msg, wp, lp};
    EnterHandler();
    LRESULT result = 0;
    std::exception_ptr error;
    try {
        result = WindowProc(msg, wp, lp);
    } catch (...) {
        error = std::current_exception();
    }
    if (error) {
        // Nothing may unwind through user32. The default processing comes
        // first (it validates a paint that threw, which would otherwise come
        // back under the report); a creation that threw fails, and what the
        // handler may have refused (closing, a system command, the end of
        // the session) does not happen.
        if (msg == WM_CREATE)
            result = -1;
        else if (fw::RefusedAfterFailure(msg))
            result = 0;
        else
            result = DefWindowProc(msg, wp, lp);
        fw::ReportException(error);
    }
    current_ = saved;
    if (msg == WM_NCDESTROY) {
        Detach();
        destroyed_ = !creating_;
    }
    LeaveHandler();
    return result;
}

LRESULT CALLBACK FwWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* wnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!wnd) {
        if (msg == WM_NCCREATE)
            wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (!wnd)
            wnd = tCreating;
        if (!wnd || wnd->m_hWnd)
            return ::DefWindowProcW(hwnd, msg, wp, lp);
        wnd->m_hWnd = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wnd));
    }
    return wnd->Dispatch(msg, wp, lp);
}

LRESULT CALLBACK FwAttachedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    fw::Attachment attached{};
    if (!Attachments().Find(hwnd, attached))
        return ::DefWindowProcW(hwnd, msg, wp, lp); // cannot happen: ours is only ever put in with an entry
    // Without an object it was let go while another procedure stood in
    // front of ours: messages pass on.
    const LRESULT result = attached.wnd ? attached.wnd->Dispatch(msg, wp, lp)
                                        : ::CallWindowProcW(attached.previous, hwnd, msg, wp, lp);
    // Gone, its handle may come back for another window.
    if (msg == WM_NCDESTROY)
        Attachments().Forget(hwnd);
    return result;
}

LRESULT CALLBACK FwListedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    return FwAttachedProc(hwnd, msg, wp, lp);
}
