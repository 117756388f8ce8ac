#pragma once
// Attached controls, by handle. A control is attached by putting our
// procedure in front of its own, as a table kept in the process: a window
// property or the common controls' subclass list would be looked up on every
// message, and under Wine each lookup is a trip to the window server.
#include <windows.h>
#include <commctrl.h>
#include <mutex>
#include <unordered_map>

class CWnd;

namespace fw {

struct Attachment {
    CWnd* wnd;         // null once let go while another procedure sat in front of ours
    WNDPROC previous;  // the procedure ours stands in front of
    bool listed;       // in the common controls' subclass list (see Attach)
    bool ansi;         // the window's character set before ours came in front
};

class AttachmentTable {
public:
    // inFront is put in front of a control's procedure; listed joins the
    // common controls' subclass list where theirs is in front already.
    AttachmentTable(WNDPROC inFront, SUBCLASSPROC listed) : m_inFront(inFront), m_listed(listed) {}
    AttachmentTable(const AttachmentTable&) = delete;
    AttachmentTable& operator=(const AttachmentTable&) = delete;

    bool Find(HWND hwnd, Attachment& found);
    // False when the window is attached to an object already.
    bool Attach(HWND hwnd, CWnd* wnd, WNDPROC& previous);
    // Takes our procedure out of the window's chain where it is in front;
    // where another stands in front of it, ours stays, passing everything on.
    void Detach(HWND hwnd, const CWnd* wnd);
    void Forget(HWND hwnd);
    // Whatever still names an object that is going away: its window died
    // unseen (a procedure in front of ours was removed with ours behind it).
    void ForgetObject(const CWnd* wnd);

private:
    const WNDPROC m_inFront;
    const SUBCLASSPROC m_listed;
    std::mutex m_lock;
    std::unordered_map<HWND, Attachment> m_table;
};

} // namespace fw
