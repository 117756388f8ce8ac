// The program's global objects and entry point, where the application shell
// gets the parts above it. The global state is defined before the
// application object so that it is constructed first and destroyed last.
#include "app/VerbsApp.h"
#include "app/VerbsGlobals.h"
#include "framework/WinApp.h"
#include "view/VerbsView.h"

CVerbsGlobals theGlobals;
CVerbsApp theApp(VerbsAppParts{NewVerbsView});

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    return RunApplication();
}
