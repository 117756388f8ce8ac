// The help pages as the program opens them from the "help" folder beside it:
// each topic is there with its Russian and its English section, every link
// and anchor between the pages resolves, both languages link to the same
// places, and the pictures have the size the pages give them.
#include "data/VerbTableReader.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kTopics[] = {"verbs", "verbs_learn", "verbs_test", "verbs_options"};
const char* const kLanguages[] = {"ru", "en"};

std::wstring HelpFile(const std::string& name)
{
    return testutil::ExecutableFolder() + L"\\help\\" + std::wstring(name.begin(), name.end());
}

std::string ReadHelpFile(const std::string& name)
{
    return testutil::ReadFileBytes(HelpFile(name));
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Values of the attribute `name` in the text, in order.
std::vector<std::string> AttributeValues(const std::string& text, const std::string& name)
{
    std::vector<std::string> values;
    const std::string key = name + "=\"";
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        if (at == 0 || (text[at - 1] != ' ' && text[at - 1] != '\n'))
            continue;
        size_t start = at + key.size();
        size_t end = text.find('"', start);
        if (end == std::string::npos)
            break;
        values.push_back(text.substr(start, end - start));
    }
    return values;
}

// The section of one language, from its opening tag to its closing tag.
std::string Section(const std::string& page, const std::string& language)
{
    size_t start = page.find("<section id=\"" + language + "\" lang=\"" + language + "\">");
    if (start == std::string::npos)
        return {};
    size_t end = page.find("</section>", start);
    return page.substr(start, end == std::string::npos ? end : end - start);
}

std::string FirstHeading(const std::string& section)
{
    size_t start = section.find("<h1>");
    size_t end = section.find("</h1>", start);
    return start == std::string::npos || end == std::string::npos ? std::string() : section.substr(start, end - start);
}

bool HasCyrillic(const std::string& utf8)
{
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3.
    for (unsigned char c : utf8)
        if (c >= 0xD0 && c <= 0xD3)
            return true;
    return false;
}

bool IsUtf8(const std::string& text)
{
    return text.empty() || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                                 static_cast<int>(text.size()), nullptr, 0) > 0;
}

bool IsOutsideLink(const std::string& link)
{
    return link.compare(0, 5, "http:") == 0 || link.compare(0, 6, "https:") == 0 || link.compare(0, 7, "mailto:") == 0;
}

// The pages, each read once, by file name.
class HelpPages {
public:
    const std::string& Text(const std::string& file)
    {
        auto found = texts_.find(file);
        if (found == texts_.end())
            found = texts_.emplace(file, ReadHelpFile(file)).first;
        return found->second;
    }
    bool HasAnchor(const std::string& file, const std::string& anchor)
    {
        for (const std::string& id : AttributeValues(Text(file), "id"))
            if (id == anchor)
                return true;
        return false;
    }

private:
    std::map<std::string, std::string> texts_;
};

// A link inside the help folder: a file name (empty for the page itself) and
// an anchor (empty when there is none).
struct Link {
    std::string file;
    std::string anchor;
};

Link SplitLink(const std::string& link, const std::string& page)
{
    size_t hash = link.find('#');
    Link split{link.substr(0, hash), hash == std::string::npos ? std::string() : link.substr(hash + 1)};
    if (split.file.empty())
        split.file = page;
    return split;
}

TEST(HelpPages, EachTopicHasItsRussianAndEnglishSection)
{
    for (const std::string topic : kTopics) {
        SCOPED_TRACE(topic);
        std::string page = ReadHelpFile(topic + ".html");
        ASSERT_FALSE(page.empty()) << "no page in the help folder";
        EXPECT_TRUE(IsUtf8(page));
        EXPECT_EQ(Count(page, "<meta charset=\"utf-8\">"), 1u);
        for (const std::string language : kLanguages) {
            EXPECT_EQ(Count(page, "<section id=\"" + language + "\""), 1u) << language << " section";
            EXPECT_FALSE(FirstHeading(Section(page, language)).empty()) << "no heading in the " << language << " section";
        }
        EXPECT_LT(page.find("<section id=\"ru\""), page.find("<section id=\"en\""));
        EXPECT_TRUE(HasCyrillic(FirstHeading(Section(page, "ru"))));
        EXPECT_FALSE(HasCyrillic(FirstHeading(Section(page, "en"))));

        std::set<std::string> ids;
        for (const std::string& id : AttributeValues(page, "id"))
            EXPECT_TRUE(ids.insert(id).second) << "id \"" << id << "\" given twice";
    }
}

