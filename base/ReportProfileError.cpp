#include "base/ReportProfileError.h"
#include "framework/WinApp.h"
#include "settings/ProfileException.h"

void ReportProfileError(const Profile::RegException& error)
{
    AppMessageBox(L"Oops! Profile::RegException\n\n" + error.Detail(), MB_OK | MB_ICONSTOP);
}
