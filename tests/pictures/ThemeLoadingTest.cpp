// Theme loading at start-up, on real libraries copied into folders of their
// own: which files become themes, in which order, and which one is current.
#include "ModalResponder.h"
#include "PictureTestSupport.h"
#include "graphfmt/Image.h"
#include "settings/RegistryApi.h"

using picturetest::PictureFixture;
using picturetest::ThemeCase;
using picturetest::ThemeFolder;

namespace {

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

std::vector<std::wstring> ListedFiles()
{
    std::vector<std::wstring> names;
    for (const PictureTheme& theme : Globals().m_themes)
        names.push_back(theme.fileName);
    return names;
}

const PictureTheme* Listed(const std::wstring& fileName)
{
    for (const PictureTheme& theme : Globals().m_themes)
        if (theme.fileName == fileName)
            return &theme;
    return nullptr;
}

// The theme cases whose code ran in this process since the variable was cleared.
std::wstring CasesRun()
{
    wchar_t run[512] = {};
    ::GetEnvironmentVariableW(L"VERBS_THEME_CASES_RUN", run, 512);
    return run;
}

} // namespace

TEST_F(PictureFixture, OnlyLibrariesWithBothNameFunctionsAreListedTheRestIsUnloaded)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"only_e"), L"OnlyE.dll");
    folder.Add(ThemeCase(L"no_pictures"), L"NoPictures.dll");
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    // Name functions that are not code of the library: calling one would
    // fault (or run a function of another library).
    folder.Add(ThemeCase(L"data_names"), L"DataNames.dll");
    folder.Add(ThemeCase(L"forwarded_name"), L"ForwardedName.dll");
    folder.Add(ThemeCase(L"header_name"), L"HeaderName.dll");
    // Both name functions are code, but the system's search for them meets
    // another name that points outside the image.
    folder.Add(ThemeCase(L"stray_name"), L"StrayName.dll");
    // "*.dll" finds this one through its short name "COAST~1.DLL".
    folder.Add(ThemeCase(L"coast"), L"Coast.dllold");
    folder.Write(L"Broken.dll", "this is no library");
    testutil::WriteRegString(testutil::kSettingsKey, L"LastLibPict", L"OnlyE.dll");
    ::SetEnvironmentVariableW(L"VERBS_THEME_CASES_RUN", nullptr);

    LoadPictureThemes(folder.Path());
    EXPECT_EQ(ListedFiles(), std::vector<std::wstring>{L"Alpine.dll"});
    EXPECT_EQ(CasesRun(), L"alpine ") << "the code of what is no theme never runs";
    for (const wchar_t* file :
         {L"OnlyE.dll", L"DataNames.dll", L"ForwardedName.dll", L"HeaderName.dll", L"StrayName.dll"})
        EXPECT_EQ(::GetModuleHandleW(folder.PathOf(file).c_str()), nullptr) << "unloaded again: " << file;
    EXPECT_NE(::GetModuleHandleW(folder.PathOf(L"Alpine.dll").c_str()), nullptr);
    EXPECT_EQ(globals->m_hCurrentTheme, nullptr) << "the stored name is no theme";
    EXPECT_EQ(Setting(L"LastLibPict"), L"OnlyE.dll");
}

TEST_F(PictureFixture, TwoThemesAreListedInFolderOrderWithTheirNamesAndOnlyTheStoredOneIsCurrent)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"coast"), L"Coast.dll");
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    testutil::WriteRegString(testutil::kSettingsKey, L"LastLibPict", L"Coast.dll");

    LoadPictureThemes(folder.Path());
    EXPECT_EQ(ListedFiles(), folder.Listing());
    const PictureTheme* alpine = Listed(L"Alpine.dll");
    const PictureTheme* coast = Listed(L"Coast.dll");
    ASSERT_TRUE(alpine && coast);
    EXPECT_EQ(alpine->englishName, L"Mountain birds");
    EXPECT_EQ(alpine->russianName, L"\u0413\u043E\u0440\u043D\u044B\u0435 \u043F\u0442\u0438\u0446\u044B");
    EXPECT_EQ(coast->englishName, L"Coast birds");
    EXPECT_EQ(coast->russianName,
              L"\u0411\u0435\u0440\u0435\u0433\u043E\u0432\u044B\u0435 \u043F\u0442\u0438\u0446\u044B");
    EXPECT_EQ(coast->library.get(), ::GetModuleHandleW(folder.PathOf(L"Coast.dll").c_str()));
    EXPECT_EQ(globals->m_hCurrentTheme, coast->library.get());

    // Both stay loaded until the end of the run, then none is current.
    EXPECT_NE(alpine->library.get(), nullptr);
    globals->FreePictureThemes();
    EXPECT_EQ(globals->m_hCurrentTheme, nullptr);
    EXPECT_EQ(::GetModuleHandleW(folder.PathOf(L"Coast.dll").c_str()), nullptr);
    EXPECT_EQ(::GetModuleHandleW(folder.PathOf(L"Alpine.dll").c_str()), nullptr);
}

TEST_F(PictureFixture, StoredNameInOtherLetterCaseListsTheThemeButMakesNoneCurrent)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"alpine"), L"Pictures.dll");
    testutil::WriteRegString(testutil::kSettingsKey, L"LastLibPict", L"pictures.dll");

    LoadPictureThemes(folder.Path());
    EXPECT_EQ(ListedFiles(), std::vector<std::wstring>{L"Pictures.dll"});
    EXPECT_EQ(globals->m_hCurrentTheme, nullptr);
    EXPECT_EQ(Setting(L"LastLibPict"), L"pictures.dll");
}

