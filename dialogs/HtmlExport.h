#pragma once
// The Export command of the verbs list: the shown table as an HTML page in
// code page 1251, saved where the user says, then offered for viewing.
#include <windows.h>
#include <array>
#include <string>
#include <vector>

// The table the verbs list shows: its group, column titles and rows in
// display order.
struct VerbListTable {
    using Row = std::array<std::wstring, 4>;
    std::wstring groupName;
    Row titles;
    std::vector<Row> rows;
};

class CHtmlExport {
public:
    CHtmlExport(HWND owner, const VerbListTable& table);

    // Asks for the file, writes the page and offers to open it; a page that
    // cannot be written whole is reported, and an older page there is kept.
    void Run();

    // The page, byte for byte: everything up to the credit line on the first
    // line, the closing tags on the second. Texts are escaped.
    static std::string PageBytes(const VerbListTable& table, bool english);
    // Writes the whole page or nothing: the file there before stays as it
    // was when the page cannot be written, replaced or is read-only.
    static bool WritePage(const std::wstring& path, const std::string& bytes);

    // Writes the page to its file: the system's WriteFile. Tests put a failing
    // writer in its place to see the disk fill up.
    using WriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
    static WriteFunction& FileWriter();

private:
    // The save dialog; empty when the user cancelled.
    std::wstring AskPath() const;

    HWND m_hOwner;
    const VerbListTable& m_table;
};
