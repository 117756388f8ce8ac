// The verbs list on the real program: a tab per stored group, the group's
// verbs sorted by the infinitive, columns and captions in both languages.
#include "DialogTestSupport.h"
#include "DialogsFixture.h"
#include "data/VerbGroups.h"
#include <array>

using namespace dialogtest;
using testutil::ModalResponder;

namespace {

using Row = std::array<std::wstring, 4>;

// What the dialog shows, read through the controls' own messages.
struct Shown {
    std::vector<std::wstring> texts; // caption, OK, Export, Help
    bool exportEnabled = false;
    std::vector<std::wstring> tabs, headers;
    std::vector<int> widths;
    int listWidth = 0, clientWidth = 0;
    std::vector<Row> rows;
};

std::wstring Cell(HWND list, int row, int column)
{
    wchar_t text[256] = {};
    ListView_GetItemText(list, row, column, text, 256);
    return text;
}

Shown Read(HWND dialog)
{
    Shown s;
    wchar_t caption[128] = {};
    ::GetWindowTextW(dialog, caption, 128);
    s.texts = {caption, ModalResponder::ControlText(dialog, IDOK), ModalResponder::ControlText(dialog, kExport),
               ModalResponder::ControlText(dialog, IDHELP)};
    s.exportEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, kExport)) != FALSE;
    for (int i = 0; i < TabCtrl_GetItemCount(::GetDlgItem(dialog, kTabs)); ++i)
        s.tabs.push_back(TabText(dialog, i));
    HWND list = ::GetDlgItem(dialog, kList);
    RECT window{}, client{};
    ::GetWindowRect(list, &window);
    ::GetClientRect(list, &client);
    s.listWidth = window.right - window.left;
    s.clientWidth = client.right;
    for (int c = 0; c < Header_GetItemCount(ListView_GetHeader(list)); ++c) {
        wchar_t title[128] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = title;
        column.cchTextMax = 128;
        ListView_GetColumn(list, c, &column);
        s.headers.push_back(title);
        s.widths.push_back(column.cx);
    }
    for (int r = 0; r < ListView_GetItemCount(list); ++r)
        s.rows.push_back({Cell(list, r, 0), Cell(list, r, 1), Cell(list, r, 2), Cell(list, r, 3)});
    return s;
}

Row RowOf(const VerbRecord& verb)
{
    return {verb.infinitive, verb.pastTense, verb.pastParticiple, verb.translation};
}

using VerbsListTest = DialogsTest;

} // namespace

