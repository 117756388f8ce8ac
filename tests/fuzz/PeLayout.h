#pragma once
// The layout of a library file of this build's word size, read from its
// bytes with every offset checked: sections, the export directory and where
// in the file the function entry of an exported name lies. The theme fuzz
// target uses it to point a name function elsewhere and to know, for any
// library it made, where each name function points.
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

namespace fuzz {

class PeLayout {
public:
    struct Section {
        DWORD va = 0;
        DWORD virtualSize = 0;
        DWORD rawOffset = 0;
        DWORD rawSize = 0;
        DWORD characteristics = 0;
        size_t headerOffset = 0; // of its IMAGE_SECTION_HEADER in the file
    };

    // False when the bytes are no library of this word size.
    bool Parse(const std::string& file);

    // The file offset of length bytes at rva, when they lie in a section's data.
    std::optional<size_t> FileOffset(DWORD rva, size_t length) const;
    // Inside an executable section and outside the export directory (where
    // the loader takes an entry as the name of a function elsewhere).
    bool IsCode(DWORD rva) const;
    // The file offset of the function entry of the one exported name; none
    // when no name or more than one is exactly that.
    std::optional<size_t> FunctionEntry(const std::string& file, const char* name) const;
    // The section that holds rva, if any.
    const Section* SectionOf(DWORD rva) const;

    const std::vector<Section>& Sections() const { return sections_; }
    DWORD SizeOfImage() const { return sizeOfImage_; }
    DWORD ExportRva() const { return exportRva_; }
    DWORD ExportSize() const { return exportSize_; }
    // File offset of the export entry of the data directory (address, size).
    size_t ExportEntryOffset() const { return exportEntryOffset_; }
    DWORD ResourceRva() const { return resourceRva_; }

    static DWORD ReadDword(const std::string& file, size_t offset);
    static void WriteDword(std::string& file, size_t offset, DWORD value);

private:
    std::vector<Section> sections_;
    DWORD sizeOfImage_ = 0;
    DWORD exportRva_ = 0;
    DWORD exportSize_ = 0;
    size_t exportEntryOffset_ = 0;
    DWORD resourceRva_ = 0;
};

} // namespace fuzz
