#include "data/AnswerHistoryFile.h"
#include <shlobj.h>
#include <algorithm>

namespace {

std::wstring& PathOverride()
{
    static std::wstring path;
    return path;
}

// Makes the folders of a file's path that are missing.
void MakeFolders(const std::wstring& filePath)
{
    for (size_t slash = filePath.find_first_of(L"\\/", 3); slash != std::wstring::npos;
         slash = filePath.find_first_of(L"\\/", slash + 1))
        ::CreateDirectoryW(filePath.substr(0, slash).c_str(), nullptr);
}

} // namespace

AnswerHistoryFile::AnswerHistoryFile(std::wstring path) : m_path(std::move(path))
{
}

std::wstring AnswerHistoryFile::DefaultPath()
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::wstring(folder) + L"\\Tarnik\\Verbs\\history.txt";
}

std::wstring AnswerHistoryFile::CurrentPath()
{
    return PathOverride().empty() ? DefaultPath() : PathOverride();
}

void AnswerHistoryFile::SetPathOverride(const std::wstring& path)
{
    PathOverride() = path;
}

AnswerHistoryFile::WriteFunction& AnswerHistoryFile::FileWriter()
{
    static WriteFunction writer = ::WriteFile;
    return writer;
}

bool AnswerHistoryFile::Open()
{
    if (m_file)
        return true;
    if (m_path.empty())
        return false;
    MakeFolders(m_path);
    // Appending only: every write lands at the end, whatever else has the
    // file open. Readers and other copies of the program may share it.
    m_file.reset(::CreateFileW(m_path.c_str(), FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
    m_checkEnd = true;
    return static_cast<bool>(m_file);
}

bool AnswerHistoryFile::EndsInsideLine()
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(m_file.get(), &size) || size.QuadPart == 0)
        return false;
    OVERLAPPED at{};
    const long long last = size.QuadPart - 1;
    at.Offset = static_cast<DWORD>(last & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(last >> 32);
    char byte = '\n';
    DWORD read = 0;
    // Unreadable: assume the worst, one empty line costs nothing.
    if (!::ReadFile(m_file.get(), &byte, 1, &read, &at) || read != 1)
        return true;
    return byte != '\n';
}

bool AnswerHistoryFile::WriteAll(const std::string& bytes)
{
    DWORD written = 0;
    return FileWriter()(m_file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool AnswerHistoryFile::Append(const HistoryEntry& entry)
{
    if (!Open())
        return false;
    std::string bytes;
    // Looked at before every line: another run sharing the file may have
    // been killed in the middle of its own line since the last one.
    LARGE_INTEGER size{};
    if (m_checkEnd && ::GetFileSizeEx(m_file.get(), &size) && size.QuadPart == 0)
        bytes = kHistoryHeader;
    else if (EndsInsideLine())
        bytes = "\n"; // the cut line stays apart, to be skipped as damaged
    bytes += HistoryLineOf(entry);
    const bool whole = WriteAll(bytes);
    m_checkEnd = false; // the format line goes only into a file new to this run
    if (!whole)
        m_file.reset(); // a new handle next time, in case this one went bad
    return whole;
}

HistoryContents AnswerHistoryFile::Read(const std::wstring& path, HistoryTexts texts)
{
    HistoryContents contents;
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        contents.unreadable = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return contents;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > (1LL << 30)) {
        contents.unreadable = true;
        return contents;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            contents.unreadable = true;
            return contents;
        }
        if (read == 0)
            break; // shorter than it was a moment ago
        done += read;
    }
    bytes.resize(done);

    size_t start = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3; // saved again by an editor
    contents.entries.reserve(bytes.size() / 60);
    const std::string_view all(bytes);
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos) {
            // A last line without its line feed was cut short while written.
            ++contents.damagedLines;
            break;
        }
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line == "\r" || line[0] == '#')
            continue;
        // Read in place: no copy of the texts.
        contents.entries.emplace_back();
        if (!ParseHistoryLine(line, contents.entries.back(), texts)) {
            contents.entries.pop_back();
            ++contents.damagedLines;
        }
    }
    return contents;
}
