// The settings file of older versions: any bytes as "Verbs.ini". The file
// must examine as readable with a fingerprint of its size that the same
// content gives again, a file that holds any of the nine settings must be
// said to hold settings (otherwise the migration deletes it unread), and it
// must be deletable afterwards. Each input is a file of its own name: the
// system's profile reader keeps recently read files.
#include "FuzzOptions.h"
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "app/OldSettingsFile.h"

namespace fuzz {

namespace {

const wchar_t* const kNames[] = {L"ShowTranslate", L"MustLimitTime", L"LimitTime", L"ShowRightAnswer", L"NumWords",
                                 L"OnlyOneForm",   L"WhichForm",     L"Language",  L"MaxAttempt"};

std::string Utf16(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

class OldSettingsTarget : public FuzzTarget {
public:
    const char* Name() const override { return "old_settings"; }

    bool Prepare(std::string&) override
    {
        const std::string full = "[Verbs]\r\nShowTranslate=0\r\nMustLimitTime=1\r\nLimitTime=25\r\nShowRightAnswer=0\r\n"
                                 "NumWords=40\r\nOnlyOneForm=1\r\nWhichForm=2\r\nLanguage=0\r\nMaxAttempt=7\r\n"
                                 "[Recent File List]\r\nFile1=C:\\lists\\verbs.html\r\n[Settings]\r\nPreviewPages=1\r\n";
        seeds_ = {full,
                  "[Recent File List]\r\nFile1=a.html\r\nFile2=b.html\r\n[Settings]\r\nPreviewPages=2\r\n",
                  "[Verbs]\r\nNumWords=25\r\n",
                  "[verbs]\nLimitTime = 61\n;comment\nWhichForm=3\nLanguage=2\n",
                  Utf16(full),
                  "\xEF\xBB\xBF" + full,
                  ""};
        dictionary_ = {"[Verbs]", "[verbs]", "[Settings]", "\r\n", "\n", "\r", "=", " = ", ";", "[", "]",
                       "NumWords", "LimitTime", "Language", "=-2147483649", "=4294967296", "\xEF\xBB\xBF",
                       "\xFF\xFE", "\xFE\xFF", std::string(1, '\0'), std::string(300, 'k')};
        maxSize_ = 80 * 1024; // past the part of a file that is hashed
        return true;
    }

    std::string Check(const std::string& input) override
    {
        const std::wstring path = ScratchFolder() + L"\\ini" + std::to_wstring(++files_) + L".ini";
        if (!WriteWholeFile(path, input))
            return {}; // the scratch folder is full or gone: nothing to say about the reader
        OldSettingsFile file(path);
        std::string wrong = CheckFile(file, input.size());
        if (!file.Delete() || ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ::DeleteFileW(path.c_str());
            if (wrong.empty())
                wrong = "the file cannot be deleted after it was read";
        }
        return wrong;
    }

private:
    static std::string CheckFile(OldSettingsFile& file, size_t size)
    {
        if (file.Examine() != OldSettingsFile::State::Readable)
            return "a file that can be read is not examined as readable";
        const std::wstring fingerprint = file.Fingerprint();
        if (fingerprint.rfind(std::to_wstring(size) + L":", 0) != 0)
            return "the fingerprint " + Shown(fingerprint) + " does not begin with the size " + std::to_string(size);
        if (file.Examine() != OldSettingsFile::State::Readable || file.Fingerprint() != fingerprint)
            return "the same file gives another fingerprint";
        const bool holds = file.HoldsOptions();
        for (const wchar_t* name : kNames) {
            const int first = file.ReadOption(name, 123456789);
            const int second = file.ReadOption(name, -98765);
            if ((first != 123456789 || second != -98765) && !holds)
                return "the file holds " + Shown(name) + " but is said to hold no settings";
        }
        return {};
    }

    unsigned long long files_ = 0;
};

} // namespace

std::unique_ptr<FuzzTarget> MakeOldSettingsTarget()
{
    return std::make_unique<OldSettingsTarget>();
}

} // namespace fuzz
