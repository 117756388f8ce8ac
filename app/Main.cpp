// The program's global objects and entry point. The global state is
// defined before the application object so that it is constructed first
// and destroyed last.
#include "app/VerbsApp.h"
#include "app/VerbsGlobals.h"
#include "framework/WinApp.h"

CVerbsGlobals theGlobals;
CVerbsApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    return RunApplication();
}
