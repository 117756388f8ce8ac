// The verb-table resource reader: any bytes in the place of the resource.
// The table it fills is compared with a plain reading of the format: fields
// end at each separator, bytes after the last one are dropped, a field keeps
// at most its 51 bytes up to a zero byte with underscores as blanks, a text
// fills the first empty of the three English forms or else the translation,
// which ends the record, and records beyond the table are ignored.
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "data/VerbResourceFormat.h"
#include "data/VerbTableReader.h"
#include <algorithm>
#include <array>
#include <memory>

namespace fuzz {

namespace {

std::wstring Ansi(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    int n = ::MultiByteToWideChar(1251, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(1251, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

// The plain fields of the resource, as the format describes them.
std::vector<std::string> Fields(const std::string& data)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end = data.find('\xFF'); end != std::string::npos; end = data.find('\xFF', start)) {
        std::string field = data.substr(start, end - start);
        for (char& c : field)
            c = static_cast<char>(c ^ VerbResource::kKey);
        field = field.substr(0, VerbResource::kMaxFieldBytes);
        field = field.substr(0, field.find('\0'));
        std::replace(field.begin(), field.end(), '_', ' ');
        fields.push_back(field);
        start = end + 1;
    }
    return fields;
}

using PlainRecord = std::array<std::string, 4>;

std::vector<PlainRecord> Records(const std::vector<std::string>& fields)
{
    std::vector<PlainRecord> records(kVerbCount);
    size_t record = 0;
    for (const std::string& field : fields) {
        if (record == records.size())
            break;
        PlainRecord& r = records[record];
        auto empty = std::find_if(r.begin(), r.begin() + 3, [](const std::string& s) { return s.empty(); });
        if (empty != r.begin() + 3) {
            *empty = field;
        } else {
            r[3] = field;
            ++record;
        }
    }
    return records;
}

class VerbTableTarget : public FuzzTarget {
public:
    const char* Name() const override { return "verb_table"; }

    bool Prepare(std::string& problem) override
    {
        seeds_.clear();
        const std::wstring bin = ProgramFolder();
        ResourceModule program(bin + L"\\verbs.exe");
        std::string shipped = program.Resource(VerbResource::kTypeNameW, VerbResource::kResourceId);
        if (shipped.empty()) {
            problem = "verbs.exe holds no verb table";
            return false;
        }
        seeds_.push_back(shipped);
        // The reader tests' modules (one holds its table under another id).
        for (const wchar_t* name : {L"underscore", L"codepages", L"empty_fields", L"trailing", L"unterminated",
                                    L"long_fields", L"over_294", L"other_id"}) {
            ResourceModule module(bin + L"\\verbcase_" + name + L".dll");
            std::string data = module.Resource(VerbResource::kTypeNameW, VerbResource::kResourceId);
            if (data.empty())
                data = module.Resource(VerbResource::kTypeNameW, VerbResource::kResourceId + 1);
            if (data.empty()) {
                problem = "no table in verbcase_" + Shown(name);
                return false;
            }
            seeds_.push_back(data);
        }
        const char key = static_cast<char>(VerbResource::kKey);
        dictionary_ = {"\xFF", "\xFF\xFF", std::string(1, key), std::string(1, key ^ '_'),
                       std::string(1, static_cast<char>(VerbResource::kUnstorableByte)), std::string(60, key ^ 'a'),
                       std::string(52, key ^ 'b') + "\xFF"};
        maxSize_ = 64 * 1024;
        return true;
    }

    std::string Check(const std::string& input) override
    {
        auto table = std::make_unique<VerbTable>();
        FillVerbTable(reinterpret_cast<const std::uint8_t*>(input.data()), input.size(), *table);
        const std::vector<PlainRecord> expected = Records(Fields(input));
        for (size_t i = 0; i < expected.size(); ++i) {
            const VerbRecord& got = (*table)[i];
            const PlainRecord& want = expected[i];
            const std::wstring* forms[] = {&got.infinitive, &got.pastTense, &got.pastParticiple};
            for (size_t f = 0; f < 3; ++f)
                if (*forms[f] != Ansi(want[f]))
                    return "record " + std::to_string(i) + ", form " + std::to_string(f) + ": read " +
                           Shown(*forms[f]) + ", the format gives " + ShownBytes(want[f]);
            if (got.translation != OemToAnsiText(want[3]))
                return "record " + std::to_string(i) + ": translation " + Shown(got.translation) +
                       ", the format gives " + ShownBytes(want[3]);
        }
        return {};
    }
};

} // namespace

std::unique_ptr<FuzzTarget> MakeVerbTableTarget()
{
    return std::make_unique<VerbTableTarget>();
}

} // namespace fuzz
