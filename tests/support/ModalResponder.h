#pragma once
// Answers modal dialogs and message boxes of the test's own thread: a CBT
// hook sees each dialog activate, and a thread timer, run by the dialog's
// own message loop, then carries out the test's next step on its real
// controls. Boxes without a step are recorded and closed with their default
// button.
#include <windows.h>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testutil {

struct SeenDialog {
    std::wstring caption;
    std::wstring text;   // the message text of a message box (control 0xFFFF)
    DWORD style = 0;
};

class ModalResponder {
public:
    using Step = std::function<void(HWND dialog)>;

    ModalResponder();
    ~ModalResponder();
    ModalResponder(const ModalResponder&) = delete;
    ModalResponder& operator=(const ModalResponder&) = delete;

    // The step for the next dialog that appears.
    void Then(Step step);
    // The next dialog is closed by pressing the given button.
    void ThenPress(int buttonId);

    const std::vector<SeenDialog>& Seen() const { return seen_; }
    size_t PendingSteps() const { return steps_.size(); }

    // Presses a button of a dialog as a click would.
    static void Press(HWND dialog, int buttonId);
    static std::wstring ControlText(HWND dialog, int id);

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wp, LPARAM lp);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void Answer(HWND dialog);

    HHOOK hook_ = nullptr;
    std::deque<Step> steps_;
    std::vector<SeenDialog> seen_;
    std::vector<HWND> handled_;
};

} // namespace testutil
