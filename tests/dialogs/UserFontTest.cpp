// The user's font: chosen in the real font chooser, kept in its 64-byte
// file, loaded when the view is created, and taken by the panels and the
// verbs list made afterwards.
#include "DialogsFixture.h"
#include "dialogs/FontChoice.h"
#include "framework/Text.h"
#include "app/FontStatic.h"
#include <memory>

using dialogtest::DialogsTest;
using dialogtest::ScratchFolder;
using testutil::ModalResponder;

namespace {

constexpr int kFaceBox = 1136, kSizeBox = 1138, kColourBox = 1139; // controls of the font chooser
constexpr COLORREF kMaroon = RGB(128, 0, 0);

std::wstring FaceOf(HFONT font)
{
    LOGFONTW info{};
    if (!font || !::GetObjectW(font, sizeof(info), &info))
        return L"<no font>";
    return info.lfFaceName;
}

std::wstring ComboText(HWND dialog, int id)
{
    return ModalResponder::ControlText(dialog, id);
}

// Picks an entry of a box of the chooser as the user would; false when the
// box has no such entry.
bool Pick(HWND dialog, int id, const std::wstring& text)
{
    HWND combo = ::GetDlgItem(dialog, id);
    LRESULT index = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR)
        return false;
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return true;
}

std::wstring EntryText(HWND dialog, int id, int index)
{
    wchar_t text[LF_FACESIZE * 2] = {};
    ::SendMessageW(::GetDlgItem(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

HFONT FontOf(HWND window)
{
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

std::unique_ptr<CFontStatic> MakePanelText(HWND parent)
{
    auto text = std::make_unique<CFontStatic>();
    text->Create(L"\u043F\u0435\u0440\u0435\u0432\u043E\u0434", 0, RECT{0, 0, 200, 30}, parent);
    return text;
}

UserFontRecord Record(const char* face, LONG height, COLORREF colour)
{
    UserFontRecord record;
    record.logFont.lfHeight = height;
    record.logFont.lfWeight = FW_BOLD;
    record.logFont.lfItalic = 1;
    record.logFont.lfCharSet = RUSSIAN_CHARSET;
    strncpy(record.logFont.lfFaceName, face, LF_FACESIZE - 1);
    record.colour = colour;
    return record;
}

using UserFontTest = DialogsTest;

} // namespace

TEST_F(UserFontTest, ChosenFontIsStoredAndTakenByLaterPanelsAndTheListButCancelKeepsIt)
{
    CMainFrame& frame = Start(1);
    EXPECT_FALSE(globals->m_userFont) << "no file, no user font";
    std::unique_ptr<CFontStatic> before = MakePanelText(frame.m_hWnd);
    std::wstring initialColour, face;
    bool picked = false;
    ModalResponder responder;
    responder.Then([&](HWND chooser) {
        initialColour = ComboText(chooser, kColourBox);
        face = EntryText(chooser, kFaceBox, 1);
        picked = Pick(chooser, kFaceBox, face) && Pick(chooser, kSizeBox, L"12") && Pick(chooser, kColourBox, L"Maroon");
        ModalResponder::Press(chooser, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_FONT_EN, 1));
    ASSERT_TRUE(picked) << "face " << testing::PrintToString(face);
    EXPECT_EQ(initialColour, L"Black");

    // The file: 64 bytes, the chooser's font and colour.
    const std::wstring path = CUserFontFile().SystemPath();
    const std::string stored = testutil::ReadFileBytes(path);
    ASSERT_EQ(stored.size(), 64u);
    std::optional<UserFontRecord> record = CUserFontFile::Decode(stored);
    ASSERT_TRUE(record);
    EXPECT_EQ(fw::Narrow(face, 1251), record->logFont.lfFaceName);
    EXPECT_LT(record->logFont.lfHeight, 0) << "a character height from the point size";
    EXPECT_EQ(record->colour, kMaroon);
    EXPECT_EQ(stored.substr(60), std::string("\x80\0\0\0", 4)) << "colour little-endian";

    // Loaded at once: panels made from now on take it, older ones keep theirs.
    EXPECT_EQ(FaceOf(globals->m_userFont.get()), face);
    EXPECT_EQ(globals->m_clrUserFont, kMaroon);
    std::unique_ptr<CFontStatic> after = MakePanelText(frame.m_hWnd);
    EXPECT_EQ(FontOf(after->m_hWnd), globals->m_userFont.get());
    EXPECT_EQ(after->TextColor(), kMaroon);
    EXPECT_NE(FontOf(before->m_hWnd), globals->m_userFont.get());
    EXPECT_EQ(before->TextColor(), RGB(0, 0, 0));
    HFONT listFont = nullptr;
    responder.Then([&](HWND list) {
        listFont = FontOf(::GetDlgItem(list, 1019));
        ModalResponder::Press(list, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    EXPECT_EQ(listFont, globals->m_userFont.get());

    // The chooser starts from the stored choice; Cancel leaves everything.
    globals->Language = 0;
    std::wstring shownFace, shownColour;
    responder.Then([&](HWND chooser) {
        shownFace = ComboText(chooser, kFaceBox);
        shownColour = ComboText(chooser, kColourBox);
        Pick(chooser, kColourBox, L"Blue");
        ModalResponder::Press(chooser, IDCANCEL);
    });
    HFONT loaded = globals->m_userFont.get();
    ASSERT_TRUE(Command(responder, frame, ID_FONT_RU, 1));
    EXPECT_EQ(shownFace, face);
    EXPECT_EQ(shownColour, L"Maroon");
    EXPECT_EQ(testutil::ReadFileBytes(path), stored);
    EXPECT_EQ(globals->m_userFont.get(), loaded);
    EXPECT_EQ(globals->m_clrUserFont, kMaroon);
    EXPECT_EQ(responder.PendingSteps(), 0u);
}

TEST_F(UserFontTest, ViewLoadsTheStoredFontAtItsCreationAndBrokenFilesAreIgnored)
{
    // A file written by an earlier run: the same LOGFONT bytes and colour.
    const UserFontRecord earlier = Record("Nimbus Sans", -19, RGB(0, 0, 255));
    testutil::WriteFileBytes(CUserFontFile().SystemPath(), CUserFontFile::Encode(earlier));
    Start(1);
    ASSERT_TRUE(globals->m_userFont);
    LOGFONTW loaded{};
    ::GetObjectW(globals->m_userFont.get(), sizeof(loaded), &loaded);
    EXPECT_STREQ(loaded.lfFaceName, L"Nimbus Sans");
    EXPECT_EQ(loaded.lfHeight, -19);
    EXPECT_EQ(loaded.lfWeight, FW_BOLD);
    EXPECT_EQ(loaded.lfItalic, 1);
    EXPECT_EQ(loaded.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(globals->m_clrUserFont, RGB(0, 0, 255));

    // Cut short, or a face name without its zero: as if there were no file.
    ScratchFolder folder(L"verbs_font_broken");
    const std::string whole = CUserFontFile::Encode(Record("DejaVu Serif", -16, RGB(0, 128, 0)));
    std::string unterminated = whole;
    for (size_t i = 28; i < 60; ++i)
        unterminated[i] = 'A';
    for (const std::string& broken : {whole.substr(0, 63), std::string(), unterminated}) {
        testutil::WriteFileBytes(folder.File(L"verbsfont.sav"), broken);
        CUserFontFile file(folder.File(L"verbsfont.sav"), folder.File(L"none.sav"));
        EXPECT_FALSE(file.Read()) << broken.size() << " bytes";
        globals->m_userFont.reset();
        globals->m_clrUserFont = 0;
        LoadUserFont(file);
        EXPECT_FALSE(globals->m_userFont);
        EXPECT_EQ(globals->m_clrUserFont, 0u);
    }
}

TEST(UserFontFile, UnwritableSystemFolderFallsBackToTheUsersCopyWhichIsReadFirst)
{
    ScratchFolder folder(L"verbs_font_places");
    const std::wstring userPath = folder.File(L"user") + L"\\verbsfont.sav"; // its folder is made on demand
    const UserFontRecord first = Record("DejaVu Sans", -13, RGB(1, 2, 3));
    const UserFontRecord second = Record("Nimbus Roman", -21, RGB(4, 5, 6));

    CUserFontFile noSystem(folder.File(L"missing") + L"\\verbsfont.sav", userPath);
    ASSERT_TRUE(noSystem.Write(first));
    EXPECT_EQ(testutil::ReadFileBytes(userPath), CUserFontFile::Encode(first));
    ASSERT_TRUE(noSystem.Read());
    EXPECT_EQ(CUserFontFile::Encode(*noSystem.Read()), CUserFontFile::Encode(first));

    // The user's copy wins over the system's when both exist ...
    const std::wstring systemPath = folder.File(L"system.sav");
    testutil::WriteFileBytes(systemPath, CUserFontFile::Encode(second));
    CUserFontFile both(systemPath, userPath);
    EXPECT_EQ(CUserFontFile::Encode(*both.Read()), CUserFontFile::Encode(first));
    // ... so a write that reaches the system folder retires the user's copy.
    ASSERT_TRUE(both.Write(second));
    EXPECT_FALSE(testutil::FileExists(userPath));
    EXPECT_EQ(CUserFontFile::Encode(*both.Read()), CUserFontFile::Encode(second));
    ::RemoveDirectoryW(folder.File(L"user").c_str());

    CUserFontFile nowhere(folder.File(L"missing") + L"\\a.sav", L"");
    EXPECT_FALSE(nowhere.Write(first));
}
