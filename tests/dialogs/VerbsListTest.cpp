// The verbs list dialog on the real program: tabs per group, rows sorted by
// the infinitive, columns and captions in both languages.
#include "DialogsFixture.h"
#include <array>

using dialogtest::DialogsTest;
using testutil::ModalResponder;

namespace {

const wchar_t* const kGroupsKey = L"Software\\Tarnik\\Verbs\\Groups";
constexpr int kTabs = 1047, kList = 1019, kExport = 145;

using Row = std::array<std::wstring, 4>;

// What the dialog shows, read through the controls' own messages.
struct Shown {
    std::wstring caption, ok, exportText, help;
    bool exportEnabled = false;
    std::vector<std::wstring> tabs, headers;
    std::vector<int> widths;
    int listWidth = 0;
    std::vector<Row> rows;
};

std::wstring CellText(HWND list, int row, int column)
{
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

Shown Read(HWND dialog)
{
    Shown s;
    s.caption = dialogtest::DialogText(dialog);
    s.ok = ModalResponder::ControlText(dialog, IDOK);
    s.exportText = ModalResponder::ControlText(dialog, kExport);
    s.help = ModalResponder::ControlText(dialog, IDHELP);
    s.exportEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, kExport)) != FALSE;
    HWND tabs = ::GetDlgItem(dialog, kTabs);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        wchar_t text[256] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        TabCtrl_GetItem(tabs, i, &item);
        s.tabs.push_back(text);
    }
    HWND list = ::GetDlgItem(dialog, kList);
    RECT rc{};
    ::GetWindowRect(list, &rc);
    s.listWidth = rc.right - rc.left;
    HWND header = ListView_GetHeader(list);
    for (int c = 0; c < Header_GetItemCount(header); ++c) {
        wchar_t text[256] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        Header_GetItem(header, c, &item);
        s.headers.push_back(text);
        s.widths.push_back(ListView_GetColumnWidth(list, c));
    }
    for (int r = 0; r < ListView_GetItemCount(list); ++r)
        s.rows.push_back({CellText(list, r, 0), CellText(list, r, 1), CellText(list, r, 2), CellText(list, r, 3)});
    return s;
}

// Picks a tab as a click on it would.
void ClickTab(HWND dialog, int index)
{
    ::SendMessageW(::GetDlgItem(dialog, kTabs), TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
}

std::vector<std::wstring> StoredGroupNames()
{
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kGroupsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[512];
        DWORD length = 512;
        if (::RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (length > 0)
            names.emplace_back(name, length);
    }
    ::RegCloseKey(key);
    return names;
}

Row RowOf(const VerbRecord& verb)
{
    return {verb.infinitive, verb.pastTense, verb.pastParticiple, verb.translation};
}

int TabIndex(const Shown& shown, const std::wstring& name)
{
    for (size_t i = 0; i < shown.tabs.size(); ++i)
        if (shown.tabs[i] == name)
            return static_cast<int>(i);
    return -1;
}

using VerbsListTest = DialogsTest;

} // namespace

