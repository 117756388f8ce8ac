#include "data/VerbTableReader.h"
#include "data/VerbResourceFormat.h"
#include <algorithm>

namespace {

constexpr UINT kOemCodePage = 866;
constexpr UINT kAnsiCodePage = 1251;

std::wstring Widen(std::string_view bytes, UINT codePage)
{
    if (bytes.empty())
        return {};
    int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

std::string Narrow(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return {};
    int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

// The slot a field goes to is the first of infinitive, past tense and past
// participle that is still empty; otherwise it is the translation, which
// completes the record.
bool PutField(VerbRecord& record, const std::string& field)
{
    std::wstring* slots[] = {&record.infinitive, &record.pastTense, &record.pastParticiple};
    for (std::wstring* slot : slots) {
        if (slot->empty()) {
            *slot = Widen(field, kAnsiCodePage); // English text, taken as stored
            return false;
        }
    }
    record.translation = OemToAnsiText(field);
    return true;
}

// The data of a custom resource of the module, or null.
const std::uint8_t* ResourceData(HMODULE module, const wchar_t* type, int id, DWORD& size)
{
    size = 0;
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info)
        return nullptr;
    HGLOBAL handle = ::LoadResource(module, info);
    const void* data = handle ? ::LockResource(handle) : nullptr;
    if (!data)
        return nullptr;
    size = ::SizeofResource(module, info);
    return static_cast<const std::uint8_t*>(data);
}

// Verb number n (1..kVerbCount) written in decimal digits, or 0.
int VerbNumber(const std::string& digits)
{
    if (digits.empty() || digits.size() > 3 || digits[0] == '0')
        return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n <= kVerbCount ? n : 0;
}

} // namespace

std::wstring OemToAnsiText(std::string_view oemBytes)
{
    // Through the ANSI code page, so that characters it lacks come out as
    // the same substitutes they would on a Russian system.
    std::wstring wide = Widen(oemBytes, kOemCodePage);
    return Widen(Narrow(wide, kAnsiCodePage), kAnsiCodePage);
}

void FillVerbTable(const std::uint8_t* data, std::size_t size, VerbTable& table)
{
    std::string field;
    field.reserve(VerbResource::kMaxFieldBytes);
    std::size_t record = 0;
    for (std::size_t offset = 0; offset < size; ++offset) {
        std::uint8_t byte = data[offset];
        if (byte != VerbResource::kSeparator) {
            if (field.size() < VerbResource::kMaxFieldBytes)
                field.push_back(static_cast<char>(byte ^ VerbResource::kKey));
            continue;
        }
        // The text ends at a zero byte, so a field that starts with one is
        // empty and leaves its slot to the next field.
        field.erase(std::find(field.begin(), field.end(), '\0'), field.end());
        std::replace(field.begin(), field.end(), VerbResource::kUnderscore, ' ');
        if (record < table.size() && PutField(table[record], field))
            ++record;
        field.clear();
    }
}

void FillAlsoAccepted(const std::uint8_t* data, std::size_t size, VerbTable& table)
{
    std::string fields[VerbResource::kAlsoFieldsPerRecord];
    std::size_t field = 0;
    for (std::size_t offset = 0; offset < size; ++offset) {
        std::uint8_t byte = data[offset];
        std::string& text = fields[field];
        if (byte != VerbResource::kSeparator) {
            if (text.size() < VerbResource::kMaxFieldBytes)
                text.push_back(static_cast<char>(byte ^ VerbResource::kKey));
            continue;
        }
        text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
        std::replace(text.begin(), text.end(), VerbResource::kUnderscore, ' ');
        if (++field < VerbResource::kAlsoFieldsPerRecord)
            continue;
        if (int n = VerbNumber(fields[0])) {
            VerbRecord& record = table[static_cast<std::size_t>(n - 1)];
            record.alsoPastTense = Widen(fields[1], kAnsiCodePage);
            record.alsoPastParticiple = Widen(fields[2], kAnsiCodePage);
        }
        for (std::string& done : fields)
            done.clear();
        field = 0;
    }
}

void LoadVerbTable(VerbTable& table, HMODULE module)
{
    // The table is read once; read again, every field would land in the
    // translations of a full table.
    if (!table.front().infinitive.empty())
        return;
    DWORD size = 0;
    const std::uint8_t* data = ResourceData(module, VerbResource::kTypeNameW, VerbResource::kResourceId, size);
    if (!data)
        return;
    FillVerbTable(data, size, table);
    if ((data = ResourceData(module, VerbResource::kAlsoTypeNameW, VerbResource::kAlsoResourceId, size)))
        FillAlsoAccepted(data, size, table);
}
