#include "FuzzSupport.h"
#include <cstdio>
#include <vector>

namespace fuzz {

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? L"." : folder.substr(0, slash);
}

ResourceModule::ResourceModule(const std::wstring& path)
    : module_(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
{
}

ResourceModule::~ResourceModule()
{
    if (module_)
        ::FreeLibrary(module_);
}

std::string ResourceModule::Resource(const wchar_t* type, int id) const
{
    HRSRC info = module_ ? ::FindResourceW(module_, MAKEINTRESOURCEW(id), type) : nullptr;
    HGLOBAL handle = info ? ::LoadResource(module_, info) : nullptr;
    const char* data = handle ? static_cast<const char*>(::LockResource(handle)) : nullptr;
    return data ? std::string(data, ::SizeofResource(module_, info)) : std::string();
}

namespace {

class Scratch {
public:
    Scratch()
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"verbs-fuzz-" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~Scratch()
    {
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileW((folder_ + L"\\" + found.cFileName).c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(folder_.c_str());
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::wstring& Folder() const { return folder_; }

private:
    std::wstring folder_;
};

} // namespace

const std::wstring& ScratchFolder()
{
    static Scratch scratch;
    return scratch.Folder();
}

std::string Shown(const std::wstring& text, size_t most)
{
    std::string shown;
    for (size_t i = 0; i < text.size() && shown.size() < most; ++i) {
        wchar_t c = text[i];
        if (c >= 0x20 && c < 0x7F && c != L'\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            shown += escaped;
        }
    }
    if (shown.size() >= most)
        shown += "...";
    return "\"" + shown + "\"";
}

std::string ShownBytes(const std::string& bytes, size_t most)
{
    std::string shown;
    for (size_t i = 0; i < bytes.size() && shown.size() < most; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    if (shown.size() >= most)
        shown += "...";
    return "\"" + shown + "\"";
}

} // namespace fuzz
