// The HTML page of the verbs list: any group name, column titles and cell
// texts. An input is UTF-16 code units: the first is a flag (odd: the
// English page), then the texts separated by U+0001: the group name, four
// titles, then the cells row by row. The page is read back: every text must
// come back as it was, none may bring in a tag, a bare "&" or a line break
// (the page has one, after the credit line), and every row has four cells.
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "data/VerbResourceFormat.h"
#include "data/VerbTableReader.h"
#include "data/HtmlPage.h"
#include <algorithm>
#include <memory>

namespace fuzz {

namespace {

constexpr wchar_t kSeparator = 0x0001;

std::string Encode(bool english, const VerbListTable& table)
{
    std::wstring units(1, english ? L'\x0001' : L'\x0002');
    units += table.groupName;
    for (const std::wstring& title : table.titles)
        units += kSeparator + title;
    for (const VerbListTable::Row& row : table.rows)
        for (const std::wstring& cell : row)
            units += kSeparator + cell;
    return std::string(reinterpret_cast<const char*>(units.data()), units.size() * sizeof(wchar_t));
}

bool Decode(const std::string& input, VerbListTable& table)
{
    std::wstring units(input.size() / 2, L'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<wchar_t>(static_cast<unsigned char>(input[2 * i]) |
                                        static_cast<unsigned char>(input[2 * i + 1]) << 8);
    const bool english = !units.empty() && (units[0] & 1);
    std::vector<std::wstring> texts(1);
    for (size_t i = 1; i < units.size(); ++i) {
        if (units[i] == kSeparator)
            texts.emplace_back();
        else
            texts.back() += units[i];
    }
    const size_t cells = texts.size() > 5 ? texts.size() - 5 : 0;
    texts.resize(5 + (cells + 3) / 4 * 4); // the last row filled up with empty cells
    table.groupName = texts[0];
    for (size_t c = 0; c < 4; ++c)
        table.titles[c] = texts[1 + c];
    for (size_t at = 5; at < texts.size(); at += 4)
        table.rows.push_back({texts[at], texts[at + 1], texts[at + 2], texts[at + 3]});
    return english;
}

// Reads the page from its start, marker by marker.
class PageReader {
public:
    explicit PageReader(const std::string& page) : page_(page) {}

    bool Skip(const std::string& marker)
    {
        size_t at = page_.find(marker, pos_);
        if (at == std::string::npos)
            return false;
        pos_ = at + marker.size();
        return true;
    }
    bool Next(const std::string& marker)
    {
        if (page_.compare(pos_, marker.size(), marker) != 0)
            return false;
        pos_ += marker.size();
        return true;
    }
    bool Peek(const std::string& marker) const { return page_.compare(pos_, marker.size(), marker) == 0; }
    // The text up to the end marker (which is passed), decoded; the problem
    // when it is not a text that escapes what it must.
    bool Text(const std::string& end, std::wstring& text, std::string& problem)
    {
        size_t at = page_.find(end, pos_);
        if (at == std::string::npos) {
            problem = "no end of a text";
            return false;
        }
        const std::string bytes = page_.substr(pos_, at - pos_);
        pos_ = at + end.size();
        return Unescape(bytes, text, problem);
    }

private:
    static bool Unescape(const std::string& bytes, std::wstring& text, std::string& problem)
    {
        text.clear();
        std::string plain;
        auto flush = [&] {
            if (plain.empty())
                return;
            int n = ::MultiByteToWideChar(1251, 0, plain.data(), static_cast<int>(plain.size()), nullptr, 0);
            std::wstring wide(static_cast<size_t>(n), L'\0');
            ::MultiByteToWideChar(1251, 0, plain.data(), static_cast<int>(plain.size()), wide.data(), n);
            text += wide;
            plain.clear();
        };
        for (size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '<' || c == '>') {
                problem = "a text brings a bare '" + std::string(1, c) + "' into the page";
                return false;
            }
            if (c == '\r' || c == '\n') {
                problem = "a text brings a line break into the page";
                return false;
            }
            if (c != '&') {
                plain += c;
                continue;
            }
            flush();
            size_t semicolon = bytes.find(';', i);
            const std::string entity = semicolon == std::string::npos ? "" : bytes.substr(i, semicolon - i + 1);
            if (entity == "&amp;" || entity == "&lt;" || entity == "&gt;") {
                text += entity == "&amp;" ? L'&' : entity == "&lt;" ? L'<' : L'>';
            } else if (entity.size() > 3 && entity[1] == '#' &&
                       entity.find_first_not_of("0123456789", 2) == entity.size() - 1) {
                unsigned long point = std::stoul(entity.substr(2, entity.size() - 3));
                if (point > 0x10FFFF) {
                    problem = "a character reference beyond Unicode: " + entity;
                    return false;
                }
                if (point >= 0x10000) {
                    text += static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
                    text += static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
                } else {
                    text += static_cast<wchar_t>(point);
                }
            } else {
                problem = "a bare '&' in a text";
                return false;
            }
            i = semicolon;
        }
        flush();
        return true;
    }

