#pragma once
// What several fuzz targets need: modules beside the fuzzing program mapped
// for their resources, a scratch folder, and texts shown in reports.
#include <windows.h>
#include <string>

namespace fuzz {

// The folder of the fuzzing program (the build's bin folder).
std::wstring ProgramFolder();

// A module mapped for its resources only; no code of it runs.
class ResourceModule {
public:
    explicit ResourceModule(const std::wstring& path);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    HMODULE get() const { return module_; }
    // The bytes of a resource; empty when it is missing.
    std::string Resource(const wchar_t* type, int id) const;

private:
    HMODULE module_;
};

// A folder of this process in the temporary folder, emptied and removed
// when the process ends normally.
const std::wstring& ScratchFolder();

// A text for a report: printable ASCII as it is, everything else escaped.
std::string Shown(const std::wstring& text, size_t most = 160);
std::string ShownBytes(const std::string& bytes, size_t most = 160);

} // namespace fuzz