TEST_F(VerbsListTest, TabsFollowTheStoreAndRowsAreTheGroupsVerbsSortedByInfinitive)
{
    CMainFrame& frame = Start(1);
    testutil::WriteRegString(kGroupsKey, L"Empty", L"");
    testutil::WriteRegString(kGroupsKey, L"Chosen empty", L"-1");
    // Repeats give repeated rows, bad tokens none; the list sorts the rows.
    testutil::WriteRegString(kGroupsKey, L"Mixed", L"34;0;295;x;8;34;-1");
    std::vector<Shown> views;
    std::vector<std::wstring> picked;
    ModalResponder responder;
    responder.Then([&](HWND dialog) {
        Shown first = Read(dialog);
        views.push_back(first);
        for (const wchar_t* name : {L"1-1-2", L"Empty", L"Chosen empty", L"Mixed"}) {
            ClickTab(dialog, TabIndex(first, name));
            views.push_back(Read(dialog));
            picked.push_back(name);
        }
        ClickTab(dialog, 0);
        views.push_back(Read(dialog));
        ModalResponder::Press(dialog, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    ASSERT_EQ(views.size(), 6u) << "the verbs list did not open";

    const Shown& all = views[0];
    std::vector<std::wstring> expectedTabs{L"All verbs"};
    for (const std::wstring& name : StoredGroupNames())
        expectedTabs.push_back(name);
    EXPECT_EQ(all.tabs, expectedTabs);
    EXPECT_EQ(all.tabs.size(), 9u) << "All verbs, five predefined groups and three more";
    ASSERT_EQ(all.rows.size(), 294u);
    for (size_t i = 0; i < all.rows.size(); ++i)
        ASSERT_EQ(all.rows[i], RowOf(globals->m_verbs[i])) << "row " << i;
    for (size_t i = 1; i < all.rows.size(); ++i)
        EXPECT_LE(::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, all.rows[i - 1][0].c_str(), -1,
                                   all.rows[i][0].c_str(), -1),
                  CSTR_EQUAL)
            << "row " << i;

    const VerbRecord& beat = globals->m_verbs[7];
    const VerbRecord& browbeat = globals->m_verbs[33];
    EXPECT_EQ(views[1].rows, (std::vector<Row>{RowOf(beat), RowOf(browbeat)})) << picked[0];
    EXPECT_TRUE(views[2].rows.empty()) << picked[1];
    EXPECT_TRUE(views[3].rows.empty()) << picked[2];
    EXPECT_EQ(views[4].rows, (std::vector<Row>{RowOf(beat), RowOf(browbeat), RowOf(browbeat)})) << picked[3];
    EXPECT_EQ(views[5].rows.size(), 294u) << "back to All verbs";
    EXPECT_EQ(Setting(L"Language"), L"1") << "the settings key is current again after the dialog";
}

TEST_F(VerbsListTest, CaptionsColumnsAndHelpInBothLanguages)
{
    CMainFrame& frame = Start(1);
    Shown english, russian;
    ModalResponder responder;
    auto readAndHelp = [](Shown& into) {
        return [&into](HWND dialog) {
            into = Read(dialog);
            ModalResponder::Press(dialog, IDHELP);
            ModalResponder::Press(dialog, IDOK);
        };
    };
    responder.Then(readAndHelp(english));
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    globals->Language = 0;
    responder.Then(readAndHelp(russian));
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_RU, 1));

    EXPECT_EQ(english.caption, L"Lexoria List");
    EXPECT_EQ(english.ok, L"&OK");
    EXPECT_EQ(english.exportText, L"&Export...");
    EXPECT_EQ(english.help, L"&Help");
    EXPECT_EQ(english.headers, (std::vector<std::wstring>{L"Infinitive:", L"Past Tense:", L"Past Participle:",
                                                          L"Translation:"}));
    ASSERT_FALSE(english.tabs.empty());
    EXPECT_EQ(english.tabs[0], L"All verbs");

    EXPECT_EQ(russian.caption, L"\u0421\u043F\u0438\u0441\u043E\u043A Lexoria");
    EXPECT_EQ(russian.ok, L"&OK");
    EXPECT_EQ(russian.exportText, L"&\u042D\u043A\u0441\u043F\u043E\u0440\u0442...");
    EXPECT_EQ(russian.help, L"&\u0421\u043F\u0440\u0430\u0432\u043A\u0430");
    EXPECT_EQ(russian.headers,
              (std::vector<std::wstring>{L"\u0418\u043D\u0444\u0438\u043D\u0438\u0442\u0438\u0432:",
                                         L"\u041F\u0440\u043E\u0448\u0435\u0434\u0448\u0435\u0435 "
                                         L"\u0432\u0440\u0435\u043C\u044F:",
                                         L"\u041F\u0440\u0438\u0447\u0430\u0441\u0442\u0438\u0435 "
                                         L"\u043F\u0440\u043E\u0448. \u0432\u0440\u0435\u043C\u0435\u043D\u0438:",
                                         L"\u041F\u0435\u0440\u0435\u0432\u043E\u0434:"}));
    ASSERT_FALSE(russian.tabs.empty());
    EXPECT_EQ(russian.tabs[0], L"\u0412\u0441\u0435 \u0433\u043B\u0430\u0433\u043E\u043B\u044B");

    for (const Shown* shown : {&english, &russian}) {
        EXPECT_TRUE(shown->exportEnabled);
        ASSERT_EQ(shown->widths.size(), 4u);
        EXPECT_GT(shown->listWidth, 400);
        for (int width : shown->widths)
            EXPECT_EQ(width, (shown->listWidth - 20) / 4) << "list " << shown->listWidth << " pixels wide";
    }
    std::wstring learn = testutil::ExecutableFolder() + L"\\help\\verbs_learn.html";
    EXPECT_EQ(dialogtest::OpenedPaths(), (std::vector<std::wstring>{learn, learn}));
}
