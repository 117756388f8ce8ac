// How the framework routes messages and commands: reflected notifications,
// views that close their frame from their own command, and exceptions that
// handlers let through.
#include "ModalResponder.h"
#include "TestUtil.h"
#include "framework/ControlBar.h"
#include "framework/Dialog.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/Text.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using testutil::ModalResponder;

namespace {

constexpr UINT kThrowCommand = 300;
constexpr UINT kCloseFrameCommand = 301;

// An application that writes down what reaches its report.
class RecordingApp : public CWinApp {
public:
    std::vector<std::string> reports;
    int exitInstanceCalls = 0;
    bool throwInInit = false;

    void ReportException(std::exception_ptr error) override
    {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reports.push_back(e.what());
        } catch (...) {
            reports.push_back("?");
        }
    }
    BOOL InitInstance() override
    {
        if (throwInInit)
            throw std::runtime_error("init instance");
        return FALSE;
    }
    int ExitInstance() override
    {
        ++exitInstanceCalls;
        return 7;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_APP)
            throw std::runtime_error("pre-translate");
        return CWinApp::PreTranslateMessage(msg);
    }
    // The first idle time queues a message for the window and the end of
    // the loop, then throws.
    HWND idleTarget = nullptr;
    BOOL OnIdle(LONG) override
    {
        if (idleTarget && !idleThrown_) {
            idleThrown_ = true;
            ::PostMessageW(idleTarget, WM_APP, 0, 0);
            ::PostQuitMessage(0);
            throw std::runtime_error("idle");
        }
        return FALSE;
    }

private:
    bool idleThrown_ = false;
};

class ThrowingWindow : public CWnd {
public:
    int appMessages = 0;

protected:
    LRESULT OnUser(WPARAM, LPARAM) { throw std::runtime_error("window handler"); }
    LRESULT OnApp(WPARAM, LPARAM)
    {
        ++appMessages;
        return 0;
    }
    LRESULT OnPaint(WPARAM, LPARAM) { throw std::runtime_error("paint"); }
    LRESULT OnClosing(WPARAM, LPARAM) { throw std::runtime_error("close"); }
    void OnThrowCommand() { throw std::runtime_error("command handler"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ThrowingWindow, CWnd)
    ON_MESSAGE(WM_USER, OnUser)
    ON_MESSAGE(WM_APP, OnApp)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_CLOSE, OnClosing)
    ON_MESSAGE(WM_SYSCOMMAND, OnClosing)
    ON_MESSAGE(WM_QUERYENDSESSION, OnClosing)
    ON_COMMAND(kThrowCommand, OnThrowCommand)
END_MESSAGE_MAP()

class ThrowingDialog : public CDialog {
public:
    ThrowingDialog() : CDialog(IDD_ABOUTBOX) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        throw std::runtime_error("dialog init");
    }
    void OnOK() override { throw std::runtime_error("dialog command"); }
    LRESULT OnClosing(WPARAM, LPARAM) { throw std::runtime_error("dialog close"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ThrowingDialog, CDialog)
    ON_MESSAGE(WM_CLOSE, OnClosing)
END_MESSAGE_MAP()

class ThrowingBar : public CControlBar {
public:
    int CalcHeight() const override { return 10; }
    void UpdateCommandUI(CCmdTarget&) override { throw std::runtime_error("bar update"); }
};

// A static control that colours itself through the reflected message.
class ReflectingStatic : public CWnd {
public:
    int reflected = 0;

protected:
    LRESULT OnReflectedColour(WPARAM, LPARAM)
    {
        ++reflected;
        return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ReflectingStatic, CWnd)
    ON_REFLECTED(WM_CTLCOLORSTATIC, OnReflectedColour)
END_MESSAGE_MAP()

// An object attached to a window that may already have one: it sees the
// application message first and passes it on (a few times at most, so that
// a loop back into itself shows as a count rather than a crash).
class PassingOnAttachment : public CWnd {
public:
    int seen = 0;

protected:
    LRESULT OnApp(WPARAM, LPARAM) { return ++seen > 3 ? 0 : Default(); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PassingOnAttachment, CWnd)
    ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

// A view whose command closes its own frame and then still uses itself.
int gViewsDeleted = 0;
class ClosingView : public CView {
public:
    static bool aliveAfterClose;
    ~ClosingView() override { ++gViewsDeleted; }

protected:
    void OnCloseFrame()
    {
        ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
        aliveAfterClose = gViewsDeleted == 0;
        closes_ += 1; // a member, after the frame and the view are gone
    }
    DECLARE_MESSAGE_MAP()

private:
    int closes_ = 0;
};
bool ClosingView::aliveAfterClose = false;
BEGIN_MESSAGE_MAP(ClosingView, CView)
    ON_COMMAND(kCloseFrameCommand, OnCloseFrame)
END_MESSAGE_MAP()

RECT WindowRect()
{
    return RECT{20, 20, 320, 220};
}

} // namespace

TEST(Reflection, ReflectedMessagesReachTheControlButTheSameNumberSentDirectlyDoesNot)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, WindowRect(), nullptr, 0));
    ReflectingStatic label;
    ASSERT_TRUE(label.CreateControl(0, L"STATIC", L"text", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 20}, parent, 1));
    HDC dc = ::GetDC(label);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.m_hWnd));
    ::ReleaseDC(label, dc);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(label.reflected, 1);
    // Common controls use the messages from 0x2000 on for themselves: none of
    // them may land in a reflected handler.
    for (UINT msg : {0x2000u + WM_CTLCOLORSTATIC, 0x2000u + WM_NOTIFY, 0x2000u + WM_COMMAND})
        label.SendMessage(msg, 0, 0);
    EXPECT_EQ(label.reflected, 1);
}

