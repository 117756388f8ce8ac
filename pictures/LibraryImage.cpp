#include "pictures/LibraryImage.h"
#include <cstring>

namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
// More names than any library has: a damaged count is not followed further.
constexpr DWORD kMaxExportNames = 0x10000;

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

bool MappedImageExports(HMODULE mapped, const char* name)
{
    const BYTE* base = ImageBase(mapped);
    const IMAGE_NT_HEADERS* nt = base ? NtHeaders(base) : nullptr;
    if (!nt)
        return false;
    DWORD imageSize = nt->OptionalHeader.SizeOfImage;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.VirtualAddress == 0)
        return false;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
        ImageBytes(base, imageSize, directory.VirtualAddress, sizeof(IMAGE_EXPORT_DIRECTORY)));
    if (!exports || exports->NumberOfNames > kMaxExportNames)
        return false;
    const auto* names = reinterpret_cast<const DWORD*>(
        ImageBytes(base, imageSize, exports->AddressOfNames, exports->NumberOfNames * sizeof(DWORD)));
    if (!names)
        return false;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        if (NameAt(base, imageSize, names[i], name))
            return true;
    return false;
}
