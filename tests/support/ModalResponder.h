#pragma once
// Answers modal dialogs and message boxes of the test's own thread: a CBT
// hook sees each dialog activate, and a thread timer, run by the dialog's
// own message loop, then carries out the test's next step on its real
// controls. A box without a step is closed with its default button; unless
// it came inside ExpectDialogs or the test allowed such boxes, it fails the
// test with what was on screen.
//
// Every test has a responder from its start (made by the test program's
// main): a box that no test asked for fails that test and is closed instead
// of hanging it. A responder the test makes takes over until it goes; only
// one of those may be active at a time.
//
// A watchdog, a second thread timer that every message loop of the thread
// runs (the dialog's own included), keeps a test from hanging on a dialog:
// - a dialog still open `timeout` after it appeared (its step did not close
//   it, or it was ended but its loop never returned) fails the test with
//   what is on screen and is ended; one that is still there a timeout later
//   is destroyed;
// - inside ExpectDialogs, an action that waits `timeout` for a dialog that
//   never comes (it sits in some other loop) fails the test with what is on
//   screen, and the windows it opened are closed so that it can return; a
//   timeout later they are destroyed;
// - steps given with Then() that no dialog used fail the test in Verify()
//   or, at the latest, in the destructor.
// What none of this ends (a wait that runs no message loop) the test
// program's hard deadline per test ends, with what was on screen.
// A top-level dialog of the thread that is on screen while no hook saw it
// activate is answered too; modeless dialogs a test keeps open belong on
// screen before the responder is made.
#include <windows.h>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace testutil {

struct SeenDialog {
    std::wstring caption;
    std::wstring text;   // the message text of a message box (control 0xFFFF)
    DWORD style = 0;
    HICON icon = nullptr; // a message box's icon (stop: LoadIcon(nullptr, IDI_HAND))
    bool closedByWatchdog = false;
};

// Caption, class and texts of the visible windows of a thread (by default
// the calling one) and of their controls, one per line: what was on screen.
// Safe from another thread while that one hangs.
std::wstring DescribeThreadWindows(DWORD threadId = ::GetCurrentThreadId());

class ModalResponder {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit ModalResponder(DWORD timeoutMs = 5000);
    // The responder every test starts with (see above).
    struct ForWholeTest {};
    explicit ModalResponder(ForWholeTest);
    ~ModalResponder(); // Verify()
    ModalResponder(const ModalResponder&) = delete;
    ModalResponder& operator=(const ModalResponder&) = delete;

    // The step for the next dialog that appears.
    void Then(Step step);
    // The next dialog is closed by pressing the given button.
    void ThenPress(int buttonId);
    // Dialogs without a step are closed with their default button and
    // recorded in Seen() without failing the test.
    void AllowUnasked() { allowUnasked_ = true; }

    // Runs the action and requires exactly `count` dialogs to come (and go)
    // while it runs, each within the timeout of the one before or of the
    // start; false, with a failure of the test that says what was on screen,
    // when they did not.
    bool ExpectDialogs(size_t count, const std::function<void()>& action);
    bool ExpectNoDialog(const std::function<void()>& action) { return ExpectDialogs(0, action); }

    // Fails the test when steps given with Then() were not used by a dialog;
    // the unused steps are dropped. True when all were used.
    bool Verify();

    const std::vector<SeenDialog>& Seen() const { return seen_; }
    size_t PendingSteps() const { return steps_.size(); }

    // Presses a button of a dialog as a click would.
    static void Press(HWND dialog, int buttonId);
    static std::wstring ControlText(HWND dialog, int id);

private:
    struct OpenDialog {
        HWND hwnd;
        size_t seenIndex;
        DWORD since;   // when it appeared, when the dialog above it went, or the last escalation
        int ended = 0; // how far the watchdog went: 1 ended, 2 destroyed
    };

    static LRESULT CALLBACK CbtProc(int code, WPARAM wp, LPARAM lp);
    static void CALLBACK OnAnswerTimer(HWND, UINT, UINT_PTR id, DWORD);
    static void CALLBACK OnWatchdogTimer(HWND, UINT, UINT_PTR, DWORD);
    void Track(HWND dialog);
    void Forget(HWND dialog);
    void Answer(HWND dialog);
    void Watch();
    void AnswerUnnoticedDialogs();
    SeenDialog& SeenOf(HWND dialog);
    static void Read(HWND dialog, SeenDialog& seen);
    void CloseStuckDialog(OpenDialog& dialog);
    void FreeStuckAction(DWORD now);

    DWORD timeout_;
    bool wholeTest_ = false;        // the responder every test starts with
    ModalResponder* outer_ = nullptr; // the one active before this one
    bool allowUnasked_ = false;
    std::deque<Step> steps_;
    std::vector<SeenDialog> seen_;
    std::vector<OpenDialog> open_; // handled dialogs still open, innermost last

    // The expectation of ExpectDialogs while its action runs.
    bool expecting_ = false;
    bool expectationFailed_ = false;
    int actionFreed_ = 0;              // 1 its windows closed, 2 destroyed
    DWORD quietSince_ = 0;             // start, or when the last dialog went
    std::set<HWND> windowsBefore_;     // top-level windows at the start
    size_t seenAtStart_ = 0;
    std::set<HWND> preexisting_;       // windows on screen before this responder
};

} // namespace testutil
