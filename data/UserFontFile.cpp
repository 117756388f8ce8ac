#include "data/UserFontFile.h"
#include "handles/Handles.h"
#include "framework/Text.h"
#include <shlobj.h>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

static_assert(sizeof(LOGFONTA) == 60, "the file holds the 60-byte 8-bit LOGFONT");
static_assert(sizeof(COLORREF) == 4, "the file ends with a 32-bit colour");

std::wstring SystemFolderPath()
{
    wchar_t folder[MAX_PATH] = {};
    UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return {};
    return std::wstring(folder) + L"\\" + CUserFontFile::kFileName;
}

// The program's folder in the user's roaming application data.
std::wstring UserFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::wstring(folder) + L"\\Tarnik\\Verbs";
}

std::string ReadHead(const std::wstring& path, size_t count)
{
    if (path.empty())
        return {};
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(count), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes)
{
    if (path.empty())
        return false;
    // Shared with readers: a program that only reads the file (a scanner, an
    // indexer) does not keep the new record out.
    HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole = ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    whole = ::CloseHandle(handle) && whole;
    if (!whole)
        ::DeleteFileW(path.c_str()); // a cut record would be ignored anyway
    return whole;
}

} // namespace

CUserFontFile::CUserFontFile()
    : m_systemPath(SystemFolderPath()),
      m_userPath(UserFolder().empty() ? std::wstring() : UserFolder() + L"\\" + kFileName)
{
}

CUserFontFile::CUserFontFile(std::wstring systemPath, std::wstring userPath)
    : m_systemPath(std::move(systemPath)), m_userPath(std::move(userPath))
{
}

std::string CUserFontFile::Encode(const UserFontRecord& record)
{
    std::string bytes(kSize, '\0');
    std::memcpy(bytes.data(), &record.logFont, sizeof(LOGFONTA));
    const COLORREF c = record.colour;
    // Little-endian, whatever the machine.
    for (int i = 0; i < 4; ++i)
        bytes[sizeof(LOGFONTA) + i] = static_cast<char>((c >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<UserFontRecord> CUserFontFile::Decode(const std::string& bytes)
{
    if (bytes.size() < kSize)
        return std::nullopt;
    UserFontRecord record;
    std::memcpy(&record.logFont, bytes.data(), sizeof(LOGFONTA));
    if (std::memchr(record.logFont.lfFaceName, '\0', LF_FACESIZE) == nullptr)
        return std::nullopt;
    // Larger than any size the font chooser gives is damage: every panel
    // would take seconds, or minutes, to draw its text.
    if (std::abs(static_cast<long long>(record.logFont.lfHeight)) > kMostFontUnits ||
        std::abs(static_cast<long long>(record.logFont.lfWidth)) > kMostFontUnits)
        return std::nullopt;
    COLORREF c = 0;
    for (int i = 0; i < 4; ++i)
        c |= static_cast<COLORREF>(static_cast<unsigned char>(bytes[sizeof(LOGFONTA) + i])) << (8 * i);
    record.colour = c;
    return record;
}

std::optional<UserFontRecord> CUserFontFile::Read() const
{
    if (auto record = Decode(ReadHead(m_userPath, kSize)))
        return record;
    return Decode(ReadHead(m_systemPath, kSize));
}

bool CUserFontFile::Write(const UserFontRecord& record) const
{
    const std::string bytes = Encode(record);
    if (WriteWhole(m_systemPath, bytes)) {
        // An older copy of the user's would hide this one: it goes, or, where
        // it cannot go (another program holds it), it takes the new record.
        if (m_userPath.empty() || ::DeleteFileW(m_userPath.c_str()))
            return true;
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || WriteWhole(m_userPath, bytes);
    }
    if (m_userPath.empty())
        return false;
    const std::wstring folder = m_userPath.substr(0, m_userPath.find_last_of(L'\\'));
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return WriteWhole(m_userPath, bytes);
}

namespace {
constexpr UINT kFaceNameCodePage = 1251;

template <typename To, typename From>
void CopyMetrics(To& to, const From& from)
{
    to.lfHeight = from.lfHeight;
    to.lfWidth = from.lfWidth;
    to.lfEscapement = from.lfEscapement;
    to.lfOrientation = from.lfOrientation;
    to.lfWeight = from.lfWeight;
    to.lfItalic = from.lfItalic;
    to.lfUnderline = from.lfUnderline;
    to.lfStrikeOut = from.lfStrikeOut;
    to.lfCharSet = from.lfCharSet;
    to.lfOutPrecision = from.lfOutPrecision;
    to.lfClipPrecision = from.lfClipPrecision;
    to.lfQuality = from.lfQuality;
    to.lfPitchAndFamily = from.lfPitchAndFamily;
}
} // namespace

LOGFONTW WideLogFont(const LOGFONTA& font)
{
    LOGFONTW wide{};
    CopyMetrics(wide, font);
    // The face name ends at its zero (the reader made sure there is one).
    int length = static_cast<int>(strnlen(font.lfFaceName, LF_FACESIZE));
    ::MultiByteToWideChar(kFaceNameCodePage, 0, font.lfFaceName, length, wide.lfFaceName, LF_FACESIZE - 1);
    return wide;
}

std::optional<LOGFONTA> NarrowLogFont(const LOGFONTW& font)
{
    LOGFONTA narrow{};
    CopyMetrics(narrow, font);
    std::optional<std::string> face =
        fw::NarrowExactly(std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)), kFaceNameCodePage);
    if (!face || face->size() >= LF_FACESIZE)
        return std::nullopt;
    std::memcpy(narrow.lfFaceName, face->data(), face->size());
    return narrow;
}
