#include "framework/ExceptionReport.h"
#include "framework/Text.h"

namespace {
constexpr UINT kAppTitleString = 0xE000; // 57344
} // namespace

namespace fw {

std::wstring DescribeException(std::exception_ptr error)
{
    std::wstring text = L"An unexpected error stopped the operation.";
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        // what() has no known encoding: its ASCII is shown, the rest as '?'.
        text += L"\n\n";
        for (const char* c = e.what(); *c; ++c)
            text += static_cast<unsigned char>(*c) < 0x80 ? static_cast<wchar_t>(*c) : L'?';
    } catch (...) {
    }
    return text;
}

namespace {

// Takes a pending WM_QUIT off the queue for as long as the object lives and
// posts it again afterwards: a modal loop that sees it ends at once, and a
// report box would vanish before anyone read it.
class QuitHeldBack {
public:
    QuitHeldBack()
    {
        MSG msg;
        held_ = ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
        code_ = static_cast<int>(msg.wParam);
    }
    ~QuitHeldBack()
    {
        if (held_)
            ::PostQuitMessage(code_);
    }
    QuitHeldBack(const QuitHeldBack&) = delete;
    QuitHeldBack& operator=(const QuitHeldBack&) = delete;

private:
    bool held_ = false;
    int code_ = 0;
};

ReportHandlers gHandlers;

void ShowPlainText(const std::wstring& text)
{
    ::MessageBoxW(nullptr, text.c_str(), LoadResString(kAppTitleString).c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void ShowReport(std::exception_ptr error)
{
    if (gHandlers.showException)
        gHandlers.showException(error);
    else
        ShowPlainText(DescribeException(error));
}

void ShowText(const std::wstring& text)
{
    if (gHandlers.showText)
        gHandlers.showText(text);
    else
        ShowPlainText(text);
}

} // namespace

void SetReportHandlers(const ReportHandlers& handlers)
{
    gHandlers = handlers;
}

void ReportException(std::exception_ptr error) noexcept
{
    // Failures while a report is on screen (a paint that keeps failing under
    // it, say) get no box each: one more box afterwards counts them.
    static bool reporting = false;
    static int missed = 0;
    static std::exception_ptr lastMissed;
    if (reporting) {
        ::OutputDebugStringW(L"An exception was reported while another report was on screen\n");
        ++missed;
        lastMissed = error;
        return;
    }
    reporting = true;
    try {
        QuitHeldBack quit;
        ShowReport(error);
        if (missed > 0) {
            std::wstring more = L"And " + std::to_wstring(missed) +
                                L" more error(s) came while that report was on screen. The last one:\n\n" +
                                DescribeException(lastMissed);
            missed = 0;
            lastMissed = nullptr;
            ShowText(more);
        }
    } catch (...) {
        ::OutputDebugStringW(L"The report of an exception failed\n");
    }
    missed = 0;
    lastMissed = nullptr;
    reporting = false;
}

} // namespace fw
