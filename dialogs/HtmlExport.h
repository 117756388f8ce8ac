#pragma once
// The Export command of the verbs list: the shown table as an HTML page,
// saved where the user says, then offered for viewing.
#include "data/HtmlPage.h"
#include <windows.h>
#include <string>

class CHtmlExport {
public:
    CHtmlExport(HWND owner, const VerbListTable& table);

    // Asks for the file, writes the page and offers to open it; a page that
    // cannot be written whole is reported, and an older page there is kept.
    void Run();

private:
    // The save dialog; empty when the user cancelled.
    std::wstring AskPath() const;

    HWND m_hOwner;
    const VerbListTable& m_table;
};
