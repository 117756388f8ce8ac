// The user's font: chosen in the real font chooser, kept in its 64-byte
// file, loaded when the view is created, and taken by the panels and the
// verbs list made afterwards.
#include "DialogsFixture.h"
#include "base/FontStatic.h"
#include "dialogs/FontChoice.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include <shlobj.h>
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

BOOL WINAPI WriteHalfThenDiskFull(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED)
{
    ::WriteFile(file, data, size / 2, written, nullptr);
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

std::string ReadBack(const CUserFontFile& file)
{
    auto record = file.Read();
    return record ? CUserFontFile::Encode(*record) : "<none>";
}

std::wstring SystemFolder(UINT (WINAPI *get)(LPWSTR, UINT))
{
    wchar_t folder[MAX_PATH] = {};
    UINT n = get(folder, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(folder, n);
}

// Whether the file is in the system folder that 64-bit programs see (a
// 32-bit test on 64-bit Windows looks past its redirection to the 32-bit one).
bool InNativeSystemFolder(const std::wstring& name)
{
    using Switch = BOOL(WINAPI*)(PVOID*);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto function = [kernel](const char* name) {
        return reinterpret_cast<Switch>(reinterpret_cast<void*>(::GetProcAddress(kernel, name)));
    };
    Switch disable = function("Wow64DisableWow64FsRedirection"), revert = function("Wow64RevertWow64FsRedirection");
    BOOL wow64 = FALSE;
    PVOID state = nullptr;
    bool off = ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64 && disable && revert && disable(&state);
    bool found = testutil::FileExists(SystemFolder(::GetSystemDirectoryW) + L"\\" + name);
    if (off)
        revert(&state);
    return found;
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
    // One file for the 32-bit and the 64-bit program: the 64-bit system folder's.
    EXPECT_TRUE(InNativeSystemFolder(L"verbsfont.sav"));
    const std::wstring wow64 = SystemFolder(::GetSystemWow64DirectoryW);
    EXPECT_TRUE(wow64.empty() || !testutil::FileExists(wow64 + L"\\verbsfont.sav"));

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

TEST(UserFontFile, AWriteThatCannotWinLeavesWhatIsReadAsItWas)
{
    ScratchFolder folder(L"verbs_font_failures");
    const std::wstring user = folder.File(L"user.sav"), system = folder.File(L"system.sav");
    const std::string older = Encoded("DejaVu Sans", -13, RGB(1, 2, 3)), previous = Encoded("Nimbus Sans", -15, 5),
                      newer = Encoded("Nimbus Roman", -21, 4);
    CUserFontFile both(system, user);
    std::wstring inTheWay;

    // The disk fills up: the record there stays whole, and the user's copy
    // is not begun.
    testutil::WriteFileBytes(system, previous);
    CUserFontFile::FileWriter() = WriteHalfThenDiskFull;
    const bool written = both.Write(*CUserFontFile::Decode(newer), &inTheWay);
    CUserFontFile::FileWriter() = ::WriteFile;
    EXPECT_FALSE(written);
    EXPECT_EQ(inTheWay, user);
    EXPECT_EQ(testutil::ReadFileBytes(system), previous);
    EXPECT_FALSE(testutil::FileExists(user));

    // The user's copy, read first, can be neither deleted nor rewritten while
    // another program holds it: the system copy is put back as it was.
    testutil::WriteFileBytes(system, older);
    testutil::WriteFileBytes(user, previous);
    inTheWay.clear();
    {
        fw::UniqueFile holder(::CreateFileW(user.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(both.Write(*CUserFontFile::Decode(newer), &inTheWay));
    }
    EXPECT_EQ(inTheWay, user);
    EXPECT_EQ(testutil::ReadFileBytes(system), older);
    EXPECT_EQ(ReadBack(both), previous);
    // And without the holder the same write wins.
    EXPECT_TRUE(both.Write(*CUserFontFile::Decode(newer)));
    EXPECT_EQ(ReadBack(both), newer);
}

TEST(UserFontFile, CopiesOfOlderVersionsAreReadUntilANewChoiceIsStored)
{
    ScratchFolder folder(L"verbs_font_older");
    UserFontPlaces places;
    places.user = folder.File(L"user.sav");
    places.virtualCopies = {folder.File(L"virtual32.sav"), folder.File(L"virtual64.sav")};
    places.system = folder.File(L"system.sav");
    places.olderCopies = {folder.File(L"wow64.sav")};
    const CUserFontFile file(places);
    const std::string a = Encoded("A", -11, 1), b = Encoded("B", -12, 2), c = Encoded("C", -13, 3),
                      d = Encoded("D", -14, 4), e = Encoded("E", -15, 5);

    // Each copy alone is read; in front of those after it.
    const std::pair<std::wstring, std::string> inOrder[] = {{places.olderCopies[0], e},
                                                            {places.system, d},
                                                            {places.virtualCopies[1], c},
                                                            {places.virtualCopies[0], b},
                                                            {places.user, a}};
    for (const auto& [path, bytes] : inOrder) {
        testutil::WriteFileBytes(path, bytes);
        EXPECT_EQ(ReadBack(file), bytes) << path;
    }
    EXPECT_EQ(file.AllPaths(), (std::vector<std::wstring>{places.user, places.virtualCopies[0],
                                                          places.virtualCopies[1], places.system,
                                                          places.olderCopies[0]}));

    // A new choice goes to the system folder; the copies in front of it go.
    const std::string chosen = Encoded("Chosen", -16, 6);
    ASSERT_TRUE(file.Write(*CUserFontFile::Decode(chosen)));
    EXPECT_EQ(ReadBack(file), chosen);
    EXPECT_EQ(testutil::ReadFileBytes(places.system), chosen);
    for (const std::wstring& gone : {places.user, places.virtualCopies[0], places.virtualCopies[1]})
        EXPECT_FALSE(testutil::FileExists(gone)) << gone;
    EXPECT_EQ(testutil::ReadFileBytes(places.olderCopies[0]), e) << "behind it, left alone";
}

TEST_F(UserFontTest, TheViewLoadsWhatAnOlderVersionLeftInTheVirtualStoreOrThe32BitSystemFolder)
{
    // Where Windows put an older 32-bit version's file: without rights to
    // the system folder in the user's VirtualStore, on 64-bit Windows in the
    // 32-bit system folder.
    const std::wstring system = SystemFolder(::GetSystemDirectoryW), wow64 = SystemFolder(::GetSystemWow64DirectoryW);
    std::vector<std::wstring> places{testutil::VirtualStoreCopy(system)};
    if (!wow64.empty()) {
        places.push_back(testutil::VirtualStoreCopy(wow64));
        places.push_back(wow64);
    }
    for (const std::wstring& place : places) {
        SCOPED_TRACE(testing::PrintToString(place));
        ASSERT_EQ(::SHCreateDirectoryExW(nullptr, place.c_str(), nullptr) == ERROR_SUCCESS ||
                      ::GetLastError() == ERROR_ALREADY_EXISTS,
                  true);
        testutil::WriteFileBytes(place + L"\\verbsfont.sav", Encoded("Nimbus Mono", -17, RGB(0, 128, 0)));
        globals->m_userFont.reset();
        LoadUserFont();
        EXPECT_EQ(FaceOf(globals->m_userFont.get()), L"Nimbus Mono");
        EXPECT_EQ(globals->m_clrUserFont, RGB(0, 128, 0));
        RemoveFontFiles();
    }

    // The copy the older version read first wins over the system folder's.
    testutil::WriteFileBytes(places[0] + L"\\verbsfont.sav", Encoded("Nimbus Mono", -17, RGB(0, 128, 0)));
    testutil::WriteFileBytes(CUserFontFile().SystemPath(), Encoded("Nimbus Sans", -19, RGB(0, 0, 255)));
    Start(1);
    EXPECT_EQ(FaceOf(globals->m_userFont.get()), L"Nimbus Mono");
}

TEST_F(UserFontTest, AChoiceThatCannotBeStoredIsReportedInEitherLanguageAndTheStoredOneStays)
{
    const std::string stored = Encoded("Nimbus Sans", -19, RGB(0, 0, 255));
    testutil::WriteFileBytes(CUserFontFile().SystemPath(), stored);
    CMainFrame& frame = Start(1);
    ModalResponder responder;
    CUserFontFile::FileWriter() = WriteHalfThenDiskFull;
    for (UINT command : {ID_FONT_EN, ID_FONT_RU}) {
        globals->Language = command == ID_FONT_EN ? 1 : 0;
        responder.Then([](HWND chooser) {
            Pick(chooser, kColourBox, L"Maroon");
            ModalResponder::Press(chooser, IDOK);
        });
        responder.ThenPress(IDOK);
        EXPECT_TRUE(Command(responder, frame, command, 2));
    }
    CUserFontFile::FileWriter() = ::WriteFile;
    ASSERT_EQ(responder.Seen().size(), 4u);
    const std::wstring user = CUserFontFile().UserPath();
    EXPECT_EQ(responder.Seen()[1].text,
              L"Could not save the chosen font: file \"" + user + L"\" cannot be written. The previous font stays.");
    EXPECT_EQ(responder.Seen()[1].caption, L"Lexoria");
    EXPECT_EQ(responder.Seen()[3].text,
              L"\u041D\u0435\u0432\u043E\u0437\u043C\u043E\u0436\u043D\u043E \u0441\u043E\u0445\u0440\u0430\u043D\u0438\u0442\u044C "
              L"\u0432\u044B\u0431\u0440\u0430\u043D\u043D\u044B\u0439 \u0448\u0440\u0438\u0444\u0442: \u0444\u0430\u0439\u043B \"" +
                  user + L"\" \u043D\u0435\u0434\u043E\u0441\u0442\u0443\u043F\u0435\u043D \u0434\u043B\u044F \u0437\u0430\u043F\u0438\u0441\u0438. "
                         L"\u041E\u0441\u0442\u0430\u0451\u0442\u0441\u044F \u043F\u0440\u0435\u0436\u043D\u0438\u0439 \u0448\u0440\u0438\u0444\u0442.");
    EXPECT_EQ(testutil::ReadFileBytes(CUserFontFile().SystemPath()), stored);
    EXPECT_FALSE(testutil::FileExists(user));
    EXPECT_EQ(globals->m_clrUserFont, RGB(0, 0, 255)) << "the stored choice, loaded again";
}

