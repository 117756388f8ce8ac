#include "dialogs/HtmlExport.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Shell.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include <commdlg.h>

CHtmlExport::CHtmlExport(HWND owner, const VerbListTable& table) : m_hOwner(owner), m_table(table)
{
}

std::wstring CHtmlExport::AskPath() const
{
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hOwner;
    ofn.lpstrFilter = L"HTML files (*.html)\0*.html\0All files\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"html";
    // The current folder stays: the web link keeps its shortcut there.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn))
        return {};
    return path;
}

void CHtmlExport::Run()
{
    std::wstring path = AskPath();
    if (path.empty())
        return;
    bool written;
    {
        CWaitCursor wait;
        written = CHtmlPage::WritePage(path, CHtmlPage::PageBytes(m_table, IsEnglish()));
    }
    if (!written) {
        AppMessageBox(fw::FormatString1(LoadLangString(IDS_CANNOT_CREATE_FILE, PairOrder::EnglishFirst), path), MB_OK);
        return;
    }
    if (AppMessageBox(LoadLangString(IDS_FILE_CREATED, PairOrder::EnglishFirst), MB_YESNO) != IDYES)
        return;
    CWaitCursor wait;
    fw::ShellOpen(path);
}
