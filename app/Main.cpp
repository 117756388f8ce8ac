// The program's global objects and entry point, where the application shell
// gets the parts above it. The global state is defined before the
// application object so that it is constructed first and destroyed last.
// Built into verbs.exe alone, outside the program's layered libraries.
#include "app/VerbsApp.h"
#include "base/VerbsGlobals.h"
#include "framework/WinApp.h"
#include "pictures/PictureThemes.h"
#include "view/VerbsView.h"
#include <cstdlib>
#include <exception>

namespace {
// What escapes every other guard (a failure while the global objects are
// made or destroyed) still ends the program with a word, not silently.
// Installed before the global objects below are constructed.
[[noreturn]] void ReportTermination()
{
    fw::ReportException(std::current_exception());
    std::abort();
}
const std::terminate_handler kPreviousTerminate = std::set_terminate(ReportTermination);
} // namespace

CVerbsGlobals theGlobals;
CVerbsApp theApp(VerbsAppParts{NewVerbsView, StoredThemeFile, LoadProgramPictureThemes});

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    // Start-up, message loop and exit report their own failures.
    return RunApplication();
}
