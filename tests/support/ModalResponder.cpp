#include "ModalResponder.h"
#include <algorithm>
#include <map>

namespace testutil {

namespace {
ModalResponder* gResponder = nullptr;
std::map<UINT_PTR, HWND> gPendingTimers;

std::wstring TextOf(HWND hwnd)
{
    wchar_t buffer[4096] = {};
    ::GetWindowTextW(hwnd, buffer, 4096);
    return buffer;
}

bool IsDialogClass(HWND hwnd)
{
    wchar_t cls[64] = {};
    ::GetClassNameW(hwnd, cls, 64);
    return std::wstring(cls) == L"#32770";
}
} // namespace

ModalResponder::ModalResponder()
{
    gResponder = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
}

ModalResponder::~ModalResponder()
{
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
    for (auto& [id, hwnd] : gPendingTimers)
        ::KillTimer(nullptr, id);
    gPendingTimers.clear();
    gResponder = nullptr;
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

LRESULT CALLBACK ModalResponder::CbtProc(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE && gResponder) {
        HWND hwnd = reinterpret_cast<HWND>(wp);
        auto& handled = gResponder->handled_;
        if (IsDialogClass(hwnd) && std::find(handled.begin(), handled.end(), hwnd) == handled.end()) {
            handled.push_back(hwnd);
            // Act once the dialog's own loop runs, not inside its creation.
            UINT_PTR id = ::SetTimer(nullptr, 0, 20, OnTimer);
            gPendingTimers[id] = hwnd;
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

void CALLBACK ModalResponder::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    auto it = gPendingTimers.find(id);
    if (it == gPendingTimers.end())
        return;
    HWND dialog = it->second;
    gPendingTimers.erase(it);
    if (gResponder && ::IsWindow(dialog))
        gResponder->Answer(dialog);
}

void ModalResponder::Answer(HWND dialog)
{
    SeenDialog seen;
    seen.caption = TextOf(dialog);
    seen.text = ControlText(dialog, 0xFFFF);
    seen.style = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE));
    seen_.push_back(seen);
    if (!steps_.empty()) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(dialog);
        return;
    }
    // No step: close with the default button (OK, or Cancel/No when present).
    DWORD def = static_cast<DWORD>(::SendMessageW(dialog, DM_GETDEFID, 0, 0));
    int button = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    Press(dialog, button);
}

} // namespace testutil
