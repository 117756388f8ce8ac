// The theme dialog on real theme libraries: what it lists and preselects in
// either language, and what OK and Cancel change.
#include "ModalResponder.h"
#include "PictureTestSupport.h"
#include "framework/Text.h"
#include "pictures/PictureThemeDlg.h"
#include "settings/RegistryApi.h"
#include "tests/app/AppFixture.h"
#include "resources/resource.h"
#include <commctrl.h>

using picturetest::PictureFixture;
using picturetest::ThemeCase;
using picturetest::ThemeFolder;
using testutil::ModalResponder;

namespace {

constexpr int kThemeList = 1034;
const wchar_t* const kCoastRu = L"\u0411\u0435\u0440\u0435\u0433\u043E\u0432\u044B\u0435 \u043F\u0442\u0438\u0446\u044B";
const wchar_t* const kAlpineRu = L"\u0413\u043E\u0440\u043D\u044B\u0435 \u043F\u0442\u0438\u0446\u044B";

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

// What the dialog showed when it opened.
struct Shown {
    std::wstring caption;
    std::vector<std::wstring> items;
    int selected = -2;
};

Shown Read(HWND dialog)
{
    Shown shown;
    shown.caption = fw::WindowText(dialog);
    HWND list = ::GetDlgItem(dialog, kThemeList);
    int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        shown.items.push_back(text);
    }
    shown.selected = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
    return shown;
}

class ThemeDialogTest : public PictureFixture {
protected:
    // Loads the folder's themes with the given stored name and language.
    void Load(const ThemeFolder& folder, const wchar_t* stored, int language)
    {
        testutil::WriteRegString(testutil::kSettingsKey, L"LastLibPict", stored);
        globals->Language = language;
        LoadPictureThemes(folder.Path());
    }
    // Runs the dialog: reads it, selects the item (unless -1) and presses the button.
    INT_PTR Run(int select, int button)
    {
        ModalResponder responder;
        responder.AllowUnasked(); // a report after the dialog: the test checks `seen`
        responder.Then([&](HWND dialog) {
            shown = Read(dialog);
            if (select >= 0)
                ::SendDlgItemMessageW(dialog, kThemeList, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
            ModalResponder::Press(dialog, button);
        });
        CPictureThemeDlg dialog;
        INT_PTR result = dialog.DoModal();
        seen = responder.Seen();
        return result;
    }
    HMODULE Module(const ThemeFolder& folder, const wchar_t* file)
    {
        return ::GetModuleHandleW(folder.PathOf(file).c_str());
    }

    Shown shown;
    std::vector<testutil::SeenDialog> seen;
};

} // namespace

TEST_F(ThemeDialogTest, RussianNamesSortedWithTheCurrentSelectedAndOkMakesTheChoiceCurrentAndStoresIt)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    folder.Add(ThemeCase(L"coast"), L"Coast.dll");
    Load(folder, L"Alpine.dll", 0);

    EXPECT_EQ(Run(0, IDOK), IDOK);
    EXPECT_EQ(shown.caption, L"\u0412\u044B\u0431\u043E\u0440 \u0442\u0435\u043C\u044B \u0440\u0438\u0441\u0443\u043D\u043A\u043E\u0432");
    EXPECT_EQ(shown.items, (std::vector<std::wstring>{kCoastRu, kAlpineRu}));
    EXPECT_EQ(shown.selected, 1);
    EXPECT_EQ(globals->m_hCurrentTheme, Module(folder, L"Coast.dll"));
    EXPECT_EQ(Setting(L"LastLibPict"), L"Coast.dll");
}

TEST_F(ThemeDialogTest, EnglishNamesAndTitleAndCancelChangesNothing)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    folder.Add(ThemeCase(L"coast"), L"Coast.dll");
    Load(folder, L"Alpine.dll", 1);

    EXPECT_EQ(Run(0, IDCANCEL), IDCANCEL);
    EXPECT_EQ(shown.caption, L"Pictures theme selection");
    EXPECT_EQ(shown.items, (std::vector<std::wstring>{L"Coast birds", L"Mountain birds"}));
    EXPECT_EQ(shown.selected, 1);
    EXPECT_EQ(globals->m_hCurrentTheme, Module(folder, L"Alpine.dll"));
    EXPECT_EQ(Setting(L"LastLibPict"), L"Alpine.dll");
}