TEST(Reflection, OnlyAnAttachedControlIsFoundFromItsHandle)
{
    HWND left = nullptr;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, WindowRect(), nullptr, 0));
    ReflectingStatic label;
    ASSERT_TRUE(label.CreateControl(0, L"STATIC", L"text", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 20}, parent, 1));
    EXPECT_EQ(CWnd::FromHandle(label), &label);
    // A control carrying user data of someone else's is not taken for ours.
    HWND foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 30, 50, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    ::SetWindowLongPtrW(foreign, GWLP_USERDATA, 0x1234);
    EXPECT_EQ(CWnd::FromHandle(foreign), nullptr);
    // (Reflected to it, the colour message would call through that value.)
    EXPECT_NE(parent.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(foreign)),
              reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    // Attached, it is ours and keeps its owner's user data, also when let go.
    ReflectingStatic tagged;
    ASSERT_TRUE(tagged.SubclassWindow(foreign));
    EXPECT_EQ(CWnd::FromHandle(foreign), &tagged);
    parent.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(tagged.reflected, 1);
    EXPECT_EQ(::GetWindowLongPtrW(foreign, GWLP_USERDATA), 0x1234);
    tagged.UnsubclassWindow();
    EXPECT_EQ(::GetWindowLongPtrW(foreign, GWLP_USERDATA), 0x1234);
    EXPECT_EQ(CWnd::FromHandle(foreign), nullptr);
    // Let go, the control is found no more and gets no reflected message.
    HWND hwnd = label.UnsubclassWindow();
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    parent.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(hwnd));
    EXPECT_EQ(label.reflected, 0);
    ::DestroyWindow(hwnd);

    // A plain control is never found, nor reflected to; its object lets its
    // window go with DestroyWindow, sees it gone with its parent, and takes
    // the window with it when it goes first.
    {
        ReflectingStatic plain;
        ASSERT_TRUE(plain.CreatePlainControl(0, L"STATIC", L"plain", WS_CHILD, RECT{0, 0, 50, 20}, parent, 2));
        EXPECT_FALSE(plain.CreatePlainControl(0, L"STATIC", L"again", WS_CHILD, RECT{0, 0, 50, 20}, parent, 2));
        EXPECT_EQ(CWnd::FromHandle(plain.m_hWnd), nullptr);
        parent.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(plain.m_hWnd));
        EXPECT_EQ(plain.reflected, 0);
        const HWND first = plain.m_hWnd;
        EXPECT_TRUE(plain.DestroyWindow());
        EXPECT_FALSE(::IsWindow(first));
        EXPECT_EQ(plain.m_hWnd, nullptr);
        ASSERT_TRUE(plain.CreatePlainControl(0, L"STATIC", L"plain", WS_CHILD, RECT{0, 0, 50, 20}, parent, 2));
        left = plain.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(left)) << "the plain control outlived its object";
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP, WindowRect(), nullptr, 0));
    CWnd orphan;
    ASSERT_TRUE(orphan.CreatePlainControl(0, L"STATIC", L"", WS_CHILD, RECT{0, 0, 50, 20}, owner, 3));
    owner.DestroyWindow();
    EXPECT_FALSE(orphan.IsWindow());
    ASSERT_TRUE(orphan.CreatePlainControl(0, L"STATIC", L"", WS_CHILD, RECT{0, 0, 50, 20}, parent, 3));
}

