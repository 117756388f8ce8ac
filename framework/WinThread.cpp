#include "framework/WinThread.h"
#include "framework/Text.h"

namespace {
CWinThread* gApp = nullptr;
constexpr UINT kAppTitleString = 0xE000; // 57344
} // namespace

CWinThread::CWinThread() : m_title(fw::LoadResString(kAppTitleString))
{
    // A derived object whose construction fails unregisters in the
    // destructor, so it never stays the application.
    gApp = this;
}

CWinThread::~CWinThread()
{
    if (gApp == this)
        gApp = nullptr;
}

CWinThread* CWinThread::Current()
{
    return gApp;
}