TEST_F(PictureFixture, FirstRunStoresTheShippedThemeWhichIsLoadedFromTheFolderItself)
{
    // The folder's own Pictures.dll here holds another theme; a load by bare
    // name would find the shipped library beside the test program instead.
    ThemeFolder& folder = NewFolder();
    folder.Add(ThemeCase(L"coast"), L"Pictures.dll");
    ASSERT_TRUE(testutil::FileExists(testutil::ExecutableFolder() + L"\\Pictures.dll"));

    LoadPictureThemes(folder.Path());
    EXPECT_EQ(Setting(L"LastLibPict"), L"Pictures.dll");
    ASSERT_EQ(globals->m_themes.size(), 1u);
    EXPECT_EQ(globals->m_themes[0].englishName, L"Coast birds");
    EXPECT_EQ(globals->m_hCurrentTheme, ::GetModuleHandleW(folder.PathOf(L"Pictures.dll").c_str()));
    EXPECT_NE(globals->m_hCurrentTheme, nullptr);
}

TEST_F(PictureFixture, ShippedLibraryKeepsTheContractAndAStoreFailureIsReportedWhileTheScanGoesOn)
{
    ThemeFolder& folder = NewFolder();
    folder.Add(testutil::ExecutableFolder() + L"\\Pictures.dll", L"Pictures.dll");
    folder.Add(ThemeCase(L"alpine"), L"Alpine.dll");
    Profile::ScopedRegistryOverride registry;
    registry->SetValueEx = FailSetValue;
    testutil::ModalResponder responder;
    responder.AllowUnasked(); // the report is checked below

    LoadPictureThemes(folder.Path());
    ASSERT_EQ(responder.Seen().size(), 1u);
    EXPECT_EQ(responder.Seen()[0].text.rfind(L"Oops! Profile::RegException\n\n", 0), 0u) << responder.Seen()[0].text;
    EXPECT_EQ(globals->m_themes.size(), 2u);
    const PictureTheme* shipped = Listed(L"Pictures.dll");
    ASSERT_NE(shipped, nullptr);
    EXPECT_EQ(globals->m_hCurrentTheme, shipped->library.get()) << "the shipped theme all the same";
    EXPECT_EQ(shipped->englishName, L"Kestrel pictures");
    EXPECT_EQ(shipped->russianName,
              L"\u0418\u043B\u043B\u044E\u0441\u0442\u0440\u0430\u0446\u0438\u0438 Kestrel");

    // Sixteen pictures 129-144 of 240 x 300.
    for (UINT id = 129; id <= 144; ++id) {
        HRSRC resource = ::FindResourceW(shipped->library.get(), MAKEINTRESOURCEW(id), L"JPG");
        ASSERT_NE(resource, nullptr) << id;
        CImage picture;
        ASSERT_TRUE(picture.ReadMemory(::LockResource(::LoadResource(shipped->library.get(), resource)),
                                       ::SizeofResource(shipped->library.get(), resource)))
            << id;
        EXPECT_EQ(picture.Width(), 240) << id;
        EXPECT_EQ(picture.Height(), 300) << id;
    }
    EXPECT_EQ(::FindResourceW(shipped->library.get(), MAKEINTRESOURCEW(145), L"JPG"), nullptr);
}

TEST_F(PictureFixture, ANameThatCannotBeReadOrIsNoCodeMakesNoThemeAndALongOneIsCut)
{
    std::wstring cases = testutil::ExecutableFolder() + L"\\theme_cases";
    PictureTheme theme;
    for (const wchar_t* kind : {L"wild", L"edge"}) {
        ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_R", kind);
        EXPECT_FALSE(LoadPictureTheme(cases, L"wild_names.dll", theme)) << kind;
        EXPECT_EQ(::GetModuleHandleW((cases + L"\\wild_names.dll").c_str()), nullptr) << kind;
    }
    // Exports changed once the library is loaded: a name function that
    // turns into text, a name that points outside the image.
    ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_R", nullptr);
    for (const wchar_t* kind : {L"text", L"stray"}) {
        ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_E", kind);
        EXPECT_FALSE(LoadPictureTheme(cases, L"wild_names.dll", theme)) << kind;
        EXPECT_EQ(::GetModuleHandleW((cases + L"\\wild_names.dll").c_str()), nullptr) << kind;
    }
    ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_E", nullptr);

    ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_R", L"long");
    EXPECT_TRUE(LoadPictureTheme(cases, L"wild_names.dll", theme));
    EXPECT_EQ(theme.russianName, std::wstring(1024, L'x'));
    EXPECT_EQ(theme.englishName, L"Wild names");
    ::SetEnvironmentVariableW(L"VERBS_THEME_CASE_R", nullptr);
}

TEST_F(PictureFixture, NoFolderLoadsNothingRatherThanTheRootOfTheCurrentDrive)
{
    ThemeFolder& folder = NewFolder();
    std::wstring rootTheme = folder.Path().substr(0, 3) + L"verbs-root-theme.dll";
    ASSERT_TRUE(::CopyFileW(ThemeCase(L"alpine").c_str(), rootTheme.c_str(), FALSE));
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    ::SetCurrentDirectoryW(folder.Path().c_str());

    LoadPictureThemes(L"");
    ::SetCurrentDirectoryW(current);
    EXPECT_EQ(ListedFiles(), std::vector<std::wstring>{});
    globals->FreePictureThemes();
    EXPECT_TRUE(::DeleteFileW(rootTheme.c_str()));
}