TEST_F(ThemeDialogTest, TwoThemesOfTheSameNameKeepTheOneChosenNotTheFirstOfThatName)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    folder.Add(ThemeCase(L"alpine"), L"Copy.dll");
    // The current one is the second in the theme list.
    std::wstring second = folder.Listing().at(1);
    Load(folder, second.c_str(), 1);
    ASSERT_EQ(globals->m_hCurrentTheme, Module(folder, second.c_str()));

    EXPECT_EQ(Run(-1, IDOK), IDOK);
    EXPECT_EQ(shown.items, (std::vector<std::wstring>{L"Mountain birds", L"Mountain birds"}));
    EXPECT_EQ(globals->m_hCurrentTheme, Module(folder, second.c_str()));
    EXPECT_EQ(Setting(L"LastLibPict"), second);
}

TEST_F(ThemeDialogTest, WithNoCurrentThemeTheFirstNameIsSelectedAndOkMakesItCurrent)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    folder.Add(ThemeCase(L"coast"), L"Coast.dll");
    Load(folder, L"Gone.dll", 1);
    ASSERT_EQ(globals->m_hCurrentTheme, nullptr);

    EXPECT_EQ(Run(-1, IDOK), IDOK);
    EXPECT_EQ(shown.selected, 0);
    EXPECT_EQ(globals->m_hCurrentTheme, Module(folder, L"Coast.dll"));
    EXPECT_EQ(Setting(L"LastLibPict"), L"Coast.dll");
}

TEST_F(ThemeDialogTest, EmptyListClosesWithoutChangeAndAStoreFailureOnOkIsReported)
{
    ThemeFolder& empty = NewFolder();
    Load(empty, L"Alpine.dll", 0);
    EXPECT_EQ(Run(-1, IDOK), IDOK);
    EXPECT_TRUE(shown.items.empty());
    EXPECT_EQ(shown.selected, LB_ERR);
    EXPECT_EQ(globals->m_hCurrentTheme, nullptr);
    EXPECT_EQ(Setting(L"LastLibPict"), L"Alpine.dll");
    globals->FreePictureThemes();
    globals->m_themes.clear();

    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"coast"), L"Coast.dll");
    Load(folder, L"Coast.dll", 0);
    Profile::ScopedRegistryOverride registry;
    registry->SetValueEx = FailSetValue;
    globals->m_hCurrentTheme = nullptr;
    EXPECT_EQ(Run(-1, IDOK), IDOK);
    ASSERT_EQ(seen.size(), 2u) << "the dialog, then the report";
    EXPECT_EQ(seen[1].text.rfind(L"Oops! Profile::RegException\n\n", 0), 0u) << seen[1].text;
    EXPECT_EQ(globals->m_hCurrentTheme, Module(folder, L"Coast.dll")) << "in use for this run all the same";
}

TEST_F(AppFixture, ThemeCommandOpensTheDialogInTheInterfaceLanguageButNotDuringATest)
{
    CMainFrame& frame = Start(1);
    ModalResponder responder;
    Shown atOpen;
    responder.Then([&](HWND dialog) {
        atOpen = Read(dialog);
        ModalResponder::Press(dialog, IDCANCEL);
    });
    frame.SendMessage(WM_COMMAND, ID_THEME_EN, 0);
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].caption, L"Pictures theme selection");
    // Opened before the program was ever idle, it lists the themes all the same.
    EXPECT_EQ(atOpen.items, std::vector<std::wstring>{L"Kestrel pictures"});
    EXPECT_EQ(atOpen.selected, 0);

    // During a test the command is off in the menu and on the toolbar, and
    // sent all the same it opens nothing.
    HMENU service = ::GetSubMenu(::GetMenu(frame.m_hWnd), 1);
    auto themeGrayed = [&] {
        frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(service), 1);
        return (::GetMenuState(service, ID_THEME_EN, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    auto themeButtonEnabled = [&] {
        app->OnIdle(0);
        return ::SendMessageW(frame.ToolBar().m_hWnd, TB_ISBUTTONENABLED, ID_THEME_EN, 0) != 0;
    };
    EXPECT_FALSE(themeGrayed());
    EXPECT_TRUE(themeButtonEnabled());
    globals->NumWords = 3;
    frame.SendMessage(WM_COMMAND, ID_TEST_START_EN, 0);
    ASSERT_TRUE(dynamic_cast<CVerbsView*>(frame.GetActiveView())->IsRunning());
    EXPECT_TRUE(themeGrayed());
    EXPECT_FALSE(themeButtonEnabled());
    EXPECT_TRUE(responder.ExpectNoDialog([&] { frame.SendMessage(WM_COMMAND, ID_THEME_EN, 0); }));
}