TEST(Routing, AWindowOfOurOwnAttachedToAnotherObjectReachesBothInTurnAndIsItsOwnAgainWhenLetGo)
{
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"own", WS_POPUP, WindowRect(), nullptr, 0));
    PassingOnAttachment attachment;
    ASSERT_TRUE(attachment.SubclassWindow(window));
    EXPECT_EQ(CWnd::FromHandle(window), &attachment);
    window.SendMessage(WM_APP, 0, 0);
    EXPECT_EQ(attachment.seen, 1);
    EXPECT_EQ(window.appMessages, 1);
    attachment.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandle(window), &window);
    window.SendMessage(WM_APP, 0, 0);
    EXPECT_EQ(attachment.seen, 1);
    EXPECT_EQ(window.appMessages, 2);
}

namespace {
// A procedure put in front of an attached control by someone else.
WNDPROC gBehindInFront = nullptr;
int gSeenInFront = 0;
LRESULT CALLBACK InFront(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_APP)
        ++gSeenInFront;
    return ::CallWindowProcW(gBehindInFront, hwnd, msg, wp, lp);
}
} // namespace

TEST(Routing, AControlLetGoBehindAnotherProcedurePassesItsMessagesOnAndCanBeTakenAgain)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, WindowRect(), nullptr, 0));
    HWND control = ::CreateWindowExW(0, L"STATIC", L"old", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    PassingOnAttachment first, second;
    ASSERT_TRUE(first.SubclassWindow(control));
    EXPECT_FALSE(second.SubclassWindow(control)) << "one object per control";
    gSeenInFront = 0;
    gBehindInFront = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InFront)));
    first.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandle(control), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(InFront))
        << "what stands in front stays";
    ::SendMessageW(control, WM_APP, 0, 0);
    ::SetWindowTextW(control, L"new");
    EXPECT_EQ(first.seen, 0);
    EXPECT_EQ(gSeenInFront, 1);
    EXPECT_EQ(fw::WindowText(control), L"new") << "the control's own procedure is still reached";

    ASSERT_TRUE(second.SubclassWindow(control));
    EXPECT_EQ(CWnd::FromHandle(control), &second);
    ::SendMessageW(control, WM_APP, 0, 0);
    EXPECT_EQ(second.seen, 1);
    EXPECT_EQ(gSeenInFront, 2);
    ::DestroyWindow(control);
    EXPECT_EQ(second.m_hWnd, nullptr) << "the object saw its window go";
    EXPECT_EQ(CWnd::FromHandle(control), nullptr);
}

namespace {
LRESULT CALLBACK CommonSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}
} // namespace