TEST(HelpPages, EveryLinkAndAnchorBetweenThePagesResolves)
{
    HelpPages pages;
    for (const std::string topic : kTopics) {
        const std::string page = topic + ".html";
        SCOPED_TRACE(page);
        ASSERT_FALSE(pages.Text(page).empty());

        // Anywhere on the page, the language switch at the top included.
        std::vector<std::string> links = AttributeValues(pages.Text(page), "href");
        for (const std::string& source : AttributeValues(pages.Text(page), "src"))
            links.push_back(source);
        for (const std::string& link : links) {
            if (IsOutsideLink(link))
                continue;
            Link target = SplitLink(link, page);
            EXPECT_EQ(target.file.find_first_of("/\\:"), std::string::npos) << link << " leaves the help folder";
            EXPECT_TRUE(testutil::FileExists(HelpFile(target.file))) << link << ": no such file";
            if (!target.anchor.empty()) {
                EXPECT_TRUE(pages.HasAnchor(target.file, target.anchor)) << link << ": no such anchor";
            }
        }

        // A section links to its own language only, and both sections link to
        // the same places, the three other topics among them.
        std::map<std::string, std::set<std::string>> placesOf;
        for (const std::string language : kLanguages) {
            for (const std::string& link : AttributeValues(Section(pages.Text(page), language), "href")) {
                if (IsOutsideLink(link))
                    continue;
                Link target = SplitLink(link, page);
                std::string place = target.file;
                if (!target.anchor.empty()) {
                    EXPECT_TRUE(target.anchor == language || target.anchor.compare(0, language.size() + 1, language + "-") == 0)
                        << "the " << language << " section links to " << link;
                    place += "#" + target.anchor.substr(std::min(target.anchor.size(), language.size()));
                }
                placesOf[language].insert(place);
            }
            for (const std::string other : kTopics) {
                if (other != topic) {
                    EXPECT_EQ(placesOf[language].count(other + ".html#"), 1u)
                        << "the " << language << " section does not link to " << other;
                }
            }
        }
        EXPECT_EQ(placesOf["ru"], placesOf["en"]) << "the two sections link to different places";
    }
}

// Width and height of a PNG file, from its header chunk.
bool PngSize(const std::string& png, unsigned& width, unsigned& height)
{
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || png.compare(12, 4, "IHDR") != 0)
        return false;
    auto big = [&](size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(png[at])) << 24 |
               static_cast<unsigned>(static_cast<unsigned char>(png[at + 1])) << 16 |
               static_cast<unsigned>(static_cast<unsigned char>(png[at + 2])) << 8 |
               static_cast<unsigned>(static_cast<unsigned char>(png[at + 3]));
    };
    width = big(16);
    height = big(20);
    return true;
}

TEST(HelpPages, PicturesAreThereAtTheSizeThePagesGive)
{
    size_t pictures = 0;
    for (const std::string topic : kTopics) {
        std::string page = ReadHelpFile(topic + ".html");
        for (size_t at = page.find("<img"); at != std::string::npos; at = page.find("<img", at + 1)) {
            std::string tag = page.substr(at, page.find('>', at) - at);
            std::vector<std::string> source = AttributeValues(tag, "src"), width = AttributeValues(tag, "width"),
                                     height = AttributeValues(tag, "height"), text = AttributeValues(tag, "alt");
            SCOPED_TRACE(topic + ": " + tag);
            ASSERT_EQ(source.size(), 1u);
            ASSERT_EQ(width.size(), 1u);
            ASSERT_EQ(height.size(), 1u);
            EXPECT_EQ(text.size(), 1u) << "a picture needs its text for readers who cannot see it";
            unsigned pngWidth = 0, pngHeight = 0;
            ASSERT_TRUE(PngSize(ReadHelpFile(source[0]), pngWidth, pngHeight)) << "not a PNG picture";
            EXPECT_EQ(std::to_string(pngWidth), width[0]);
            EXPECT_EQ(std::to_string(pngHeight), height[0]);
            ++pictures;
        }
    }
    EXPECT_GE(pictures, 2u) << "the toolbar picture is missing from the contents page";
}

// The forms a test also accepts beside the table's: the studying page lists
// each of them in both languages, and no others, as the program has them.
TEST(HelpPages, StudyingPageListsTheFormsAlsoAccepted)
{
    auto table = std::make_unique<VerbTable>();
    LoadVerbTable(*table, ::GetModuleHandleW(nullptr));
    ASSERT_FALSE((*table)[0].infinitive.empty()) << "verb table not loaded";
    auto utf8 = [](const std::wstring& text) {
        int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<size_t>(n), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
        return bytes;
    };
    auto cell = [&](const std::wstring& forms) {
        return forms.empty() ? std::string("\xE2\x80\x94") : "<em class=\"v\">" + utf8(forms) + "</em>"; // a dash for none
    };
    std::vector<std::string> rows;
    for (const VerbRecord& verb : *table) {
        if (!verb.alsoPastTense.empty() || !verb.alsoPastParticiple.empty())
            rows.push_back("<tr><td><em class=\"v\">" + utf8(verb.infinitive) + "</em></td><td>" + cell(verb.alsoPastTense) +
                           "</td><td>" + cell(verb.alsoPastParticiple) + "</td></tr>");
    }
    ASSERT_FALSE(rows.empty()) << "no forms also accepted in the program";

    const std::string page = ReadHelpFile("verbs_learn.html");
    for (const std::string language : kLanguages) {
        SCOPED_TRACE(language);
        const std::string section = Section(page, language);
        size_t start = section.find("id=\"" + language + "-also\"");
        ASSERT_NE(start, std::string::npos) << "no list of the forms also accepted";
        size_t end = section.find("</table>", start);
        ASSERT_NE(end, std::string::npos);
        const std::string list = section.substr(start, end - start);
        for (const std::string& row : rows)
            EXPECT_EQ(Count(list, row), 1u) << row;
        EXPECT_EQ(Count(list, "<tr><td>"), rows.size()) << "rows the program does not have";
    }
}

} // namespace
