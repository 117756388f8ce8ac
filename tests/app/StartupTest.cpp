// Start-up and shut-down of the whole program, in-process and as a process.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "framework/FrameWnd.h"
#include "pictures/PictureCtrl.h"
#include "resources/resource.h"
#include "session/RandomDraw.h"
#include "settings/RegistryApi.h"
#include <ctime>
#include <string>
#include <vector>

using testutil::ModalResponder;

namespace {

const wchar_t* const kNineNames[] = {L"ShowTranslate", L"MustLimitTime", L"LimitTime",
                                     L"ShowRightAnswer", L"NumWords", L"OnlyOneForm",
                                     L"WhichForm", L"Language", L"MaxAttempt"};

LONG WINAPI FailCreateKey(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY key,
                             LPDWORD)
{
    if (key)
        *key = nullptr;
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

} // namespace

TEST_F(AppFixture, FirstRunCreatesDefaultsAndGroupsAndOpensMaximisedWindow)
{
    ASSERT_TRUE(app->InitInstance());
    ASSERT_NE(app->m_pMainWnd, nullptr);
    HWND frame = app->m_pMainWnd->m_hWnd;
    EXPECT_TRUE(::IsZoomed(frame));
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_EQ(app->m_pMainWnd->GetWindowText(), L"Lexoria");
    // Both titles read the same: the menu tells the language (English by default).
    EXPECT_TRUE(testutil::PumpUntil([&] { return testutil::MenuItemText(::GetMenu(frame), 0) == L"&Test"; }))
        << "menu: " << testutil::MenuItemText(::GetMenu(frame), 0);

    const wchar_t* expected[] = {L"1", L"0", L"10", L"1", L"10", L"0", L"0", L"1", L"3"};
    for (size_t i = 0; i < 9; ++i)
        EXPECT_EQ(Setting(kNineNames[i]), expected[i]) << kNineNames[i];

    std::wstring groupsKey = std::wstring(testutil::kSettingsKey) + L"\\Groups";
    std::wstring text;
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"", text));
    EXPECT_EQ(text, L"-1");
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"1-1-2", text));
    EXPECT_EQ(text, L"8;34;");
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"1-2-1", text));
    EXPECT_EQ(text, L"9;47;145;149;159;181;193;");
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"1-1-1", text));
    EXPECT_EQ(text.substr(0, 12), L"13;18;22;24;");
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"1-2-2", text));
    EXPECT_EQ(text.size(), 645u); // loaded whole, not cut at a buffer size
    ASSERT_TRUE(testutil::ReadRegString(groupsKey, L"1-2-3", text));
    EXPECT_EQ(text.substr(text.size() - 8), L"289;294;");

    // The shipped picture theme beside the program becomes current and is
    // stored; a test started before the program was ever idle shows its picture.
    EXPECT_EQ(Setting(L"LastLibPict"), L"Pictures.dll");
    globals->NumWords = 3;
    app->m_pMainWnd->SendMessage(WM_COMMAND, ID_TEST_START_EN, 0);
    auto* view = dynamic_cast<CVerbsView*>(dynamic_cast<CMainFrame&>(*app->m_pMainWnd).GetActiveView());
    ASSERT_TRUE(view && view->IsRunning());
    EXPECT_FALSE(view->PicturePanel().Picture().Image().IsEmpty()) << "the test's picture is the theme's";
    std::wstring shipped = testutil::ExecutableFolder() + L"\\Pictures.dll";
    ASSERT_NE(::GetModuleHandleW(shipped.c_str()), nullptr);
    EXPECT_EQ(globals->m_hCurrentTheme, ::GetModuleHandleW(shipped.c_str()));

    CloseProgram();
    EXPECT_EQ(::GetModuleHandleW(shipped.c_str()), nullptr) << "theme libraries are freed at exit";
    EXPECT_FALSE(testutil::FileExists(IniPath()));
}

TEST_F(AppFixture, StoredRussianGivesTheRussianMenuAndExitDeletesOldIni)
{
    // Not the default: a stored language that is ignored shows.
    testutil::WriteRegString(testutil::kSettingsKey, L"Language", L"0");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(globals->Language, 0);
    HWND frame = app->m_pMainWnd->m_hWnd;
    EXPECT_EQ(app->m_pMainWnd->GetWindowText(), L"Lexoria");
    EXPECT_TRUE(testutil::PumpUntil(
        [&] { return testutil::MenuItemText(::GetMenu(frame), 0) == L"&\u0422\u0435\u0441\u0442"; }))
        << "menu: " << testutil::MenuItemText(::GetMenu(frame), 0);
    // Whatever left the file there, the end of the run removes it.
    testutil::WriteFileBytes(IniPath(), "[Settings]\r\nPreviewPages=1\r\n");
    CloseProgram();
    EXPECT_FALSE(testutil::FileExists(IniPath()));
}

TEST_F(AppFixture, FrameHasNoSizingBorderAndTitleIsNotADocumentName)
{
    ASSERT_TRUE(app->InitInstance());
    HWND frame = app->m_pMainWnd->m_hWnd;
    LONG style = ::GetWindowLongW(frame, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ((style & WS_CAPTION), WS_CAPTION);
    ::ShowWindow(frame, SW_RESTORE);
    testutil::PumpMessages(20);
    EXPECT_FALSE(::IsZoomed(frame));
    EXPECT_EQ(app->m_pMainWnd->GetWindowText(), L"Lexoria");
}

TEST_F(AppFixture, SettingsKeyThatCannotBeOpenedIsReportedAndEndsStartUp)
{
    Profile::ScopedRegistryOverride registry;
    registry->CreateKeyEx = FailCreateKey;
    ModalResponder responder;
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_FALSE(app->InitInstance()); }));
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].caption, L"Lexoria");
    EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nSection: Software");
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST_F(AppFixture, RegistryFailureWhileLoadingSettingsEndsStartUp)
{
    // The key exists but no value may be written: the first missing value
    // fails. (The theme name is there, so theme loading writes nothing.)
    testutil::WriteRegString(testutil::kSettingsKey, L"LastLibPict", L"Pictures.dll");
    Profile::ScopedRegistryOverride registry;
    registry->SetValueEx = FailSetValue;
    ModalResponder responder;
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_FALSE(app->InitInstance()); }));
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nKey: ShowTranslate Value:1");
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST_F(AppFixture, SecondInstanceInTheSameSessionIsRefused)
{
    ASSERT_TRUE(app->IsFirstInstance());
    CVerbsApp* first = app.release();
    {
        CVerbsApp second(VerbsAppParts{NewVerbsView});
        EXPECT_FALSE(second.IsFirstInstance());
    }
    delete first;
    // With the first copy gone, the name is free again.
    CVerbsApp third(VerbsAppParts{NewVerbsView});
    EXPECT_TRUE(third.IsFirstInstance());
}

TEST_F(AppFixture, ARunIsSeededFromItsStartSecondBeforeItsPictureIsChosen)
{
    // Every run draws from the generator as seeded when its application
    // object was made: the picture control of the view draws first.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t before = std::time(nullptr);
        CloseProgram();
        app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView, StoredThemeFile, LoadProgramPictureThemes});
        CPictureCtrl control;
        std::vector<int> drawn{control.PictureIndex(), DrawBelow(1000), DrawBelow(1000)};
        if (std::time(nullptr) != before)
            continue; // the second changed in between
        SeedDraws(before);
        std::vector<int> expected{DrawBelow(CPictureCtrl::kPictures), DrawBelow(1000), DrawBelow(1000)};
        EXPECT_EQ(drawn, expected);
        return;
    }
    FAIL() << "the clock's second changed during every attempt";
}