TEST(Routing, AControlAttachedOverTheCommonControlsSubclassKeepsItsObjectWhenThatSubclassGoes)
{
    // The common controls (a tooltip watching its tool, say) put their own
    // procedure in front of a control and, when their last subclass goes,
    // put back the procedure they found, whatever stands in front by then.
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, WindowRect(), nullptr, 0));
    HWND control = ::CreateWindowExW(0, L"STATIC", L"old", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(::SetWindowSubclass(control, CommonSubclass, 1, 0));
    PassingOnAttachment attachment;
    ASSERT_TRUE(attachment.SubclassWindow(control));
    ASSERT_TRUE(::RemoveWindowSubclass(control, CommonSubclass, 1));
    EXPECT_EQ(CWnd::FromHandle(control), &attachment);
    ::SendMessageW(control, WM_APP, 0, 0);
    ::SetWindowTextW(control, L"new");
    EXPECT_EQ(attachment.seen, 1) << "the object still gets the control's messages";
    EXPECT_EQ(fw::WindowText(control), L"new") << "the control's own procedure is still reached";
    ::DestroyWindow(control);
    EXPECT_EQ(attachment.m_hWnd, nullptr) << "the object saw its window go";

    // Let go before the subclass goes, the control is left as it was.
    control = ::CreateWindowExW(0, L"STATIC", L"old", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    const LONG_PTR own = ::GetWindowLongPtrW(control, GWLP_WNDPROC);
    ASSERT_TRUE(::SetWindowSubclass(control, CommonSubclass, 1, 0));
    ASSERT_TRUE(attachment.SubclassWindow(control));
    attachment.UnsubclassWindow();
    ASSERT_TRUE(::RemoveWindowSubclass(control, CommonSubclass, 1));
    EXPECT_EQ(::GetWindowLongPtrW(control, GWLP_WNDPROC), own);
    ::SendMessageW(control, WM_APP, 0, 0);
    EXPECT_EQ(attachment.seen, 1);
    EXPECT_EQ(CWnd::FromHandle(control), nullptr);
    ::DestroyWindow(control);
}

TEST(Routing, AWindowOfAnAnsiClassGetsWideMessagesWhileAttachedAndIsAnsiAgainWhenLetGo)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = "FwTestAnsiWindow";
    ASSERT_TRUE(::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    HWND window = ::CreateWindowExA(0, wc.lpszClassName, "old", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const LONG_PTR own = ::GetWindowLongPtrA(window, GWLP_WNDPROC);
    PassingOnAttachment attachment;
    ASSERT_TRUE(attachment.SubclassWindow(window));
    ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"));
    ::SendMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(attachment.seen, 1);
    EXPECT_EQ(fw::WindowText(window), L"new");
    attachment.UnsubclassWindow();
    EXPECT_FALSE(::IsWindowUnicode(window)) << "its own procedure is back, and so is its character set";
    EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    ::SetWindowTextA(window, "again");
    EXPECT_EQ(fw::WindowText(window), L"again");
    ::DestroyWindow(window);
    ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

TEST(Routing, ViewThatClosesItsFrameFromItsOwnCommandLivesUntilTheHandlerReturns)
{
    CWinApp app;
    gViewsDeleted = 0;
    ClosingView::aliveAfterClose = false;
    app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return new CDocument; }, [] { return new CFrameWnd; },
        []() -> CView* { return new ClosingView; }));
    app.OnFileNew();
    ASSERT_NE(app.m_pMainWnd, nullptr);
    HWND frame = app.m_pMainWnd->m_hWnd;
    ::SendMessageW(frame, WM_COMMAND, kCloseFrameCommand, 0);
    EXPECT_TRUE(ClosingView::aliveAfterClose);
    EXPECT_EQ(gViewsDeleted, 1);
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(Exceptions, EveryHandlerEntryReportsToTheApplicationAndGoesOn)
{
    RecordingApp app;
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"throws", WS_POPUP, WindowRect(), nullptr, 0));
    EXPECT_EQ(window.SendMessage(WM_USER), 0);
    window.SendMessage(WM_COMMAND, kThrowCommand, 0);
    EXPECT_EQ(app.reports, (std::vector<std::string>{"window handler", "command handler"}));

    app.reports.clear();
    ModalResponder responder;
    responder.Then([](HWND dialog) {
        ModalResponder::Press(dialog, IDOK);     // throws, the dialog stays
        ModalResponder::Press(dialog, IDCANCEL); // closes it
    });
    ThrowingDialog dialog;
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_EQ(dialog.DoModal(), IDCANCEL); }));
    EXPECT_EQ(app.reports, (std::vector<std::string>{"dialog init", "dialog command"}));

    app.reports.clear();
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
    ThrowingBar bar;
    ASSERT_TRUE(bar.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, *frame, 1));
    frame->UpdateBarsCommandUI();
    EXPECT_EQ(app.reports, (std::vector<std::string>{"bar update"}));
    bar.DestroyWindow();
    frame->DestroyWindow();

    // The message loop: a message whose first look throws is still dispatched.
    app.reports.clear();
    testutil::PumpMessages(20);
    app.idleTarget = window;
    EXPECT_EQ(app.Run(), 7);
    EXPECT_EQ(window.appMessages, 1);
    EXPECT_EQ(app.reports, (std::vector<std::string>{"idle", "pre-translate"}));
}

