#pragma once
// The file "verbsfont.sav": the user's font and text colour, 64 bytes, no
// header: an 8-bit LOGFONT exactly as the font chooser returns it (60 bytes),
// then the colour. The Windows system folder is its classic home (the same
// folder for the 32-bit and the 64-bit program); where that folder cannot be
// written (a standard user), the file goes to the user's application-data
// folder, and that copy, when there is one, is read first. Copies that
// older versions left elsewhere are read too, until a new choice is stored.
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

struct UserFontRecord {
    LOGFONTA logFont{};
    COLORREF colour = 0;
};

// Where copies of the record may lie, in the order in which they are read.
struct UserFontPlaces {
    // The user's copy, written where the system folder cannot be.
    std::wstring user;
    // The copies Windows kept for an older version that ran without rights
    // to the system folder (VirtualStore): that version read them first.
    std::vector<std::wstring> virtualCopies;
    // The classic home, written first.
    std::wstring system;
    // An older 32-bit version's file in the 32-bit system folder of 64-bit Windows.
    std::vector<std::wstring> olderCopies;
};

class CUserFontFile {
public:
    static constexpr size_t kSize = 64;
    static constexpr const wchar_t* kFileName = L"verbsfont.sav";

    // The files of this system and user.
    CUserFontFile();
    // Files at the given paths (the user's copy first when reading).
    CUserFontFile(std::wstring systemPath, std::wstring userPath);
    explicit CUserFontFile(UserFontPlaces places);

    // The first sound copy in the order of the places; none when no copy
    // holds a whole record with a zero-terminated face name.
    std::optional<UserFontRecord> Read() const;
    // Stores the record in the system folder, else in the user's folder, each
    // through a new file put in the old one's place; then the copies read
    // before it go, or where one cannot go (another program holds it), it
    // takes the new record. True when Read finds the new record afterwards;
    // otherwise the copies read say what they said before, and failedPath
    // (when given) names the file that was in the way.
    bool Write(const UserFontRecord& record, std::wstring* failedPath = nullptr) const;

    const std::wstring& SystemPath() const { return m_places.system; }
    const std::wstring& UserPath() const { return m_places.user; }
    // Every place, in the order in which they are read.
    std::vector<std::wstring> AllPaths() const;

    // Writes the record's bytes: the system's WriteFile. Tests put a failing
    // writer in its place to see the disk fill up.
    using WriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
    static WriteFunction& FileWriter();

    static std::string Encode(const UserFontRecord& record);
    // None for fewer than 64 bytes, a face name without its zero, or a
    // height or width of more than kMostFontUnits.
    static std::optional<UserFontRecord> Decode(const std::string& bytes);
    // 1638 points, the largest size the font chooser takes, at the 96 dots
    // per inch of the program's logical units.
    static constexpr long long kMostFontUnits = 2184;

private:
    UserFontPlaces m_places;
};

// The face name is 8-bit text in the code page of the program's Russian text;
// a face name without an exact form there has no 8-bit font.
LOGFONTW WideLogFont(const LOGFONTA& font);
std::optional<LOGFONTA> NarrowLogFont(const LOGFONTW& font);