TEST_F(VerbsListTest, TabsFollowTheStoreAndRowsAreTheGroupsVerbsSortedByInfinitive)
{
    CMainFrame& frame = Start(1);
    const wchar_t* const groupsKey = L"Software\\Tarnik\\Verbs\\Groups";
    testutil::WriteRegString(groupsKey, L"Empty", L"");
    testutil::WriteRegString(groupsKey, L"Chosen empty", L"-1");
    // Repeats give repeated rows, bad tokens none; rows come sorted.
    testutil::WriteRegString(groupsKey, L"Mixed", L"34;0;295;x;8;34;-1");
    std::vector<Shown> views;
    std::wstring typedTo;
    ModalResponder responder;
    responder.Then([&](HWND dialog) {
        views.push_back(Read(dialog));
        for (const wchar_t* tab : {L"1-1-2", L"Empty", L"Chosen empty", L"Mixed", L"All verbs"}) {
            ClickTab(dialog, tab);
            views.push_back(Read(dialog));
        }
        // Typing goes to the first verb that begins so.
        HWND list = ::GetDlgItem(dialog, kList);
        ::SendMessageW(list, WM_CHAR, L's', 1); // repeat count 1
        typedTo = Cell(list, ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);
        ModalResponder::Press(dialog, IDOK);
    });
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    ASSERT_EQ(views.size(), 6u);

    globals->m_profile.EnterSection(L"Groups"); // the store's own order of names
    std::vector<std::wstring> tabs = VerbGroups::ListGroups(globals->m_profile);
    globals->m_profile.LeaveSection();
    tabs.insert(tabs.begin(), L"All verbs");
    EXPECT_EQ(views[0].tabs, tabs);
    EXPECT_EQ(tabs.size(), 9u) << "All verbs, five predefined groups and three more";
    std::vector<Row> all;
    for (const VerbRecord& verb : globals->m_verbs)
        all.push_back(RowOf(verb)); // the table is in alphabetical order
    EXPECT_EQ(views[0].rows, all);
    const Row beat = RowOf(globals->m_verbs[7]), browbeat = RowOf(globals->m_verbs[33]);
    EXPECT_EQ(views[1].rows, (std::vector<Row>{beat, browbeat})) << "1-1-2";
    EXPECT_TRUE(views[2].rows.empty()) << "an empty group";
    EXPECT_TRUE(views[3].rows.empty()) << "a group chosen for tests, without members";
    EXPECT_EQ(views[4].rows, (std::vector<Row>{beat, browbeat, browbeat})) << "34;0;295;x;8;34;-1";
    EXPECT_EQ(views[5].rows.size(), 294u) << "back to All verbs";
    EXPECT_EQ(typedTo, L"saw");
    EXPECT_EQ(Setting(L"Language"), L"1") << "the settings key is current again after the dialog";

    // The groups cannot be reached: reported, and the list shows all verbs;
    // nor the settings key on the way back: reported, its name is current.
    dlgtest::FaultyRegistry registry;
    dlgtest::Faults::createKeyEndingWith = L"\\Groups";
    std::vector<std::wstring> tabsWithoutGroups;
    responder.ThenPress(IDOK);
    responder.Then([&](HWND dialog) {
        tabsWithoutGroups = Read(dialog).tabs;
        dlgtest::Faults::createKeyEndingWith = L"\\Verbs";
        ModalResponder::Press(dialog, IDOK);
    });
    responder.ThenPress(IDOK);
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 3));
    dlgtest::Faults::createKeyEndingWith.clear();
    EXPECT_EQ(tabsWithoutGroups, std::vector<std::wstring>{L"All verbs"});
    EXPECT_EQ(responder.Seen().at(1).text, L"Oops! Profile::RegException\n\nSection: Software\\Tarnik\\Verbs\\Groups");
    EXPECT_EQ(responder.Seen().at(3).text, L"Oops! Profile::RegException\n\nSection: Software\\Tarnik\\Verbs");
    EXPECT_EQ(globals->m_profile.Section(), dlgtest::kSettingsSection);
    globals->m_profile.SetSection(dlgtest::kSettingsSection); // open again for the program's end
}

TEST_F(VerbsListTest, CaptionsColumnsAndHelpInBothLanguages)
{
    CMainFrame& frame = Start(1);
    Shown english, russian;
    ModalResponder responder;
    for (Shown* shown : {&english, &russian})
        responder.Then([shown](HWND dialog) {
            *shown = Read(dialog);
            ModalResponder::Press(dialog, IDHELP);
            ModalResponder::Press(dialog, IDOK);
        });
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_EN, 1));
    globals->Language = 0;
    ASSERT_TRUE(Command(responder, frame, ID_VERBS_LIST_RU, 1));

    EXPECT_EQ(english.texts, (std::vector<std::wstring>{L"Lexoria List", L"&OK", L"&Export...", L"&Help"}));
    EXPECT_EQ(english.headers,
              (std::vector<std::wstring>{L"Infinitive:", L"Past Tense:", L"Past Participle:", L"Translation:"}));
    EXPECT_EQ(english.tabs.at(0), L"All verbs");
    EXPECT_EQ(russian.texts, (std::vector<std::wstring>{L"Список Lexoria", L"&OK", L"&Экспорт...", L"&Справка"}));
    EXPECT_EQ(russian.headers, (std::vector<std::wstring>{L"Инфинитив:", L"Прошедшее время:",
                                                          L"Причастие прош. времени:", L"Перевод:"}));
    EXPECT_EQ(russian.tabs.at(0), L"Все глаголы");
    for (const Shown* shown : {&english, &russian}) {
        EXPECT_TRUE(shown->exportEnabled);
        EXPECT_GT(shown->listWidth, 400);
        EXPECT_EQ(shown->widths, std::vector<int>(4, (shown->listWidth - 20) / 4)) << shown->listWidth << " pixels";
        EXPECT_LE(4 * shown->widths.at(0), shown->clientWidth) << "no horizontal scroll bar";
    }
    const std::wstring learn = testutil::ExecutableFolder() + L"\\help\\verbs_learn.html";
    // The English section in English, the page (its Russian section first) in Russian.
    EXPECT_EQ(OpenedPaths(), (std::vector<std::wstring>{learn + L"#en", learn}));
}
