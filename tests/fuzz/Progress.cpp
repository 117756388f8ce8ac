#include "Progress.h"
#include <utility>

namespace fuzz {

namespace {
Progress* MapView(HANDLE mapping)
{
    return mapping ? static_cast<Progress*>(::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Progress)))
                   : nullptr;
}
} // namespace

ProgressMapping ProgressMapping::Create(const std::wstring& name)
{
    const ULONGLONG size = sizeof(Progress);
    HANDLE mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(size >> 32),
                                          static_cast<DWORD>(size), name.c_str());
    return ProgressMapping(mapping, MapView(mapping)); // page-file memory starts zeroed
}

ProgressMapping ProgressMapping::Open(const std::wstring& name)
{
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
    return ProgressMapping(mapping, MapView(mapping));
}

ProgressMapping::ProgressMapping(ProgressMapping&& other) noexcept
    : mapping_(std::exchange(other.mapping_, nullptr)), view_(std::exchange(other.view_, nullptr))
{
}

ProgressMapping::~ProgressMapping()
{
    if (view_)
        ::UnmapViewOfFile(view_);
    if (mapping_)
        ::CloseHandle(mapping_);
}

} // namespace fuzz
