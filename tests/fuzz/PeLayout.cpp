#include "PeLayout.h"
#include <algorithm>
#include <cstring>

namespace fuzz {

namespace {

template <typename T>
bool ReadAt(const std::string& file, size_t offset, T& value)
{
    if (offset > file.size() || sizeof(T) > file.size() - offset)
        return false;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return true;
}

} // namespace

DWORD PeLayout::ReadDword(const std::string& file, size_t offset)
{
    DWORD value = 0;
    ReadAt(file, offset, value);
    return value;
}

void PeLayout::WriteDword(std::string& file, size_t offset, DWORD value)
{
    if (offset <= file.size() && sizeof(value) <= file.size() - offset)
        std::memcpy(&file[offset], &value, sizeof(value));
}

bool PeLayout::Parse(const std::string& file)
{
    sections_.clear();
    IMAGE_DOS_HEADER dos{};
    if (!ReadAt(file, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0)
        return false;
    const size_t ntOffset = static_cast<size_t>(dos.e_lfanew);
    IMAGE_NT_HEADERS nt{};
    if (!ReadAt(file, ntOffset, nt) || nt.Signature != IMAGE_NT_SIGNATURE ||
        nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC ||
        nt.OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_RESOURCE)
        return false;
    sizeOfImage_ = nt.OptionalHeader.SizeOfImage;
    exportRva_ = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress;
    exportSize_ = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].Size;
    resourceRva_ = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
    exportEntryOffset_ = ntOffset + offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
                         offsetof(IMAGE_OPTIONAL_HEADER, DataDirectory) +
                         IMAGE_DIRECTORY_ENTRY_EXPORT * sizeof(IMAGE_DATA_DIRECTORY);
    const size_t table = ntOffset + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER header{};
        const size_t at = table + i * sizeof(IMAGE_SECTION_HEADER);
        if (!ReadAt(file, at, header))
            return false;
        Section s;
        s.va = header.VirtualAddress;
        s.virtualSize = header.Misc.VirtualSize;
        s.rawOffset = header.PointerToRawData;
        s.rawSize = header.SizeOfRawData;
        s.characteristics = header.Characteristics;
        s.headerOffset = at;
        sections_.push_back(s);
    }
    return !sections_.empty();
}

const PeLayout::Section* PeLayout::SectionOf(DWORD rva) const
{
    for (const Section& s : sections_)
        if (rva >= s.va && rva - s.va < std::max(s.virtualSize, s.rawSize))
            return &s;
    return nullptr;
}

std::optional<size_t> PeLayout::FileOffset(DWORD rva, size_t length) const
{
    const Section* s = SectionOf(rva);
    if (!s)
        return std::nullopt;
    const size_t inside = rva - s->va;
    if (inside > s->rawSize || length > s->rawSize - inside)
        return std::nullopt;
    return s->rawOffset + inside;
}

bool PeLayout::IsCode(DWORD rva) const
{
    if (rva >= exportRva_ && rva - exportRva_ < exportSize_)
        return false;
    for (const Section& s : sections_)
        if ((s.characteristics & IMAGE_SCN_MEM_EXECUTE) && rva >= s.va && rva - s.va < s.virtualSize)
            return true;
    return false;
}

std::optional<size_t> PeLayout::FunctionEntry(const std::string& file, const char* name) const
{
    IMAGE_EXPORT_DIRECTORY exports{};
    std::optional<size_t> at = FileOffset(exportRva_, sizeof exports);
    if (exportRva_ == 0 || !at || !ReadAt(file, *at, exports) || exports.NumberOfNames > 0x10000)
        return std::nullopt;
    std::optional<size_t> names = FileOffset(exports.AddressOfNames, exports.NumberOfNames * sizeof(DWORD));
    std::optional<size_t> ordinals = FileOffset(exports.AddressOfNameOrdinals, exports.NumberOfNames * sizeof(WORD));
    if (!names || !ordinals)
        return std::nullopt;
    const size_t length = std::strlen(name) + 1;
    std::optional<size_t> entry;
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
        std::optional<size_t> text = FileOffset(ReadDword(file, *names + i * sizeof(DWORD)), length);
        if (!text || std::memcmp(file.data() + *text, name, length) != 0)
            continue;
        if (entry)
            return std::nullopt; // the name twice
        WORD index = 0;
        ReadAt(file, *ordinals + i * sizeof(WORD), index);
        if (index >= exports.NumberOfFunctions)
            return std::nullopt;
        entry = FileOffset(exports.AddressOfFunctions + index * sizeof(DWORD), sizeof(DWORD));
        if (!entry)
            return std::nullopt;
    }
    return entry;
}

} // namespace fuzz
