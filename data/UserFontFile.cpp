#include "data/UserFontFile.h"
#include "data/ProductInfo.h"
#include "framework/FileSystem.h"
#include "framework/Shell.h"
#include "handles/Handles.h"
#include "framework/Text.h"
#include <shlobj.h>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

static_assert(sizeof(LOGFONTA) == 60, "the file holds the 60-byte 8-bit LOGFONT");
static_assert(sizeof(COLORREF) == 4, "the file ends with a 32-bit colour");

std::wstring InFolder(const std::wstring& folder)
{
    return folder.empty() ? folder : folder + L"\\" + CUserFontFile::kFileName;
}

// The system folder as the system reports it: where a 32-bit version looked.
std::wstring ReportedSystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(folder, n);
}

UserFontPlaces PlacesOfThisSystem()
{
    UserFontPlaces places;
    places.user = InFolder(fw::UserDataFolder(kUserDataSubfolder));
    // A 32-bit version's file went to the 32-bit system folder on 64-bit
    // Windows, and without rights to it, to the user's VirtualStore.
    const std::wstring reported = InFolder(ReportedSystemFolder());
    const std::wstring wow64 = InFolder(fw::Wow64SystemFolder());
    for (const std::wstring& path : {reported, wow64}) {
        std::wstring copy = path.empty() ? path : fw::VirtualStorePath(path);
        if (!copy.empty())
            places.virtualCopies.push_back(copy);
    }
    // The same file for the 32-bit and the 64-bit program.
    places.system = InFolder(fw::NativeSystemFolder());
    if (!wow64.empty())
        places.olderCopies.push_back(wow64);
    return places;
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

// Rewrites an existing file in place, for a copy that cannot be deleted or
// replaced because another program holds it open (sharing its writes).
bool OverwriteInPlace(const std::wstring& path, const std::string& bytes)
{
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           CUserFontFile::FileWriter()(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && ::SetEndOfFile(file.get());
}

// A copy read before the new record: it goes, or it takes the new record.
bool Retire(const std::wstring& path, const std::string& bytes)
{
    if (path.empty() || ::DeleteFileW(path.c_str()))
        return true;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           fw::ReplaceFileWhole(path, bytes, CUserFontFile::FileWriter()) || OverwriteInPlace(path, bytes);
}

// A file as it was before a write, to be put back.
struct Previous {
    bool existed = false;
    std::string bytes;
};

Previous Remember(const std::wstring& path)
{
    return {fw::FileExists(path), ReadHead(path, 64 * 1024)};
}

void Restore(const std::wstring& path, const Previous& previous)
{
    if (previous.existed)
        fw::ReplaceFileWhole(path, previous.bytes, CUserFontFile::FileWriter());
    else
        ::DeleteFileW(path.c_str());
}

} // namespace

CUserFontFile::CUserFontFile() : m_places(PlacesOfThisSystem())
{
}

CUserFontFile::CUserFontFile(std::wstring systemPath, std::wstring userPath)
{
    m_places.system = std::move(systemPath);
    m_places.user = std::move(userPath);
}

CUserFontFile::CUserFontFile(UserFontPlaces places) : m_places(std::move(places))
{
}

CUserFontFile::WriteFunction& CUserFontFile::FileWriter()
{
    static WriteFunction writer = ::WriteFile;
    return writer;
}

std::vector<std::wstring> CUserFontFile::AllPaths() const
{
    std::vector<std::wstring> paths{m_places.user};
    paths.insert(paths.end(), m_places.virtualCopies.begin(), m_places.virtualCopies.end());
    paths.push_back(m_places.system);
    paths.insert(paths.end(), m_places.olderCopies.begin(), m_places.olderCopies.end());
    return paths;
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
    for (const std::wstring& path : AllPaths())
        if (auto record = Decode(ReadHead(path, kSize)))
            return record;
    return std::nullopt;
}

bool CUserFontFile::Write(const UserFontRecord& record, std::wstring* failedPath) const
{
    auto fail = [&](const std::wstring& path) {
        if (failedPath)
            *failedPath = path;
        return false;
    };
    const std::string bytes = Encode(record);
    const Previous system = Remember(m_places.system);
    if (!fw::ReplaceFileWhole(m_places.system, bytes, FileWriter())) {
        // Read first, so nothing can hide it.
        const size_t slash = m_places.user.find_last_of(L'\\');
        if (slash != std::wstring::npos)
            ::SHCreateDirectoryExW(nullptr, m_places.user.substr(0, slash).c_str(), nullptr);
        return fw::ReplaceFileWhole(m_places.user, bytes, FileWriter()) || fail(m_places.user);
    }
    // The copies read before the system's would hide the new record. They
    // are dealt with from the last to the first: where one stays in the way,
    // the first of them still says what it said, and so does the system copy
    // once it is put back.
    std::vector<std::wstring> hiding{m_places.user};
    hiding.insert(hiding.end(), m_places.virtualCopies.begin(), m_places.virtualCopies.end());
    for (auto path = hiding.rbegin(); path != hiding.rend(); ++path) {
        if (!Retire(*path, bytes)) {
            Restore(m_places.system, system);
            return fail(*path);
        }
    }
    return true;
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