TEST(Exceptions, WindowOrDialogWhoseCloseHandlerFailedStaysOpen)
{
    // A close handler that fails (a save that failed, say) must not lose
    // the window, nor let the session end.
    RecordingApp app;
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"throws", WS_OVERLAPPEDWINDOW, WindowRect(), nullptr, 0));
    EXPECT_EQ(window.SendMessage(WM_SYSCOMMAND, SC_CLOSE), 0);
    EXPECT_EQ(window.SendMessage(WM_CLOSE), 0);
    EXPECT_EQ(window.SendMessage(WM_QUERYENDSESSION), FALSE);
    EXPECT_TRUE(window.IsWindow());
    EXPECT_EQ(app.reports, (std::vector<std::string>{"close", "close", "close"}));

    ModalResponder responder;
    bool openAfterClose = false;
    responder.Then([&](HWND dialog) {
        ::SendMessageW(dialog, WM_CLOSE, 0, 0);
        testutil::PumpMessages(50); // the dialog manager posts its Cancel
        openAfterClose = ::IsWindowVisible(dialog) != FALSE;
        ModalResponder::Press(dialog, IDCANCEL);
    });
    ThrowingDialog dialog;
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { dialog.DoModal(); }));
    EXPECT_TRUE(openAfterClose);
}

TEST(Exceptions, ReportStaysWhileQuitIsPendingAndFailuresUnderItGetOneMoreBox)
{
    CWinApp app; // the framework's own report
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"throws", WS_POPUP, WindowRect(), nullptr, 0));
    ModalResponder responder;
    responder.Then([&](HWND box) {
        window.SendMessage(WM_USER);
        window.SendMessage(WM_COMMAND, kThrowCommand, 0);
        ModalResponder::Press(box, IDOK);
    });
    responder.ThenPress(IDOK);
    // The main window has gone and posted the end of the loop; its last
    // handler fails.
    EXPECT_TRUE(responder.ExpectDialogs(2, [&] {
        ::PostQuitMessage(5);
        window.SendMessage(WM_USER);
    }));
    ASSERT_EQ(responder.Seen().size(), 2u);
    EXPECT_EQ(responder.Seen()[0].text, L"An unexpected error stopped the operation.\n\nwindow handler");
    EXPECT_EQ(responder.Seen()[1].text, L"And 2 more error(s) came while that report was on screen. The last one:"
                                        L"\n\nAn unexpected error stopped the operation.\n\ncommand handler");
    EXPECT_EQ(responder.Seen()[1].icon, ::LoadIconW(nullptr, IDI_HAND));
    MSG msg{};
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the end of the loop was lost";
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(Exceptions, StartUpThatThrowsIsReportedAndStillRunsTheExitProcessing)
{
    {
        RecordingApp app;
        app.throwInInit = true;
        EXPECT_EQ(RunApplication(), 7);
        EXPECT_EQ(app.reports, std::vector<std::string>{"init instance"});
        EXPECT_EQ(app.exitInstanceCalls, 1);
    }
    // With no application object at all the program still says why it ends.
    ModalResponder responder;
    EXPECT_TRUE(responder.ExpectDialogs(1, [] { EXPECT_EQ(RunApplication(), -1); }));
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].text, L"An unexpected error stopped the operation.\n\nno application object");
}

TEST(Exceptions, PlainReportIsOneStopBoxEvenWhenTheFailingPaintComesBackUnderIt)
{
    CWinApp app; // the framework's own report
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"throws", WS_POPUP | WS_VISIBLE, WindowRect(), nullptr, 0));
    ModalResponder responder;
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] {
        window.Invalidate();
        window.UpdateWindow();
        testutil::PumpMessages(300);
    }));
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].caption, app.Title());
    EXPECT_EQ(responder.Seen()[0].text, L"An unexpected error stopped the operation.\n\npaint");
    EXPECT_EQ(responder.Seen()[0].icon, ::LoadIconW(nullptr, IDI_HAND));
}
