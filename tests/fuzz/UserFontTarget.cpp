// The font file "verbsfont.sav": any bytes as the user's copy, beside a
// sound copy in the system folder. Read must take the user's copy exactly
// when it holds a whole record with a zero-terminated face name and a size
// the font chooser gives, and the system copy otherwise; the record must be
// the file's first 64 bytes. The
// record is then loaded as the program loads it and text is drawn with it,
// as the test panels draw theirs.
#include "FuzzOptions.h"
#include "FuzzSupport.h"
#include "FuzzTarget.h"
#include "base/VerbsGlobals.h"
#include "base/UserFont.h"
#include "data/UserFontFile.h"
#include <cstdlib>
#include <cstring>

namespace fuzz {

namespace {

std::string Record(const char* face, LONG height, LONG weight, BYTE italic, BYTE charset, COLORREF colour)
{
    UserFontRecord record;
    record.logFont.lfHeight = height;
    record.logFont.lfWeight = weight;
    record.logFont.lfItalic = italic;
    record.logFont.lfCharSet = charset;
    std::strncpy(record.logFont.lfFaceName, face, LF_FACESIZE - 1);
    record.colour = colour;
    return CUserFontFile::Encode(record);
}

// A whole record with a zero-terminated face name and a size the font
// chooser can give.
bool SoundRecord(const std::string& bytes)
{
    if (bytes.size() < CUserFontFile::kSize ||
        !std::memchr(bytes.data() + offsetof(LOGFONTA, lfFaceName), '\0', LF_FACESIZE))
        return false;
    LOGFONTA font;
    std::memcpy(&font, bytes.data(), sizeof font);
    return std::llabs(font.lfHeight) <= CUserFontFile::kMostFontUnits &&
           std::llabs(font.lfWidth) <= CUserFontFile::kMostFontUnits;
}

// Draws a verb and its translation with the loaded font into a bitmap.
void DrawWithUserFont()
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 240, 40);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, Globals().m_userFont.get());
    ::SetTextColor(dc, Globals().m_clrUserFont);
    RECT rect{0, 0, 240, 40};
    const wchar_t text[] = L"go went gone \u0438\u0434\u0442\u0438";
    ::DrawTextW(dc, text, -1, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &extent);
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

class UserFontTarget : public FuzzTarget {
public:
    const char* Name() const override { return "user_font"; }

    bool Prepare(std::string&) override
    {
        system_ = Record("Arial", -16, 400, 0, RUSSIAN_CHARSET, RGB(0, 0, 128));
        seeds_ = {system_,
                  Record("Times New Roman", -24, 700, 1, ANSI_CHARSET, RGB(200, 10, 10)),
                  Record("\xCA\xF3\xF0\xFC\xE5\xF0", 20, 0, 0, DEFAULT_CHARSET, 0), // a Russian face name
                  Record("Courier New", 0, 0, 0, 0, 0x00FFFFFF) + "trailing bytes",
                  std::string(CUserFontFile::kSize, '\0'),
                  system_.substr(0, 60)};
        dictionary_ = {std::string("\x00\x00\x00\x80", 4), std::string("\xFF\xFF\xFF\x7F", 4),
                       std::string("\x01\x00\x00\x80", 4), std::string("\x10\x27\x00\x00", 4),
                       std::string(32, 'F'), std::string(1, '\0')};
        maxSize_ = 256;
        return true;
    }

    std::string Check(const std::string& input) override
    {
        const std::wstring user = ScratchFolder() + L"\\user-verbsfont.sav";
        const std::wstring system = ScratchFolder() + L"\\system-verbsfont.sav";
        if (!WriteWholeFile(user, input) || !WriteWholeFile(system, system_))
            return {};
        CUserFontFile file(system, user);
        const std::optional<UserFontRecord> record = file.Read();
        const std::string expected = SoundRecord(input) ? input.substr(0, CUserFontFile::kSize) : system_;
        if (!record)
            return "no record read, though the system copy is sound";
        if (CUserFontFile::Encode(*record) != expected)
            return std::string("the record read is not the first 64 bytes of the ") +
                   (SoundRecord(input) ? "user's copy" : "system copy");
        LoadUserFont(file);
        if (!Globals().m_userFont || Globals().m_clrUserFont != record->colour)
            return "the record read was not loaded";
        DrawWithUserFont();
        return {};
    }

private:
    std::string system_;
};

} // namespace

std::unique_ptr<FuzzTarget> MakeUserFontTarget()
{
    return std::make_unique<UserFontTarget>();
}

} // namespace fuzz
