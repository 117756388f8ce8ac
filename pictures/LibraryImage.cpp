#include "pictures/LibraryImage.h"
#include <cstring>
#include <optional>
#include <utility>

namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
// More exports than any library has: a damaged count is not followed further.
constexpr DWORD kMaxExports = 0x10000;

// The image's first byte: the low bits of a data-file handle say how it was mapped.
const BYTE* ImageBase(HMODULE mapped)
{
    return reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(mapped) & ~static_cast<ULONG_PTR>(3));
}

// The size bytes at offset rva of the image, or null when they are outside
// it or not all readable.
const BYTE* ImageBytes(const BYTE* base, DWORD imageSize, DWORD rva, size_t size)
{
    if (rva > imageSize || size > imageSize - rva || ReadableBytes(base + rva, size) < size)
        return nullptr;
    return base + rva;
}

const IMAGE_NT_HEADERS* NtHeaders(const BYTE* base)
{
    if (ReadableBytes(base, sizeof(IMAGE_DOS_HEADER)) < sizeof(IMAGE_DOS_HEADER))
        return nullptr;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 || dos->e_lfanew > 0x10000000)
        return nullptr;
    const BYTE* at = base + dos->e_lfanew;
    if (ReadableBytes(at, sizeof(IMAGE_NT_HEADERS)) < sizeof(IMAGE_NT_HEADERS))
        return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(at);
    // A library of the other word size has other headers; it could not be loaded here anyway.
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC ||
        nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_EXPORT)
        return nullptr;
    return nt;
}

// Whether the zero-terminated string at rva is exactly name.
bool NameAt(const BYTE* base, DWORD imageSize, DWORD rva, const char* name)
{
    size_t size = std::strlen(name) + 1;
    const BYTE* text = ImageBytes(base, imageSize, rva, size);
    return text && std::memcmp(text, name, size) == 0;
}

// Whether rva lies in a section that the loader maps executable. A section
// marked as code but not executable is mapped without execute access, so
// only the execute flag counts.
bool IsCodeRva(const BYTE* base, const IMAGE_NT_HEADERS* nt, DWORD rva)
{
    DWORD imageSize = nt->OptionalHeader.SizeOfImage;
    if (rva >= imageSize)
        return false;
    const BYTE* optional = reinterpret_cast<const BYTE*>(&nt->OptionalHeader);
    DWORD tableRva = static_cast<DWORD>(optional - base) + nt->FileHeader.SizeOfOptionalHeader;
    WORD count = nt->FileHeader.NumberOfSections;
    const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        ImageBytes(base, imageSize, tableRva, count * sizeof(IMAGE_SECTION_HEADER)));
    if (!sections)
        return false;
    for (WORD i = 0; i < count; ++i) {
        const IMAGE_SECTION_HEADER& section = sections[i];
        DWORD extent = section.Misc.VirtualSize ? section.Misc.VirtualSize : section.SizeOfRawData;
        if (rva >= section.VirtualAddress && rva - section.VirtualAddress < extent)
            return (section.Characteristics & IMAGE_SCN_MEM_EXECUTE) != 0;
    }
    return false; // the headers, or a gap between sections
}

// Whether a zero-terminated text starts at rva and ends inside the image.
// known: a stretch of the image found readable before; the names of an
// export directory lie together, so the system is asked once per stretch.
bool TextInImage(const BYTE* base, DWORD imageSize, DWORD rva, std::pair<DWORD, DWORD>& known)
{
    if (rva >= imageSize)
        return false;
    if (rva < known.first || rva >= known.second)
        known = {rva, rva + static_cast<DWORD>(ReadableBytes(base + rva, imageSize - rva))};
    return known.second > rva && std::memchr(base + rva, 0, known.second - rva) != nullptr;
}

// The tables of an image's export directory, as the system's lookup by
// name reads them.
struct ExportTables {
    DWORD rva = 0;  // of the directory
    DWORD size = 0;
    DWORD count = 0; // of the names
    const DWORD* names = nullptr;
    const WORD* ordinals = nullptr;
    const DWORD* functions = nullptr;
};

