#include "framework/WaitCursor.h"
#include "framework/WinThread.h"

CWaitCursor::CWaitCursor()
{
    if (CWinThread* app = CWinThread::Current())
        ++app->m_nWaitCursorCount;
    previous_ = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

CWaitCursor::~CWaitCursor()
{
    CWinThread* app = CWinThread::Current();
    if (app)
        --app->m_nWaitCursorCount;
    if (!app || app->m_nWaitCursorCount == 0)
        ::SetCursor(previous_ ? previous_ : ::LoadCursorW(nullptr, IDC_ARROW));
}

void CWaitCursor::Restore()
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}
