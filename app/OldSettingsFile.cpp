#include "app/OldSettingsFile.h"
#include "framework/FileSystem.h"
#include "framework/Handles.h"
#include <algorithm>
#include <cstdint>
#include <cwchar>

namespace {

constexpr const wchar_t* kSection = L"Verbs";
constexpr DWORD kMostBytesHashed = 64 * 1024;
// The old version's section is a few lines; a longer one is looked at this far.
constexpr size_t kMostSectionChars = 1 << 20;

std::wstring WindowsFolderFile(const wchar_t* name)
{
    wchar_t dir[255];
    UINT n = ::GetWindowsDirectoryW(dir, 255);
    if (n == 0 || n >= 255)
        return {};
    return std::wstring(dir, n) + L"\\" + name;
}

// FNV-1a over the bytes, shown with the size of the whole file.
class ContentHash {
public:
    void Add(const char* data, DWORD size)
    {
        for (DWORD i = 0; i < size; ++i) {
            m_hash ^= static_cast<unsigned char>(data[i]);
            m_hash *= 1099511628211ULL;
        }
    }
    std::wstring Text(std::uint64_t fileSize) const
    {
        wchar_t text[64];
        std::swprintf(text, 64, L"%llu:%016llx", static_cast<unsigned long long>(fileSize),
                      static_cast<unsigned long long>(m_hash));
        return text;
    }

private:
    std::uint64_t m_hash = 14695981039346656037ULL;
};

} // namespace

OldSettingsFile::OldSettingsFile() : m_path(WindowsFolderFile(L"Verbs.ini"))
{
}

OldSettingsFile::OldSettingsFile(std::wstring path) : m_path(std::move(path))
{
}

OldSettingsFile OldSettingsFile::VirtualCopy()
{
    std::wstring shared = WindowsFolderFile(L"Verbs.ini");
    return OldSettingsFile(shared.empty() ? shared : fw::VirtualStorePath(shared));
}

OldSettingsFile::State OldSettingsFile::Examine()
{
    m_fingerprint.clear();
    if (m_path.empty())
        return State::Missing;
    fw::UniqueFile file(::CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? State::Missing : State::Unreadable;
    }
    // Every start and exit looks at a file that cannot be deleted: a huge
    // one is hashed only so far, its size standing for the rest.
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size))
        return State::Unreadable;
    ContentHash hash;
    char buffer[4096];
    for (DWORD total = 0; total < kMostBytesHashed;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr))
            return State::Unreadable;
        if (read == 0)
            break;
        hash.Add(buffer, read);
        total += read;
    }
    m_fingerprint = hash.Text(static_cast<std::uint64_t>(size.QuadPart));
    return State::Readable;
}

bool OldSettingsFile::HoldsOptions() const
{
    // The section's lines, not the list of its key names: that list may come
    // back empty when a line has no name ("=1"), hiding every setting.
    std::wstring lines(4096, L'\0');
    DWORD n = 0;
    for (;;) {
        n = ::GetPrivateProfileSectionW(kSection, lines.data(), static_cast<DWORD>(lines.size()), m_path.c_str());
        if (n + 2 < lines.size() || lines.size() >= kMostSectionChars)
            break;
        lines.resize(lines.size() * 2); // cut short: "size - 2" came back
    }
    lines.resize(n);
    // A setting is a line with a name before its "=".
    for (size_t start = 0; start < lines.size();) {
        size_t end = std::min(lines.find(L'\0', start), lines.size());
        size_t equals = lines.find(L'=', start);
        if (equals > start && equals < end)
            return true;
        start = end + 1;
    }
    return false;
}

int OldSettingsFile::ReadOption(const wchar_t* name, int def) const
{
    return static_cast<int>(::GetPrivateProfileIntW(kSection, name, def, m_path.c_str()));
}

bool OldSettingsFile::Delete() const
{
    if (m_path.empty() || ::DeleteFileW(m_path.c_str()))
        return true;
    DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
