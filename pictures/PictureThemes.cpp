#include "pictures/PictureThemes.h"
#include "framework/Text.h"
#include "settings/ProfileException.h"
#include "base/ReportProfileError.h"
#include "pictures/LibraryImage.h"
#include <cstring>
#include <cwchar>

const wchar_t* const kShippedThemeFile = L"Pictures.dll";
const wchar_t* const kLastThemeValue = L"LastLibPict";

namespace {

using NameFunction = const char* (*)();

// Code pages of the two names, as the libraries are made.
constexpr UINT kRussianCodePage = 1251;
constexpr UINT kEnglishCodePage = 1252;
// Longer names are cut: a name is read from foreign memory.
constexpr size_t kMaxNameBytes = 1024;
// Resource id of a theme's first picture (type "JPG").
constexpr UINT kFirstPicture = 129;

// No "missing file" or "bad image" boxes from the system while the folder is
// scanned: a file that is no library is simply skipped.
class QuietErrors {
public:
    QuietErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
    ~QuietErrors() { ::SetThreadErrorMode(previous_, nullptr); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    DWORD previous_ = 0;
};

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindClose(h); }
};
using UniqueFind = fw::UniqueHandle<FindTraits>;

// The name function, only when it is code of the library itself: a name
// exported as data, forwarded to another library or pointing anywhere else
// would fault or run foreign code when called.
NameFunction FindName(HMODULE library, const char* name)
{
    void* function = reinterpret_cast<void*>(::GetProcAddress(library, name));
    if (!function || !IsImageCode(library, function))
        return nullptr;
    return reinterpret_cast<NameFunction>(function);
}

// The name is copied only as far as it can be read: a wild pointer or a
// string that runs into unreadable memory fails instead of faulting.
bool CopyName(NameFunction function, UINT codePage, std::wstring& name)
{
    const char* text = function();
    size_t readable = text ? ReadableBytes(text, kMaxNameBytes) : 0;
    size_t length = readable ? strnlen(text, readable) : 0;
    if (readable == 0 || (length == readable && readable < kMaxNameBytes))
        return false;
    name = fw::Widen(std::string_view(text, length), codePage);
    return true;
}

// The system's wildcard also matches a long name through its short alias
// ("x.dllold" is "X~1.DLL"), so the name's own extension is checked.
bool HasLibraryExtension(const std::wstring& fileName)
{
    size_t dot = fileName.find_last_of(L'.');
    return dot != std::wstring::npos && _wcsicmp(fileName.c_str() + dot, L".dll") == 0;
}

// Whether the file exports both name functions as code of its own and holds
// the first picture, seen in a mapping of it that runs none of its code.
bool LooksLikeThemeLibrary(const std::wstring& path)
{
    fw::UniqueModule mapped;
    {
        QuietErrors quiet;
        mapped.reset(::LoadLibraryExW(path.c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    }
    return mapped && MappedImageExports(mapped.get(), "e") && MappedImageExports(mapped.get(), "r") &&
           ::FindResourceW(mapped.get(), MAKEINTRESOURCEW(kFirstPicture), L"JPG");
}

} // namespace

std::wstring StoredThemeFile()
{
    Profile::RegProfile& store = Globals().m_profile;
    std::wstring name;
    try {
        name = store.GetString(kLastThemeValue, L"");
        if (name.empty()) {
            name = kShippedThemeFile;
            store.SetString(kLastThemeValue, name);
        }
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        if (name.empty())
            name = kShippedThemeFile;
    }
    return name;
}

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool LoadPictureTheme(const std::wstring& folder, const std::wstring& fileName, PictureTheme& theme)
{
    // By full path: a bare name could load a library of that name from
    // anywhere on the search path. A library's code runs when it is loaded,
    // at every start: only a file that looks like a theme gets that far.
    std::wstring path = folder + L"\\" + fileName;
    if (!HasLibraryExtension(fileName) || !LooksLikeThemeLibrary(path))
        return false;
    fw::UniqueModule library;
    {
        QuietErrors quiet;
        library.reset(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    }
    // Looked at again as loaded: its own start-up code may have changed the
    // exports, and the system's lookup of a name walks them.
    if (!library || !HasSearchableExports(library.get()))
        return false;
    NameFunction russian = FindName(library.get(), "r");
    NameFunction english = FindName(library.get(), "e");
    if (!russian || !english)
        return false;
    PictureTheme loaded;
    if (!CopyName(russian, kRussianCodePage, loaded.russianName) ||
        !CopyName(english, kEnglishCodePage, loaded.englishName))
        return false;
    loaded.fileName = fileName;
    loaded.library = std::move(library);
    theme = std::move(loaded);
    return true;
}

void LoadPictureThemes(const std::wstring& folder, const std::wstring& current)
{
    // Without a folder the pattern would name the root of the current drive.
    if (folder.empty())
        return;
    CVerbsGlobals& g = Globals();

    WIN32_FIND_DATAW found{};
    UniqueFind search(::FindFirstFileW((folder + L"\\*.dll").c_str(), &found));
    if (!search)
        return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        PictureTheme theme;
        if (!LoadPictureTheme(folder, found.cFileName, theme))
            continue;
        // Exact comparison: a name in other letter case does not count.
        if (theme.fileName == current)
            g.m_hCurrentTheme = theme.library.get();
        g.m_themes.push_back(std::move(theme));
    } while (::FindNextFileW(search.get(), &found));
}

void LoadPictureThemes(const std::wstring& folder)
{
    if (!folder.empty())
        LoadPictureThemes(folder, StoredThemeFile());
}

void LoadProgramPictureThemes(const std::wstring& current)
{
    LoadPictureThemes(ProgramFolder(), current);
}
