// The user's font: chosen in the real font chooser, kept in its 64-byte
// file, loaded when the view is created, and taken by the panels and the
// verbs list made afterwards.
#include "DialogsFixture.h"
#include "base/FontStatic.h"
#include "dialogs/FontChoice.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include <cstring>
#include <memory>

using namespace dialogtest;
using testutil::ModalResponder;

namespace {

constexpr int kFaceBox = 1136, kSizeBox = 1138, kColourBox = 1139; // controls of the font chooser
constexpr COLORREF kMaroon = RGB(128, 0, 0);

std::wstring FaceOf(HFONT font)
{
    LOGFONTW info{};
    return font && ::GetObjectW(font, sizeof(info), &info) ? info.lfFaceName : L"<no font>";
}

HFONT FontOf(HWND window)
{
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

// Picks an entry of a box of the chooser as the user would.
bool Pick(HWND chooser, int id, const std::wstring& text)
{
    HWND box = ::GetDlgItem(chooser, id);
    LRESULT index = ::SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return index != CB_ERR;
}

std::unique_ptr<CFontStatic> PanelText(HWND parent)
{
    auto text = std::make_unique<CFontStatic>();
    text->Create(L"перевод", 0, RECT{0, 0, 200, 30}, parent);
    return text;
}

std::string Encoded(const char* face, LONG height, COLORREF colour)
{
    UserFontRecord record;
    record.logFont.lfHeight = height;
    record.logFont.lfWeight = FW_BOLD;
    record.logFont.lfItalic = 1;
    record.logFont.lfCharSet = RUSSIAN_CHARSET;
    std::strncpy(record.logFont.lfFaceName, face, LF_FACESIZE - 1);
    record.colour = colour;
    return CUserFontFile::Encode(record);
}

using UserFontTest = DialogsTest;

} // namespace

TEST_F(UserFontTest, ChosenFontIsStoredAndTakenByLaterPanelsAndTheListButCancelKeepsIt)
{
    CMainFrame& frame = Start(1);
    EXPECT_FALSE(globals->m_userFont) << "no file, no user font";
    std::unique_ptr<CFontStatic> before = PanelText(frame.m_hWnd);
    std::wstring initialColour, face;
    bool picked = false;
    ModalResponder responder;
    responder.Then([&](HWND chooser) {
        initialColour = ModalResponder::ControlText(chooser, kColourBox);
        wchar_t second[LF_FACESIZE] = {};
        ::SendDlgItemMessageW(chooser, kFaceBox, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
        face = second;
        picked = Pick(chooser, kFaceBox, face) && Pick(chooser, kSizeBox, L"12") && Pick(chooser, kColourBox, L"Maroon");
        ModalResponder::Press(chooser, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_FONT_EN, 1));
    ASSERT_TRUE(picked) << testing::PrintToString(face);
    EXPECT_EQ(initialColour, L"Black");

    const std::string stored = testutil::ReadFileBytes(CUserFontFile().SystemPath());
    ASSERT_EQ(stored.size(), 64u);
    EXPECT_EQ(stored.substr(28, face.size() + 1), fw::Narrow(face, 1251) + '\0');
    LONG height = 0;
    std::memcpy(&height, stored.data(), 4);
    EXPECT_LT(height, 0) << "a character height";
    EXPECT_EQ(stored.substr(60), std::string("\x80\0\0\0", 4)) << "maroon, little-endian";

    // Loaded at once: panels made from now on take it, older ones keep theirs.
    EXPECT_EQ(FaceOf(globals->m_userFont.get()), face);
    std::unique_ptr<CFontStatic> after = PanelText(frame.m_hWnd);
    EXPECT_EQ(FontOf(after->m_hWnd), globals->m_userFont.get());
    EXPECT_EQ(after->TextColor(), kMaroon);
    EXPECT_NE(FontOf(before->m_hWnd), globals->m_userFont.get());
    EXPECT_EQ(before->TextColor(), RGB(0, 0, 0));
    HFONT listFont = nullptr;
    responder.Then([&](HWND list) {
        listFont = FontOf(::GetDlgItem(list, kList));
        ModalResponder::Press(list, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    EXPECT_EQ(listFont, globals->m_userFont.get());

    // The chooser starts from the stored choice; Cancel leaves everything.
    globals->Language = 0;
    std::wstring shownFace, shownColour;
    responder.Then([&](HWND chooser) {
        shownFace = ModalResponder::ControlText(chooser, kFaceBox);
        shownColour = ModalResponder::ControlText(chooser, kColourBox);
        Pick(chooser, kColourBox, L"Blue");
        ModalResponder::Press(chooser, IDCANCEL);
    });
    HFONT loaded = globals->m_userFont.get();
    ASSERT_TRUE(Command(responder, frame, ID_FONT_RU, 1));
    EXPECT_EQ(shownFace, face);
    EXPECT_EQ(shownColour, L"Maroon");
    EXPECT_EQ(testutil::ReadFileBytes(CUserFontFile().SystemPath()), stored);
    EXPECT_EQ(globals->m_userFont.get(), loaded);
    EXPECT_EQ(globals->m_clrUserFont, kMaroon);

    // A face whose name the file cannot hold (a Greek font's, put in the
    // chooser's list here) serves this run; the file keeps the last it could.
    const std::wstring greek = L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC";
    responder.Then([&](HWND chooser) {
        ::SendDlgItemMessageW(chooser, kFaceBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(greek.c_str()));
        picked = Pick(chooser, kFaceBox, greek) && Pick(chooser, kColourBox, L"Blue");
        ModalResponder::Press(chooser, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_FONT_RU, 1));
    ASSERT_TRUE(picked);
    EXPECT_EQ(FaceOf(globals->m_userFont.get()), greek);
    EXPECT_EQ(globals->m_clrUserFont, RGB(0, 0, 255));
    EXPECT_EQ(testutil::ReadFileBytes(CUserFontFile().SystemPath()), stored);
}

TEST_F(UserFontTest, ViewLoadsTheStoredFontAtItsCreationAndBrokenFilesAreIgnored)
{
    testutil::WriteFileBytes(CUserFontFile().SystemPath(), Encoded("Nimbus Sans", -19, RGB(0, 0, 255)));
    CMainFrame& frame = Start(1);
    LOGFONTW loaded{};
    ASSERT_TRUE(::GetObjectW(globals->m_userFont.get(), sizeof(loaded), &loaded));
    EXPECT_STREQ(loaded.lfFaceName, L"Nimbus Sans");
    EXPECT_EQ(loaded.lfHeight, -19);
    EXPECT_EQ(loaded.lfWeight, FW_BOLD);
    EXPECT_EQ(loaded.lfItalic, 1);
    EXPECT_EQ(loaded.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(globals->m_clrUserFont, RGB(0, 0, 255));

    // Neither the chooser nor the list while a test runs: its panels hold the font.
    const HFONT held = globals->m_userFont.get();
    ModalResponder responder;
    ASSERT_TRUE(Command(responder, frame, ID_TEST_START_EN, 0));
    ASSERT_TRUE(dynamic_cast<CVerbsView&>(*frame.GetActiveView()).IsRunning());
    EXPECT_TRUE(Command(responder, frame, ID_FONT_EN, 0));
    EXPECT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 0));
    EXPECT_EQ(globals->m_userFont.get(), held);
    ASSERT_TRUE(Command(responder, frame, ID_TEST_STOP_EN, 0));

    // Cut short, a face name without its zero, or a size no chooser gives
    // (drawing it would take minutes): as if there were no file.
    ScratchFolder folder(L"verbs_font_broken");
    std::string unterminated = Encoded("DejaVu Serif", -16, RGB(0, 128, 0));
    std::fill(unterminated.begin() + 28, unterminated.begin() + 60, 'A');
    for (const std::string& broken : {unterminated.substr(0, 63), std::string(), unterminated,
                                      Encoded("DejaVu Serif", 65520, RGB(0, 128, 0))}) {
        testutil::WriteFileBytes(folder.File(L"verbsfont.sav"), broken);
        globals->m_userFont.reset();
        globals->m_clrUserFont = 0;
        LoadUserFont(CUserFontFile(folder.File(L"verbsfont.sav"), folder.File(L"none.sav")));
        EXPECT_FALSE(globals->m_userFont) << broken.size() << " bytes";
        EXPECT_EQ(globals->m_clrUserFont, 0u);
    }
}

TEST(UserFontFile, UnwritableSystemFolderFallsBackToTheUsersCopyWhichIsReadFirst)
{
    ScratchFolder folder(L"verbs_font_places");
    const std::wstring user = folder.File(L"user") + L"\\verbsfont.sav", system = folder.File(L"system.sav");
    const std::string first = Encoded("DejaVu Sans", -13, RGB(1, 2, 3)), second = Encoded("Nimbus Roman", -21, 4);
    auto read = [](const CUserFontFile& file) {
        auto record = file.Read();
        return record ? CUserFontFile::Encode(*record) : "<none>";
    };
    // The system folder is missing: the user's copy, its folder made on demand.
    CUserFontFile noSystem(folder.File(L"missing") + L"\\verbsfont.sav", user);
    ASSERT_TRUE(noSystem.Write(*CUserFontFile::Decode(first)));
    EXPECT_EQ(testutil::ReadFileBytes(user), first);
    // Both copies: the user's wins; a write that reaches the system folder retires it.
    testutil::WriteFileBytes(system, second);
    CUserFontFile both(system, user);
    EXPECT_EQ(read(both), first);
    ASSERT_TRUE(both.Write(*CUserFontFile::Decode(second)));
    EXPECT_FALSE(testutil::FileExists(user));
    EXPECT_EQ(read(both), second);
    // A user's copy that cannot go (another program reads it) takes the record.
    testutil::WriteFileBytes(user, second);
    {
        fw::UniqueFile reader(
            ::CreateFileW(user.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        EXPECT_TRUE(both.Write(*CUserFontFile::Decode(first)));
    }
    EXPECT_EQ(read(both), first);
    EXPECT_FALSE(CUserFontFile(folder.File(L"missing") + L"\\a.sav", L"").Write(*CUserFontFile::Decode(first)));
}
