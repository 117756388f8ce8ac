#include "framework/AttachmentTable.h"
#include <iterator>

namespace fw {

namespace {

constexpr UINT_PTR kListedId = 0x46574E44; // arbitrary, names our entry in that list

LRESULT CALLBACK PassOn(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

// The procedure the common controls put in front of a window they subclass,
// seen once on a window made for the purpose.
WNDPROC CommonSubclassProc()
{
    static const WNDPROC proc = [] {
        struct Probe {
            HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
            ~Probe()
            {
                if (hwnd)
                    ::DestroyWindow(hwnd);
            }
        } probe;
        WNDPROC seen = nullptr;
        if (probe.hwnd && ::SetWindowSubclass(probe.hwnd, PassOn, kListedId, 0)) {
            seen = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(probe.hwnd, GWLP_WNDPROC));
            ::RemoveWindowSubclass(probe.hwnd, PassOn, kListedId);
        }
        return seen;
    }();
    return proc;
}

} // namespace

bool AttachmentTable::Find(HWND hwnd, Attachment& found)
{
    std::lock_guard<std::mutex> lock(m_lock);
    auto it = m_table.find(hwnd);
    if (it == m_table.end())
        return false;
    found = it->second;
    return true;
}

bool AttachmentTable::Attach(HWND hwnd, CWnd* wnd, WNDPROC& previous)
{
    const WNDPROC common = CommonSubclassProc(); // before the lock: it makes a window
    std::lock_guard<std::mutex> lock(m_lock);
    auto it = m_table.find(hwnd);
    if (it != m_table.end()) {
        if (it->second.wnd)
            return false;
        // Let go earlier but still in the chain: ours takes it again.
        it->second.wnd = wnd;
        previous = it->second.previous;
        return true;
    }
    // When their last subclass goes, the common controls put back the
    // procedure they found, dropping whatever stood in front of theirs
    // by then: in front of them, ours joins their list instead.
    if (common && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == common) {
        if (!::SetWindowSubclass(hwnd, m_listed, kListedId, 0))
            return false;
        previous = ::DefSubclassProc;
        m_table.emplace(hwnd, Attachment{wnd, previous, true, false});
        return true;
    }
    const bool ansi = !::IsWindowUnicode(hwnd);
    previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_inFront)));
    if (!previous)
        return false;
    m_table.emplace(hwnd, Attachment{wnd, previous, false, ansi});
    return true;
}

void AttachmentTable::Detach(HWND hwnd, const CWnd* wnd)
{
    std::lock_guard<std::mutex> lock(m_lock);
    auto it = m_table.find(hwnd);
    if (it == m_table.end() || it->second.wnd != wnd)
        return;
    if (it->second.listed) {
        if (::IsWindow(hwnd))
            ::RemoveWindowSubclass(hwnd, m_listed, kListedId);
        m_table.erase(it);
        return;
    }
    if (::IsWindow(hwnd) &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != m_inFront) {
        it->second.wnd = nullptr;
        return;
    }
    if (::IsWindow(hwnd)) {
        // The window takes the character set of the call that puts its
        // procedure back: an ANSI window is to be ANSI again.
        const LONG_PTR previous = reinterpret_cast<LONG_PTR>(it->second.previous);
        if (it->second.ansi)
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, previous);
        else
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous);
    }
    m_table.erase(it);
}

void AttachmentTable::Forget(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_table.erase(hwnd);
}

void AttachmentTable::ForgetObject(const CWnd* wnd)
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (auto it = m_table.begin(); it != m_table.end();)
        it = it->second.wnd == wnd ? m_table.erase(it) : std::next(it);
}

} // namespace fw