// The export tables, only when a lookup by any name can read them without a
// fault: the directory and its three tables inside the image, every name a
// text that ends inside it, and every name's entry inside the function
// table. The system's search compares the names it meets on the way to the
// one it looks for, so one stray name anywhere faults the lookup of e or r.
std::optional<ExportTables> SearchableExports(const BYTE* base, const IMAGE_NT_HEADERS* nt)
{
    DWORD imageSize = nt->OptionalHeader.SizeOfImage;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.VirtualAddress == 0)
        return std::nullopt;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
        ImageBytes(base, imageSize, directory.VirtualAddress, sizeof(IMAGE_EXPORT_DIRECTORY)));
    if (!exports || exports->NumberOfNames > kMaxExports || exports->NumberOfFunctions > kMaxExports)
        return std::nullopt;
    ExportTables tables;
    tables.rva = directory.VirtualAddress;
    tables.size = directory.Size;
    tables.count = exports->NumberOfNames;
    tables.names = reinterpret_cast<const DWORD*>(
        ImageBytes(base, imageSize, exports->AddressOfNames, tables.count * sizeof(DWORD)));
    tables.ordinals = reinterpret_cast<const WORD*>(
        ImageBytes(base, imageSize, exports->AddressOfNameOrdinals, tables.count * sizeof(WORD)));
    tables.functions = reinterpret_cast<const DWORD*>(
        ImageBytes(base, imageSize, exports->AddressOfFunctions, exports->NumberOfFunctions * sizeof(DWORD)));
    if (!tables.names || !tables.ordinals || !tables.functions)
        return std::nullopt;
    std::pair<DWORD, DWORD> readable{0, 0};
    for (DWORD i = 0; i < tables.count; ++i) {
        if (tables.ordinals[i] >= exports->NumberOfFunctions ||
            !TextInImage(base, imageSize, tables.names[i], readable))
            return std::nullopt;
    }
    return tables;
}

} // namespace

size_t ReadableBytes(const void* at, size_t limit)
{
    auto start = reinterpret_cast<ULONG_PTR>(at);
    ULONG_PTR next = start;
    while (next - start < limit) {
        MEMORY_BASIC_INFORMATION region{};
        if (!::VirtualQuery(reinterpret_cast<const void*>(next), &region, sizeof(region)) ||
            region.State != MEM_COMMIT || (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) ||
            !(region.Protect & kReadable))
            break;
        ULONG_PTR end = reinterpret_cast<ULONG_PTR>(region.BaseAddress) + region.RegionSize;
        if (end <= next) // the end of the address space
            break;
        next = end;
    }
    return next - start < limit ? next - start : limit;
}

bool HasSearchableExports(HMODULE image)
{
    const BYTE* base = ImageBase(image);
    const IMAGE_NT_HEADERS* nt = base ? NtHeaders(base) : nullptr;
    return nt && SearchableExports(base, nt).has_value();
}

bool MappedImageExports(HMODULE mapped, const char* name)
{
    const BYTE* base = ImageBase(mapped);
    const IMAGE_NT_HEADERS* nt = base ? NtHeaders(base) : nullptr;
    std::optional<ExportTables> exports = nt ? SearchableExports(base, nt) : std::nullopt;
    if (!exports)
        return false;
    DWORD imageSize = nt->OptionalHeader.SizeOfImage;
    // The system's lookup may take any entry of a name that stands twice:
    // every one of them has to be code.
    bool found = false;
    for (DWORD i = 0; i < exports->count; ++i) {
        if (!NameAt(base, imageSize, exports->names[i], name))
            continue;
        DWORD rva = exports->functions[exports->ordinals[i]];
        // An address inside the export directory is the text of a forwarder
        // ("OTHER.Function"), which the system resolves in another library.
        bool forwarder = rva >= exports->rva && rva - exports->rva < exports->size;
        if (forwarder || !IsCodeRva(base, nt, rva))
            return false;
        found = true;
    }
    return found;
}

bool IsImageCode(HMODULE image, const void* address)
{
    const BYTE* base = ImageBase(image);
    const IMAGE_NT_HEADERS* nt = base ? NtHeaders(base) : nullptr;
    auto at = reinterpret_cast<ULONG_PTR>(address), start = reinterpret_cast<ULONG_PTR>(base);
    if (!nt || at < start || at - start >= nt->OptionalHeader.SizeOfImage)
        return false;
    return IsCodeRva(base, nt, static_cast<DWORD>(at - start));
}
