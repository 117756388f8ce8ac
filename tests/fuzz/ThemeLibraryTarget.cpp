// The check of picture theme libraries: real theme libraries, changed. An
// input is one mode letter and the library's bytes.
// 'C': any change of any byte. The file is only looked at (mapped as an
//      image resource, its exports and first picture looked up), as the
//      program looks at every library before it lets one run.
// 'L': changes that leave the code and every entry into it as they were:
//      a name function pointed at data, at the headers, outside the image,
//      at a forwarder to another library's function, or nowhere; bytes of
//      the export directory and of the resources changed. The library is
//      then loaded as a theme, as at start-up. One whose e or r no longer
//      points into its code must not become a theme (calling it would run
//      data or another library's function).
#include "FuzzOptions.h"
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "PeLayout.h"
#include "base/VerbsGlobals.h"
#include "pictures/LibraryImage.h"
#include "pictures/PictureThemes.h"

namespace fuzz {

namespace {

constexpr DWORD kPage = 0x1000;

DWORD AlignUp(DWORD value, DWORD alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

// Where e or r points in a library made by this target, when that is known.
struct NamePoints {
    bool known = false;
    bool code = false;
    DWORD rva = 0;
};

NamePoints PointOf(const std::string& file, const PeLayout& layout, const char* name)
{
    NamePoints points;
    if (std::optional<size_t> entry = layout.FunctionEntry(file, name)) {
        points.known = true;
        points.rva = PeLayout::ReadDword(file, *entry);
        points.code = layout.IsCode(points.rva);
    }
    return points;
}

class ThemeLibraryTarget : public FuzzTarget {
public:
    const char* Name() const override { return "theme_library"; }

    bool Prepare(std::string& problem) override
    {
        seeds_.clear();
        layouts_.clear();
        const std::wstring bin = ProgramFolder();
        for (const std::wstring& path : {bin + L"\\Pictures.dll", bin + L"\\theme_cases\\coast.dll",
                                         bin + L"\\theme_cases\\alpine.dll", bin + L"\\theme_cases\\only_e.dll",
                                         bin + L"\\theme_cases\\no_pictures.dll",
                                         bin + L"\\theme_cases\\stray_name.dll"}) {
            std::string bytes;
            PeLayout layout;
            if (!ReadWholeFile(path, bytes) || !layout.Parse(bytes)) {
                problem = "cannot read the theme library " + Narrow(path);
                return false;
            }
            seeds_.push_back(bytes);
            layouts_.push_back(layout);
        }
        dictionary_ = {std::string(4, '\0'), std::string(4, '\xFF'), "e", "r", std::string("e\0r\0", 4),
                       "JPG", std::string("\x81\x00", 2)};
        maxSize_ = 2u << 20;
        return true;
    }

    std::string Generate(Rng& rng) override
    {
        const size_t pick = rng.Below(seeds_.size());
        std::string file = seeds_[pick];
        if (rng.OneIn(2)) {
            MutationSources sources;
            sources.seeds = &seeds_;
            sources.dictionary = &dictionary_;
            sources.maxSize = maxSize_;
            Mutate(file, rng, sources);
            return "C" + file;
        }
        const PeLayout& layout = layouts_[pick];
        const size_t steps = 1 + rng.Below(3);
        for (size_t i = 0; i < steps; ++i)
            ChangeKeepingCode(file, layout, pick, rng);
        return "L" + file;
    }

    std::string Check(const std::string& input) override
    {
        if (input.empty())
            return {};
        const std::string file = input.substr(1);
        const std::wstring name = L"theme" + std::to_wstring(++files_) + L".dll";
        const std::wstring path = ScratchFolder() + L"\\" + name;
        if (!WriteWholeFile(path, file))
            return {};
        LookAt(path);
        std::string wrong;
        if (input[0] == 'L')
            wrong = LoadAsTheme(file, name);
        ::DeleteFileW(path.c_str());
        return wrong;
    }

private:
    // Mapped as an image resource: what the program looks at before a
    // library may run.
    static void LookAt(const std::wstring& path)
    {
        HMODULE mapped = ::LoadLibraryExW(path.c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (!mapped)
            return;
        MappedImageExports(mapped, "e");
        MappedImageExports(mapped, "r");
        ::FindResourceW(mapped, MAKEINTRESOURCEW(129), L"JPG");
        ::FreeLibrary(mapped);
    }

    static std::string LoadAsTheme(const std::string& file, const std::wstring& name)
    {
        PeLayout layout;
        NamePoints e, r;
        if (layout.Parse(file)) {
            e = PointOf(file, layout, "e");
            r = PointOf(file, layout, "r");
        }
        PictureTheme theme;
        const bool loaded = LoadPictureTheme(ScratchFolder(), name, theme);
        for (const auto& [function, points] : {std::make_pair("e", e), std::make_pair("r", r)}) {
            if (loaded && points.known && !points.code)
                return std::string("a library whose ") + function + " points at " + Where(layout, points.rva) +
                       " (" + std::to_string(points.rva) + ") became a theme";
        }
        return {};
    }

    static std::string Where(const PeLayout& layout, DWORD rva)
    {
        if (rva == 0)
            return "nothing";
        if (rva >= layout.ExportRva() && rva - layout.ExportRva() < layout.ExportSize())
            return "a forwarder";
        if (rva >= layout.SizeOfImage())
            return "no part of the image";
        const PeLayout::Section* s = layout.SectionOf(rva);
        return s ? "data" : "the headers";
    }

    // One change that leaves the code and the entries into it as they were.
    void ChangeKeepingCode(std::string& file, const PeLayout& original, size_t pick, Rng& rng) const
    {
        const char* function = rng.OneIn(2) ? "e" : "r";
        PeLayout layout;
        if (!layout.Parse(file))
            return;
        std::optional<size_t> entry = layout.FunctionEntry(file, function);
        switch (rng.Below(8)) {
        case 0: { // at data: anywhere in a section that holds no code
            std::vector<const PeLayout::Section*> data;
            for (const PeLayout::Section& s : layout.Sections())
                if (!(s.characteristics & IMAGE_SCN_MEM_EXECUTE) && s.virtualSize > 0)
                    data.push_back(&s);
            if (entry && !data.empty()) {
                const PeLayout::Section& s = *data[rng.Below(data.size())];
                PeLayout::WriteDword(file, *entry, s.va + static_cast<DWORD>(rng.Below(s.virtualSize)));
            }
            break;
        }
        case 1: // at a forwarder
            if (entry)
                PointAtForwarder(file, layout, *entry, rng);
            break;
        case 2: { // outside the image
            const DWORD outside[] = {layout.SizeOfImage(), layout.SizeOfImage() + static_cast<DWORD>(rng.Below(0x100000)),
                                     0x7FFFFFF0u, 0xFFFFFFF0u};
            if (entry)
                PeLayout::WriteDword(file, *entry, outside[rng.Below(4)]);
            break;
        }
        case 3: // at the headers
            if (entry && layout.Sections().front().va > 1)
                PeLayout::WriteDword(file, *entry, 1 + static_cast<DWORD>(rng.Below(layout.Sections().front().va - 1)));
            break;
        case 4: // nowhere
            if (entry)
                PeLayout::WriteDword(file, *entry, 0);
            break;
        case 5: // bytes of the export directory, or its place and size
        case 6:
            ChangeExports(file, layout, original, pick, rng);
            break;
        default: // bytes of the resources
            ChangeRegion(file, layout, layout.ResourceRva(), rng);
            break;
        }
    }

    // Writes "LIBRARY.Function" into the unused end of the export section and
    // points the entry there, the export directory grown to cover it.
    static void PointAtForwarder(std::string& file, const PeLayout& layout, size_t entry, Rng& rng)
    {
        const char* targets[] = {"KERNEL32.GetCommandLineA", "KERNEL32.DebugBreak", "KERNEL32.GetCurrentProcess",
                                 "NOSUCHLIBRARY.e"};
        const std::string forwarder = std::string(targets[rng.Below(4)]) + '\0';
        const PeLayout::Section* s = layout.SectionOf(layout.ExportRva());
        if (!s)
            return;
        const DWORD at = s->va + s->virtualSize;
        const DWORD grown = s->virtualSize + static_cast<DWORD>(forwarder.size());
        // Only within the section's own page and file data, so that nothing moves.
        if (grown > s->rawSize || AlignUp(grown, kPage) != AlignUp(s->virtualSize, kPage) ||
            layout.ExportRva() + layout.ExportSize() > at)
            return;
        file.replace(s->rawOffset + s->virtualSize, forwarder.size(), forwarder);
        PeLayout::WriteDword(file, s->headerOffset + offsetof(IMAGE_SECTION_HEADER, Misc.VirtualSize), grown);
        PeLayout::WriteDword(file, layout.ExportEntryOffset() + sizeof(DWORD), at + forwarder.size() - layout.ExportRva());
        PeLayout::WriteDword(file, entry, at);
    }

    // Random changes inside the export directory or of its place and size,
    // undone when they would let e or r point at code other than their own.
    void ChangeExports(std::string& file, const PeLayout& layout, const PeLayout& original, size_t pick, Rng& rng) const
    {
        const std::string before = file;
        if (rng.OneIn(3)) {
            const size_t at = layout.ExportEntryOffset() + (rng.OneIn(2) ? 0 : sizeof(DWORD));
            const DWORD values[] = {0, 1, layout.ExportRva() + 8, layout.ExportSize() / 2, layout.SizeOfImage(),
                                    0xFFFFFFFFu, static_cast<DWORD>(rng.Next())};
            PeLayout::WriteDword(file, at, values[rng.Below(sizeof values / sizeof values[0])]);
        } else {
            ChangeRegion(file, layout, layout.ExportRva(), rng);
        }
        const std::string& seed = seeds_[pick];
        const NamePoints own[] = {PointOf(seed, original, "e"), PointOf(seed, original, "r")};
        PeLayout changed;
        if (!changed.Parse(file))
            return;
        for (const char* function : {"e", "r"}) {
            NamePoints now = PointOf(file, changed, function);
            if (now.known && now.code && now.rva != own[0].rva && now.rva != own[1].rva) {
                file = before;
                return;
            }
        }
    }

    // A few byte changes in the file data of the section that holds rva.
    static void ChangeRegion(std::string& file, const PeLayout& layout, DWORD rva, Rng& rng)
    {
        const PeLayout::Section* s = rva ? layout.SectionOf(rva) : nullptr;
        if (!s || s->rawSize == 0 || (s->characteristics & IMAGE_SCN_MEM_EXECUTE) || s->rawOffset >= file.size())
            return;
        const size_t size = std::min<size_t>(s->rawSize, file.size() - s->rawOffset);
        const size_t changes = 1 + rng.Below(8);
        for (size_t i = 0; i < changes; ++i) {
            char& byte = file[s->rawOffset + rng.Below(size)];
            switch (rng.Below(3)) {
            case 0: byte ^= static_cast<char>(1u << rng.Below(8)); break;
            case 1: byte = static_cast<char>(rng.Below(256)); break;
            default: byte = rng.OneIn(2) ? '\0' : '\xFF'; break;
            }
        }
    }

    std::vector<PeLayout> layouts_;
    unsigned long long files_ = 0;
};

} // namespace

std::unique_ptr<FuzzTarget> MakeThemeLibraryTarget()
{
    return std::make_unique<ThemeLibraryTarget>();
}

} // namespace fuzz