    const std::string& page_;
    size_t pos_ = 0;
};

std::string CheckPage(const std::string& page, const VerbListTable& table)
{
    const size_t breaks = std::count(page.begin(), page.end(), '\n') + std::count(page.begin(), page.end(), '\r');
    const size_t lineEnd = page.find("\r\n");
    if (breaks != 2 || lineEnd == std::string::npos || page.compare(lineEnd, std::string::npos, "\r\n</center></body>") != 0)
        return "the page is not two lines, the second closing it";
    PageReader reader(page);
    std::wstring text;
    std::string problem;
    if (!reader.Skip("<h2>") || !reader.Skip(" \"") || !reader.Text("\")</h2>", text, problem))
        return "the group name cannot be read back: " + problem;
    if (text != table.groupName)
        return "the group name " + Shown(table.groupName) + " reads back as " + Shown(text);
    if (!reader.Skip("<tr>"))
        return "no title row";
    for (const std::wstring& title : table.titles) {
        if (!reader.Next("<td><b>") || !reader.Text("</b></td>", text, problem))
            return "a title cannot be read back: " + problem;
        if (text != title)
            return "the title " + Shown(title) + " reads back as " + Shown(text);
    }
    if (!reader.Next("</tr></b>"))
        return "the title row does not end after four titles";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        if (!reader.Next("<tr>"))
            return "row " + std::to_string(r) + " is missing";
        for (const std::wstring& cell : table.rows[r]) {
            if (!reader.Next("<td>") || !reader.Text("</td>", text, problem))
                return "a cell of row " + std::to_string(r) + " cannot be read back: " + problem;
            if (text != cell)
                return "the cell " + Shown(cell) + " reads back as " + Shown(text);
        }
        if (!reader.Next("</tr>"))
            return "row " + std::to_string(r) + " does not end after four cells";
    }
    if (!reader.Peek("</table>"))
        return "more rows than the table has";
    return {};
}

std::wstring LoadString(HMODULE module, UINT id)
{
    const wchar_t* text = nullptr;
    int length = module ? ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0) : 0;
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

class HtmlExportTarget : public FuzzTarget {
public:
    const char* Name() const override { return "html_export"; }

    bool Prepare(std::string& problem) override
    {
        ResourceModule program(ProgramFolder() + L"\\verbs.exe");
        auto verbs = std::make_unique<VerbTable>();
        std::string data = program.Resource(VerbResource::kTypeNameW, VerbResource::kResourceId);
        FillVerbTable(reinterpret_cast<const std::uint8_t*>(data.data()), data.size(), *verbs);
        if (verbs->back().translation.empty()) {
            problem = "verbs.exe holds no whole verb table";
            return false;
        }
        seeds_.clear();
        for (bool english : {true, false}) {
            VerbListTable table;
            // The column titles and the All verbs name of the language (Russian ids are the lower).
            const UINT shift = english ? 1 : 0;
            table.groupName = LoadString(program.get(), 162 + shift);
            table.titles = {LoadString(program.get(), 133 + shift), LoadString(program.get(), 137 + shift),
                            LoadString(program.get(), 139 + shift), LoadString(program.get(), 135 + shift)};
            for (const VerbRecord& verb : *verbs)
                table.rows.push_back({verb.infinitive, verb.pastTense, verb.pastParticiple, verb.translation});
            seeds_.push_back(Encode(english, table));
            table.groupName = L"1-2-1";
            table.rows.resize(7);
            seeds_.push_back(Encode(english, table));
        }
        VerbListTable odd;
        odd.groupName = L"<b>&amp; \"\u0411\u043E\u043B\u044C\u0448\u0438\u0435\" \U0001F600 \xD800 \u4E2D \u20AC";
        odd.titles = {L"&#60;", L"", L"\r\n", L"\u03A9"};
        odd.rows.push_back({L"go", L"went", L"gone", L"\u0438\u0434\u0442\u0438 & <\u0445\u043E\u0434\u0438\u0442\u044C>"});
        seeds_.push_back(Encode(true, odd));
        dictionary_ = {std::string("\x01\x00", 2), std::string("<\0", 2), std::string("&\0", 2),
                       std::string(">\0", 2), std::string("\r\0\n\0", 4), std::string("\x3D\xD8\x00\xDE", 4),
                       std::string("\x00\xD8", 2), std::string("\x00\xDC", 2), std::string("#\0", 2),
                       std::string("\x10\x04", 2)};
        maxSize_ = 64 * 1024;
        return true;
    }

    std::string Check(const std::string& input) override
    {
        VerbListTable table;
        const bool english = Decode(input, table);
        return CheckPage(CHtmlPage::PageBytes(table, english), table);
    }
};

} // namespace

std::unique_ptr<FuzzTarget> MakeHtmlExportTarget()
{
    return std::make_unique<HtmlExportTarget>();
}

} // namespace fuzz
