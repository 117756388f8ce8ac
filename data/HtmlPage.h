#pragma once
// The verbs list as an HTML page in code page 1251: the page's bytes and
// their writing to a file, with no user interface.
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

// The exported page of a verb table, and its writing to a file.
class CHtmlPage {
public:
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
};
