#pragma once
// The file "verbsfont.sav": the user's font and text colour, 64 bytes, no
// header: an 8-bit LOGFONT exactly as the font chooser returns it (60 bytes),
// then the colour. The Windows system folder is its classic home; where that
// folder cannot be written (a standard user), the file goes to the user's
// application-data folder, and that copy, when there is one, is read first.
#include <windows.h>
#include <optional>
#include <string>

struct UserFontRecord {
    LOGFONTA logFont{};
    COLORREF colour = 0;
};

class CUserFontFile {
public:
    static constexpr size_t kSize = 64;
    static constexpr const wchar_t* kFileName = L"verbsfont.sav";

    // The files of this system and user.
    CUserFontFile();
    // Files at the given paths (the user's copy first when reading).
    CUserFontFile(std::wstring systemPath, std::wstring userPath);

    // The first sound copy, the user's first; none when neither holds a
    // whole record with a zero-terminated face name.
    std::optional<UserFontRecord> Read() const;
    // Writes the record to the system folder, else to the user's folder;
    // false when the new record is not the one Read finds. After a write to
    // the system folder the user's copy is deleted, or where it cannot be,
    // overwritten.
    bool Write(const UserFontRecord& record) const;

    const std::wstring& SystemPath() const { return m_systemPath; }
    const std::wstring& UserPath() const { return m_userPath; }

    static std::string Encode(const UserFontRecord& record);
    // None for fewer than 64 bytes, a face name without its zero, or a
    // height or width of more than kMostFontUnits.
    static std::optional<UserFontRecord> Decode(const std::string& bytes);
    // 1638 points, the largest size the font chooser takes, at the 96 dots
    // per inch of the program's logical units.
    static constexpr long long kMostFontUnits = 2184;

private:
    std::wstring m_systemPath;
    std::wstring m_userPath;
};

// The face name is 8-bit text in the code page of the program's Russian text;
// a face name without an exact form there has no 8-bit font.
LOGFONTW WideLogFont(const LOGFONTA& font);
std::optional<LOGFONTA> NarrowLogFont(const LOGFONTW& font);
