// Lifetimes of the framework's self-deleting windows and the clean-up when
// the main window cannot be made.
#include "ModalResponder.h"
#include "TestUtil.h"
#include "framework/CommandLineInfo.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

int gDocumentsDeleted = 0;
int gFramesDeleted = 0;
int gViewsDeleted = 0;

class CountedDocument : public CDocument {
public:
    ~CountedDocument() override { ++gDocumentsDeleted; }
};

class CountedView : public CView {
public:
    ~CountedView() override { ++gViewsDeleted; }
};

// A view whose window refuses to be created.
class FailingView : public CountedView {
protected:
    LRESULT OnCreate(WPARAM, LPARAM) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailingView, CountedView)
    ON_MESSAGE(WM_CREATE, OnCreate)
END_MESSAGE_MAP()

class CountedFrame : public CFrameWnd {
public:
    ~CountedFrame() override { ++gFramesDeleted; }
};

// A frame whose own part of the creation fails after the view exists.
class FailingFrame : public CountedFrame {
protected:
    LRESULT OnCreate(WPARAM wp, LPARAM lp)
    {
        CFrameWnd::OnCreate(wp, lp);
        return -1;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailingFrame, CountedFrame)
    ON_MESSAGE(WM_CREATE, OnCreate)
END_MESSAGE_MAP()

// A window that destroys itself from inside one of its handlers and then
// still uses its members, as a handler may.
class SelfClosingWindow : public CWnd {
public:
    static int deleted;
    static bool aliveAfterDestroy;

protected:
    LRESULT OnClose(WPARAM, LPARAM)
    {
        DestroyWindow();
        closes_ += 1; // a member, after the window is gone
        aliveAfterDestroy = deleted == 0 && closes_ == 1;
        return 0;
    }
    void PostNcDestroy() override
    {
        ++deleted;
        delete this;
    }
    DECLARE_MESSAGE_MAP()

private:
    int closes_ = 0;
};
int SelfClosingWindow::deleted = 0;
bool SelfClosingWindow::aliveAfterDestroy = false;
BEGIN_MESSAGE_MAP(SelfClosingWindow, CWnd)
    ON_MESSAGE(WM_CLOSE, OnClose)
END_MESSAGE_MAP()

CDocument* NewDocument() { return new CountedDocument; }
CFrameWnd* NewFrame() { return new CountedFrame; }
CFrameWnd* NewFailingFrame() { return new FailingFrame; }
CView* NewView() { return new CountedView; }
CView* NewFailingView() { return new FailingView; }

class FrameworkLifetime : public ::testing::Test {
protected:
    void SetUp() override { gDocumentsDeleted = gFramesDeleted = gViewsDeleted = 0; }
    CWinApp app;
};

} // namespace

TEST_F(FrameworkLifetime, ClosingTheFrameDeletesViewFrameAndDocumentOnce)
{
    app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(128, NewDocument, NewFrame, NewView));
    app.OnFileNew();
    ASSERT_NE(app.m_pMainWnd, nullptr);
    HWND frame = app.m_pMainWnd->m_hWnd;
    ::SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(gViewsDeleted, 1);
    EXPECT_EQ(gFramesDeleted, 1);
    EXPECT_EQ(gDocumentsDeleted, 1);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FrameworkLifetime, FrameThatFailsIsReportedAndEverythingIsDeletedOnce)
{
    testutil::ModalResponder responder;
    app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(128, NewDocument, NewFailingFrame, NewView));
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_FALSE(app.ProcessShellCommand(CCommandLineInfo())); }));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].text, L"Failed to create empty document.");
    EXPECT_EQ(gViewsDeleted, 1);
    EXPECT_EQ(gFramesDeleted, 1);
    EXPECT_EQ(gDocumentsDeleted, 1);
}

TEST_F(FrameworkLifetime, ViewThatFailsFailsTheFrameWithoutDoubleDeletes)
{
    testutil::ModalResponder responder;
    app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(128, NewDocument, NewFrame, NewFailingView));
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { app.OnFileNew(); }));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(gViewsDeleted, 1);
    EXPECT_EQ(gFramesDeleted, 1);
    EXPECT_EQ(gDocumentsDeleted, 1);
}

TEST_F(FrameworkLifetime, WindowDestroyedInItsOwnHandlerIsDeletedAfterTheHandler)
{
    SelfClosingWindow::deleted = 0;
    SelfClosingWindow::aliveAfterDestroy = false;
    auto* window = new SelfClosingWindow;
    RECT rc{0, 0, 100, 100};
    ASSERT_TRUE(window->CreateEx(0, nullptr, L"", WS_POPUP, rc, nullptr, 0));
    HWND hwnd = window->m_hWnd;
    ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(SelfClosingWindow::aliveAfterDestroy);
    EXPECT_EQ(SelfClosingWindow::deleted, 1);
    EXPECT_FALSE(::IsWindow(hwnd));
}
