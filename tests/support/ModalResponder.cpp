#include "ModalResponder.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace testutil {

namespace {
ModalResponder* gResponder = nullptr;       // the active one, innermost
int gResponders = 0;                        // alive, the inactive ones below it included
HHOOK gHook = nullptr;                      // one hook and one watchdog for all of them
UINT_PTR gWatchdog = 0;
std::map<UINT_PTR, HWND> gPendingAnswers; // answer timer -> dialog
constexpr UINT kAnswerDelayMs = 20;
constexpr UINT kWatchdogPeriodMs = 100;

std::wstring TextOf(HWND hwnd)
{
    wchar_t buffer[4096] = {};
    // Asking a window of another thread would wait for that thread.
    if (::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId())
        ::GetWindowTextW(hwnd, buffer, 4096);
    else
        ::InternalGetWindowText(hwnd, buffer, 4096);
    return buffer;
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t cls[64] = {};
    ::GetClassNameW(hwnd, cls, 64);
    return cls;
}

bool IsDialogClass(HWND hwnd)
{
    return ClassOf(hwnd) == L"#32770";
}

bool IsTopLevel(HWND hwnd)
{
    return (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> VisibleThreadWindows(DWORD threadId = ::GetCurrentThreadId())
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(threadId, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    windows.erase(std::remove_if(windows.begin(), windows.end(), [](HWND w) { return !::IsWindowVisible(w); }),
                  windows.end());
    return windows;
}

std::wstring Quoted(std::wstring text)
{
    constexpr size_t kLongest = 200;
    if (text.size() > kLongest)
        text = text.substr(0, kLongest) + L"...";
    for (size_t pos = 0; (pos = text.find_first_of(L"\r\n", pos)) != std::wstring::npos;)
        text.replace(pos, 1, text[pos] == L'\n' ? L"\\n" : L"\\r");
    return L"\"" + text + L"\"";
}

BOOL CALLBACK FindIcon(HWND hwnd, LPARAM found)
{
    if (ClassOf(hwnd) != L"Static" || (::GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        return TRUE;
    *reinterpret_cast<HICON*>(found) = reinterpret_cast<HICON>(::SendMessageW(hwnd, STM_GETICON, 0, 0));
    return FALSE;
}

HICON IconOf(HWND dialog)
{
    HICON icon = nullptr;
    ::EnumChildWindows(dialog, FindIcon, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

std::string Seconds(DWORD ms)
{
    return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s";
}

std::wstring Describe(const SeenDialog& dialog)
{
    return Quoted(dialog.caption) + (dialog.text.empty() ? L"" : L": " + Quoted(dialog.text));
}

std::wstring DescribeAll(const std::vector<SeenDialog>& dialogs, size_t from)
{
    std::wstring list;
    for (size_t i = from; i < dialogs.size(); ++i)
        list += L"\n  " + Describe(dialogs[i]);
    return list.empty() ? L" none" : list;
}
} // namespace

std::wstring DescribeThreadWindows(DWORD threadId)
{
    std::wstring screen;
    for (HWND window : VisibleThreadWindows(threadId)) {
        screen += L"  [" + ClassOf(window) + L"] " + Quoted(TextOf(window)) + L"\n";
        std::vector<HWND> children;
        ::EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) {
            std::wstring text = TextOf(child);
            if (!::IsWindowVisible(child) || text.empty())
                continue;
            screen += L"      [" + ClassOf(child) + L" " + std::to_wstring(::GetDlgCtrlID(child)) + L"] " +
                      Quoted(text) + L"\n";
        }
    }
    return screen.empty() ? L"  (no visible window)\n" : screen;
}

ModalResponder::ModalResponder(DWORD timeoutMs) : timeout_(timeoutMs), outer_(gResponder)
{
    if (outer_ && !outer_->wholeTest_)
        ADD_FAILURE() << "Only one modal responder may be active at a time";
    gResponder = this;
    for (HWND hwnd : VisibleThreadWindows())
        preexisting_.insert(hwnd);
    if (gResponders++ > 0)
        return;
    gHook = ::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    gWatchdog = ::SetTimer(nullptr, 0, kWatchdogPeriodMs, OnWatchdogTimer);
    if (!gHook || !gWatchdog)
        ADD_FAILURE() << "The modal responder could not set its hook or its watchdog timer";
}

ModalResponder::ModalResponder(ForWholeTest) : ModalResponder()
{
    wholeTest_ = true;
}

ModalResponder::~ModalResponder()
{
    Verify();
    for (auto& [id, hwnd] : gPendingAnswers)
        ::KillTimer(nullptr, id);
    gPendingAnswers.clear();
    gResponder = outer_;
    if (--gResponders > 0)
        return;
    if (gHook)
        ::UnhookWindowsHookEx(gHook);
    if (gWatchdog)
        ::KillTimer(nullptr, gWatchdog);
    gHook = nullptr;
    gWatchdog = 0;
}

void ModalResponder::Then(Step step)
{
    steps_.push_back(std::move(step));
}

void ModalResponder::ThenPress(int buttonId)
{
    Then([buttonId](HWND dialog) { Press(dialog, buttonId); });
}

void ModalResponder::Press(HWND dialog, int buttonId)
{
    HWND button = ::GetDlgItem(dialog, buttonId);
    if (button && ::IsWindowEnabled(button))
        ::SendMessageW(button, BM_CLICK, 0, 0);
    else
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::wstring ModalResponder::ControlText(HWND dialog, int id)
{
    return TextOf(::GetDlgItem(dialog, id));
}

bool ModalResponder::ExpectDialogs(size_t count, const std::function<void()>& action)
{
    size_t seenBefore = seenAtStart_ = seen_.size();
    std::vector<HWND> before = VisibleThreadWindows();
    windowsBefore_ = std::set<HWND>(before.begin(), before.end());
    expecting_ = true;
    expectationFailed_ = false;
    actionFreed_ = 0;
    quietSince_ = ::GetTickCount();
    action();
    expecting_ = false;
    if (expectationFailed_)
        return false;
    size_t came = seen_.size() - seenBefore;
    if (came != count) {
        ADD_FAILURE() << "Expected " << count << " dialog(s), " << came << " came:" << DescribeAll(seen_, seenBefore);
        return false;
    }
    return true;
}

bool ModalResponder::Verify()
{
    if (steps_.empty())
        return true;
    ADD_FAILURE() << steps_.size() << " step(s) given to the modal responder were never used: the dialog(s) they "
                  << "were for never came. Dialogs that came:" << DescribeAll(seen_, 0) << "\nOn screen now:\n"
                  << DescribeThreadWindows();
    steps_.clear();
    return false;
}

LRESULT CALLBACK ModalResponder::CbtProc(int code, WPARAM wp, LPARAM lp)
{
    HWND hwnd = reinterpret_cast<HWND>(wp);
    if (gResponder) {
        if (code == HCBT_ACTIVATE && IsDialogClass(hwnd))
            gResponder->Track(hwnd);
        else if (code == HCBT_DESTROYWND)
            gResponder->Forget(hwnd);
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

void ModalResponder::Track(HWND dialog)
{
    auto known = [dialog](const OpenDialog& d) { return d.hwnd == dialog; };
    if (!IsTopLevel(dialog) || std::any_of(open_.begin(), open_.end(), known))
        return;
    SeenDialog seen;
    Read(dialog, seen);
    seen_.push_back(seen);
    open_.push_back({dialog, seen_.size() - 1, ::GetTickCount()});
    // Act once the dialog's own loop runs, not inside its creation.
    UINT_PTR id = ::SetTimer(nullptr, 0, kAnswerDelayMs, OnAnswerTimer);
    gPendingAnswers[id] = dialog;
}

void ModalResponder::Forget(HWND hwnd)
{
    for (auto it = gPendingAnswers.begin(); it != gPendingAnswers.end();) {
        if (it->second == hwnd) {
            ::KillTimer(nullptr, it->first);
            it = gPendingAnswers.erase(it);
        } else {
            ++it;
        }
    }
    auto it = std::find_if(open_.begin(), open_.end(), [hwnd](const OpenDialog& d) { return d.hwnd == hwnd; });
    if (it == open_.end())
        return;
    open_.erase(it);
    // The dialog below it, or the action, gets its own time from now on.
    DWORD now = ::GetTickCount();
    if (open_.empty())
        quietSince_ = now;
    else
        open_.back().since = now;
}

void CALLBACK ModalResponder::OnAnswerTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    auto it = gPendingAnswers.find(id);
    if (it == gPendingAnswers.end())
        return;
    HWND dialog = it->second;
    gPendingAnswers.erase(it);
    if (gResponder && ::IsWindow(dialog))
        gResponder->Answer(dialog);
}

void ModalResponder::Read(HWND dialog, SeenDialog& seen)
{
    seen.caption = TextOf(dialog);
    seen.text = ControlText(dialog, 0xFFFF);
    seen.style = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE));
    seen.icon = IconOf(dialog);
}

void ModalResponder::Answer(HWND dialog)
{
    // Read again: a box may fill in its texts after it activates.
    Read(dialog, SeenOf(dialog));
    // Nothing may unwind through the dialog's loop.
    try {
        if (!steps_.empty()) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            step(dialog);
            return;
        }
        if (!expecting_ && !allowUnasked_)
            ADD_FAILURE() << "A dialog came that the test did not ask for: " << Describe(SeenOf(dialog))
                          << "\nIt is closed with its default button. On screen:\n"
                          << DescribeThreadWindows();
        // No step: close with the default button (OK, or Cancel/No when present).
        DWORD def = static_cast<DWORD>(::SendMessageW(dialog, DM_GETDEFID, 0, 0));
        int button = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
        Press(dialog, button);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "A step of the modal responder threw: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "A step of the modal responder threw";
    }
}

void CALLBACK ModalResponder::OnWatchdogTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (gResponder)
        gResponder->Watch();
}

void ModalResponder::Watch()
{
    AnswerUnnoticedDialogs();
    DWORD now = ::GetTickCount();
    if (!open_.empty()) {
        OpenDialog& innermost = open_.back();
        if (now - innermost.since > timeout_)
            CloseStuckDialog(innermost);
        return;
    }
    if (expecting_ && actionFreed_ < 2 && now - quietSince_ > timeout_)
        FreeStuckAction(now);
}

// A dialog whose activation the hook did not see (no window manager to
// activate it, say) is answered all the same.
void ModalResponder::AnswerUnnoticedDialogs()
{
    for (HWND hwnd : VisibleThreadWindows())
        if (IsDialogClass(hwnd) && ::IsWindowEnabled(hwnd) && !preexisting_.count(hwnd))
            Track(hwnd);
}

SeenDialog& ModalResponder::SeenOf(HWND dialog)
{
    for (const OpenDialog& open : open_)
        if (open.hwnd == dialog)
            return seen_[open.seenIndex];
    return seen_.back();
}

void ModalResponder::CloseStuckDialog(OpenDialog& dialog)
{
    SeenDialog& seen = seen_[dialog.seenIndex];
    dialog.since = ::GetTickCount();
    switch (dialog.ended++) {
    case 0:
        // A hidden dialog was ended (EndDialog hides it) but its loop has not
        // returned: something inside it still runs.
        ADD_FAILURE() << "The dialog " << Describe(seen)
                      << (::IsWindowVisible(dialog.hwnd) ? " was still open " : " was ended but still there ")
                      << Seconds(timeout_) << " after it appeared; the watchdog ends it. On screen:\n"
                      << DescribeThreadWindows();
        seen.closedByWatchdog = true;
        expectationFailed_ = expecting_;
        ::EndDialog(dialog.hwnd, IDCANCEL);
        break;
    case 1:
        // EndDialog did not end it: take the window away from its loop.
        ::DestroyWindow(dialog.hwnd);
        break;
    default:
        break; // the test program's deadline ends the rest
    }
}

void ModalResponder::FreeStuckAction(DWORD now)
{
    quietSince_ = now;
    if (actionFreed_++ == 0) {
        ADD_FAILURE() << "No dialog came within " << Seconds(timeout_)
                      << " and the action did not return. Dialogs that came:" << DescribeAll(seen_, seenAtStart_)
                      << "\nOn screen:\n"
                      << DescribeThreadWindows();
        expectationFailed_ = true;
        // Let the action return: end a menu loop and close what it opened.
        ::EndMenu();
        for (HWND hwnd : VisibleThreadWindows())
            if (!windowsBefore_.count(hwnd))
                ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return;
    }
    // Its windows would not close: destroyed, they end a loop that waits for them.
    for (HWND hwnd : VisibleThreadWindows())
        if (!windowsBefore_.count(hwnd))
            ::DestroyWindow(hwnd);
}

} // namespace testutil
