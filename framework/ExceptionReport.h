#pragma once
// The report of an exception that a handler (window, dialog, command, idle
// time, message loop, start-up) let through to the framework. The running
// application says how a report is shown; without one it is a plain box.
#include <windows.h>
#include <exception>
#include <string>

namespace fw {

// How the application shows a report: the exception, and the one more text
// that counts the reports that came while one was on screen.
struct ReportHandlers {
    void (*showException)(std::exception_ptr error) = nullptr;
    void (*showText)(const std::wstring& text) = nullptr;
};
void SetReportHandlers(const ReportHandlers& handlers);

// The framework's plain text for an exception: a sentence saying that an
// unexpected error stopped the operation, and what() when it has one.
std::wstring DescribeException(std::exception_ptr error);
// For the framework's catch blocks: hands the exception to the application's
// handler (or shows the plain text when there is none). Never throws. A
// pending WM_QUIT waits until the report is closed. Reports asked for while
// another one is on screen are counted, and one more box afterwards says how
// many came and shows the last, so that a failing paint cannot pile up boxes
// and no failure goes unmentioned.
void ReportException(std::exception_ptr error) noexcept;

} // namespace fw
