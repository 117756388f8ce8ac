#pragma once
// The answer history of the user: an append-only text file (HistoryLine.h)
// in the user's application data folder. Answers are only ever added at its
// end, one whole line per write, so a write that fails or a process that is
// killed can cost at most the line being written, never an earlier one. A
// reader skips and counts damaged lines and never writes.
#include "data/HistoryLine.h"
#include "handles/Handles.h"
#include <windows.h>
#include <string>
#include <vector>

// What a reading of the history found.
struct HistoryContents {
    std::vector<HistoryEntry> entries; // in the order written
    int damagedLines = 0;              // skipped
    bool unreadable = false;           // the file is there but could not be read
};

class AnswerHistoryFile {
public:
    // The file at path; DefaultPath() for the user's own.
    explicit AnswerHistoryFile(std::wstring path);
    AnswerHistoryFile(const AnswerHistoryFile&) = delete;
    AnswerHistoryFile& operator=(const AnswerHistoryFile&) = delete;

    // %APPDATA%\Tarnik\Verbs\history.txt; empty when the folder is unknown.
    static std::wstring DefaultPath();
    // The history file of this run: DefaultPath(), or the one set instead.
    static std::wstring CurrentPath();
    // Sets the file CurrentPath() gives (empty: back to the default), for
    // tests and the benchmarks.
    static void SetPathOverride(const std::wstring& path);

    const std::wstring& Path() const { return m_path; }

    // Adds the answer's line at the end of the file, with one write to a
    // handle opened for appending (folder and file made at the first
    // answer). True when the whole line was written.
    bool Append(const HistoryEntry& entry);

    // The whole history; a missing file is an empty one.
    static HistoryContents Read(const std::wstring& path, HistoryTexts texts = HistoryTexts::All);

    // Writes to the file: the system's WriteFile. Tests put a failing
    // writer in its place to see the disk fill up.
    using WriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
    static WriteFunction& FileWriter();

private:
    bool Open();
    // Whether the file ends in the middle of a line (a write cut short).
    bool EndsInsideLine();
    bool WriteAll(const std::string& bytes);

    std::wstring m_path;
    win::UniqueFile m_file;
    bool m_checkEnd = true; // just opened: an empty file gets the format line first
};
