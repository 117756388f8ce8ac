// The used groups dialog on its real controls and the real store: the lines
// and Total, ticks written at once, new groups with their members, names
// that are refused, deletion, the keyboard, and store failures.
#include "DialogTestSupport.h"
#include "dialogs/UsedGroupsDlg.h"

using namespace dlgtest;

namespace {

const wchar_t* const kAllVerbsRu = L"\u0412\u0441\u0435 \u0433\u043B\u0430\u0433\u043E\u043B\u044B"; // Все глаголы
const wchar_t* const kStrongRu = L"\u0421\u0438\u043B\u044C\u043D\u044B\u0435";                       // Сильные
const wchar_t* const kStrongRuUpper = L"\u0421\u0418\u041B\u042C\u041D\u042B\u0415";                  // СИЛЬНЫЕ

class UsedGroupsDialog : public ProgramState {
protected:
    INT_PTR Open(int language, testutil::ModalResponder::Step step)
    {
        globals->Language = language;
        responder.Then(std::move(step));
        INT_PTR result = 0;
        {
            CUsedGroupsDlg dialog(Store(), nullptr);
            result = dialog.DoModal();
        }
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    // Answers the input dialog with a name, or cancels it for an empty one.
    void ThenName(const std::wstring& name)
    {
        responder.Then([name](HWND input) {
            if (name.empty())
                return Press(input, IDCANCEL);
            Type(input, IDC_INPUT_TEXT, name);
            Press(input, IDOK);
        });
    }
    const testutil::SeenDialog& Seen(size_t fromEnd = 0) { return responder.Seen()[responder.Seen().size() - 1 - fromEnd]; }
    static std::wstring Total(HWND d) { return Text(d, IDC_TOTAL); }

};

} // namespace

TEST_F(UsedGroupsDialog, FirstOpeningShowsTheSortedGroupsWithOnlyAllVerbsChosen)
{
    for (int language : {1, 0}) {
        INT_PTR result = Open(language, [&](HWND d) {
            std::wstring allVerbs = language ? L"All verbs" : kAllVerbsRu;
            std::vector<Line> expected = {{L"1-1-1", false}, {L"1-1-2", false}, {L"1-2-1", false},
                                          {L"1-2-2", false}, {L"1-2-3", false}, {allVerbs, true}};
            EXPECT_EQ(Lines(d), expected);
            EXPECT_EQ(Total(d), L"294");
            EXPECT_EQ(List(d).GetCurSel(), 0);
            EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP) && Enabled(d, IDC_DELETE_GROUP) && Enabled(d, IDOK));
            EXPECT_EQ(fw::WindowText(d), language ? L"Selected groups"
                                                  : L"\u0412\u044B\u0431\u0440\u0430\u043D\u043D\u044B\u0435 "
                                                    L"\u0433\u0440\u0443\u043F\u043F\u044B");
            EXPECT_EQ(Text(d, IDC_TOTAL_LABEL), language ? L"&Total:" : L"&\u0412\u0441\u0435\u0433\u043E:");
            ::SetFocus(List(d).m_hWnd);
            Key(d, VK_ESCAPE); // no Cancel button, but Esc closes
        });
        EXPECT_EQ(result, IDCANCEL);
        ExpectStoreAtSettingsKey();
    }
}

TEST_F(UsedGroupsDialog, TicksAreStoredAtOnceAndTotalCountsEachVerbOnce)
{
    INT_PTR result = Open(1, [&](HWND d) {
        const int allVerbs = 5;
        Click(d, allVerbs, true);
        EXPECT_FALSE(List(d).GetCheck(allVerbs));
        EXPECT_EQ(Group(L""), L"");
        EXPECT_EQ(Total(d), L"0");
        EXPECT_FALSE(Enabled(d, IDOK));
        EXPECT_FALSE(Enabled(d, IDC_EDIT_GROUP) || Enabled(d, IDC_DELETE_GROUP)); // All verbs is selected

        Click(d, 1, false); // select 1-1-2, then Space ticks it
        EXPECT_EQ(Group(L"1-1-2"), L"8;34;") << "selecting alone writes nothing";
        Key(d, VK_SPACE);
        EXPECT_TRUE(List(d).GetCheck(1));
        EXPECT_EQ(Group(L"1-1-2"), L"8;34;-1");
        EXPECT_EQ(Total(d), L"2");
        EXPECT_TRUE(Enabled(d, IDOK) && Enabled(d, IDC_EDIT_GROUP));
        Key(d, VK_SPACE);
        EXPECT_EQ(Group(L"1-1-2"), L"8;34;");
        EXPECT_EQ(Total(d), L"0");

        Click(d, 0, true); // 1-1-1 and 1-2-2 share twelve verbs
        Click(d, 3, true);
        EXPECT_EQ(Total(d), L"207");
        Click(d, 0, true);
        Click(d, 3, true);
        Click(d, 4, true); // 1-2-3 holds the table's last verb
        EXPECT_EQ(Total(d), L"111");

        size_t seen = responder.Seen().size();
        Click(d, allVerbs, false, true); // a double click on All verbs opens nothing
        Click(d, 4, true, true);         // one on a box is two toggles and no more
        EXPECT_EQ(responder.Seen().size(), seen);
        EXPECT_FALSE(List(d).GetCheck(allVerbs));
        EXPECT_TRUE(List(d).GetCheck(4));
        Key(d, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Group(L""), L"");
    EXPECT_EQ(Group(L"1-2-3"), fw::LoadResString(IDS_GROUP_123) + L"-1");
}

TEST_F(UsedGroupsDialog, NewGroupIsStoredEmptyAndOpenedForItsMembersAndTakenNamesAreRefused)
{
    Open(1, [&](HWND d) {
        responder.Then([](HWND input) {
            EXPECT_EQ(Text(input, IDC_INPUT_PROMPT), L"Group name:");
            EXPECT_EQ(::SendMessageW(Item(input, IDC_INPUT_TEXT), EM_GETLIMITTEXT, 0, 0),
                      CUsedGroupsDlg::kMaxGroupNameLength);
            Type(input, IDC_INPUT_TEXT, L"Strong");
            Press(input, IDOK);
        });
        responder.Then([&](HWND members) {
            EXPECT_EQ(Group(L"Strong"), L"");
            EXPECT_EQ(Text(members, IDC_GROUP_LABEL), L"Group: \"Strong\"");
            Press(members, IDCANCEL); // the empty group stays
        });
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(List(d).GetCurSel(), LineOf(d, L"Strong"));
        EXPECT_FALSE(List(d).GetCheck(LineOf(d, L"Strong")));
        EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP) && Enabled(d, IDC_DELETE_GROUP));

        // Each refusal shows the message and then the name again.
        for (const wchar_t* taken : {L"ALL VERBS", L"strong", L"1-1-1", kAllVerbsRu}) {
            ThenName(taken);
            responder.ThenPress(IDOK);
        }
        responder.Then([](HWND input) {
            EXPECT_EQ(Text(input, IDC_INPUT_TEXT), kAllVerbsRu);
            Press(input, IDCANCEL);
        });
        Press(d, IDC_NEW_GROUP);
        for (size_t i = 1; i <= 7; i += 2)
            EXPECT_EQ(Seen(i).text, L"Group with same name already exists");
        EXPECT_EQ(List(d).GetCount(), 7);
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"Strong"), L"");

    // Russian: the English All verbs name is refused, the Russian one in any case.
    Open(0, [&](HWND d) {
        ThenName(L"All verbs");
        responder.ThenPress(IDOK);
        ThenName(L"\u0432\u0441\u0435 \u0433\u043B\u0430\u0433\u043E\u043B\u044B");
        responder.ThenPress(IDOK);
        ThenName(L"");
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(Seen(1).text, fw::LoadResString(170));
        EXPECT_EQ(Seen(3).text, fw::LoadResString(170));
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, NamesAreComparedAsTheStoreComparesThemBeforeAnythingIsWritten)
{
    Open(0, [&](HWND d) {
        ThenName(kStrongRu);
        responder.ThenPress(IDCANCEL); // members
        Press(d, IDC_NEW_GROUP);
        PutGroup(kStrongRu, L"5;6;");
        // Another writer's group that the list does not show.
        PutGroup(L"Hidden", L"7;-1");
        for (const wchar_t* name : {kStrongRuUpper, L"hIDDEN"}) {
            ThenName(name);
            responder.ThenPress(IDOK);
        }
        ThenName(L"");
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(Seen(1).text, fw::LoadResString(170));
        EXPECT_EQ(Seen(3).text, fw::LoadResString(170));
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(kStrongRu), L"5;6;");
    EXPECT_EQ(Group(L"Hidden"), L"7;-1");
}

TEST_F(UsedGroupsDialog, AGroupNamedLikeAllVerbsInTheOtherLanguageNeverStandsForIt)
{
    Open(0, [&](HWND d) { // allowed in Russian: only "All verbs" exactly is refused there
        ThenName(L"all verbs");
        responder.ThenPress(IDCANCEL);
        Press(d, IDC_NEW_GROUP);
        Press(d, IDOK);
    });
    PutGroup(L"all verbs", L"5;");
    Open(1, [&](HWND d) {
        int group = LineOf(d, L"all verbs"), pseudo = LineOf(d, L"All verbs");
        EXPECT_TRUE(List(d).GetCheck(pseudo));
        EXPECT_FALSE(List(d).GetCheck(group));
        EXPECT_EQ(Total(d), L"294");
        EXPECT_TRUE(Enabled(d, IDOK));
        Click(d, group, false);
        EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP));
        Click(d, pseudo, true);
        EXPECT_FALSE(Enabled(d, IDC_EDIT_GROUP));
        EXPECT_EQ(Total(d), L"0");
        EXPECT_EQ(Group(L""), L"");
        EXPECT_EQ(Group(L"all verbs"), L"5;");
        Click(d, pseudo, true);
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, DeletingAsksThenRemovesTheLineAndSelectsTheNextOrTheFirst)
{
    PutGroup(L"", L"");
    PutGroup(L"Zeta", L"1;2;3;-1");
    Open(1, [&](HWND d) {
        EXPECT_EQ(Total(d), L"3");
        int zeta = LineOf(d, L"Zeta");
        EXPECT_EQ(zeta, List(d).GetCount() - 1);
        Click(d, zeta, false);
        responder.ThenPress(IDNO);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Seen().text, L"Are you sure you want delete group \"Zeta\"?");
        EXPECT_EQ(Group(L"Zeta"), L"1;2;3;-1");
        responder.ThenPress(IDYES);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Group(L"Zeta"), L"<missing>");
        EXPECT_EQ(List(d).GetCount(), 6);
        EXPECT_EQ(List(d).GetCurSel(), 0); // the last line went: the first is selected
        EXPECT_EQ(Total(d), L"0");
        EXPECT_FALSE(Enabled(d, IDOK));

        Click(d, 2, false); // 1-2-1: the line after it takes its place
        responder.ThenPress(IDYES);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(List(d).GetText(List(d).GetCurSel()), L"1-2-2");
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, AChosenGroupKeepsItsMarkAfterItsMembersAreEdited)
{
    PutGroup(L"", L"");
    PutGroup(L"1-1-2", L"8;34;-1");
    Open(1, [&](HWND d) {
        EXPECT_EQ(Total(d), L"2");
        responder.Then([](HWND members) {
            Click(members, 0, true);
            EXPECT_EQ(Text(members, IDC_TOTAL), L"3");
            Press(members, IDOK);
        });
        Click(d, 1, false);
        Press(d, IDC_EDIT_GROUP);
        EXPECT_EQ(Group(L"1-1-2"), L"1;8;34;-1");
        EXPECT_TRUE(List(d).GetCheck(1));
        EXPECT_EQ(Total(d), L"3");

        responder.Then([](HWND members) {
            EXPECT_EQ(Text(members, IDC_GROUP_LABEL), L"Group: \"1-2-1\"");
            Press(members, IDCANCEL);
        });
        Click(d, 2, false, true); // a double click opens the members too
        EXPECT_EQ(Group(L"1-2-1"), fw::LoadResString(IDS_GROUP_121));
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, KeyboardFollowsTheTabOrderAndTheLabelsAccelerator)
{
    INT_PTR result = Open(1, [&](HWND d) {
        ::SetFocus(List(d).m_hWnd);
        std::vector<int> order;
        for (int i = 0; i < 6; ++i) {
            Key(d, VK_TAB);
            order.push_back(FocusId());
        }
        EXPECT_EQ(order, (std::vector<int>{IDC_NEW_GROUP, IDC_EDIT_GROUP, IDC_DELETE_GROUP, IDC_TOTAL, IDOK,
                                           IDC_CHECK_LIST}));
        AltKey(d, L't');
        EXPECT_EQ(FocusId(), IDC_TOTAL);
        Key(d, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(UsedGroupsDialog, TheLongestNameFitsTheListAndTheMembersHeading)
{
    auto width = [](HWND control, const std::wstring& text) {
        fw::WindowDc dc(control);
        fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    auto fits = [&](HWND control, const std::wstring& text, int reserved) {
        RECT rc{};
        ::GetClientRect(control, &rc);
        EXPECT_LE(width(control, text) + reserved, rc.right) << fw::Narrow(text, CP_UTF8);
    };
    // The widest Latin or Cyrillic character, as many times as a name may hold.
    wchar_t widest = L'W';
    Open(1, [&](HWND d) {
        for (wchar_t c = 0x21; c < 0x460; c = c == 0x7E ? 0x400 : c + 1)
            if (width(List(d).m_hWnd, std::wstring(1, c)) > width(List(d).m_hWnd, std::wstring(1, widest)))
                widest = c;
        Press(d, IDOK);
    });
    const std::wstring longest(CUsedGroupsDlg::kMaxGroupNameLength, widest);
    PutGroup(longest, L"");
    Open(0, [&](HWND d) {
        fits(List(d).m_hWnd, longest, List(d).CheckColumnWidth() + 2);
        responder.Then([&](HWND members) {
            fits(Item(members, IDC_GROUP_LABEL), Text(members, IDC_GROUP_LABEL), 0);
            Press(members, IDCANCEL);
        });
        Click(d, LineOf(d, longest), false, true);
        Press(d, IDOK);
    });
}

// ---- Store failures

TEST_F(UsedGroupsDialog, AFailedTickShowsWhatTheStoreHolds)
{
    FaultyRegistry registry;
    Open(1, [&](HWND d) {
        Faults::setValue = true;
        Click(d, 5, true); // untick All verbs
        EXPECT_EQ(Seen().text, L"Oops! Profile::RegException\n\nKey:  Value:");
        EXPECT_TRUE(List(d).GetCheck(5));
        EXPECT_EQ(Total(d), L"294");
        Click(d, 1, false);
        Key(d, VK_SPACE);
        EXPECT_FALSE(List(d).GetCheck(1));
        EXPECT_EQ(responder.Seen().size(), 3u) << "one report per failed write";
        Faults::setValue = false;
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L""), L"-1");
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");
}

TEST_F(UsedGroupsDialog, AFailedDeleteKeepsTheLineAndSaysSo)
{
    FaultyRegistry registry;
    Open(1, [&](HWND d) {
        Faults::deleteValue = true;
        Click(d, 1, false);
        responder.ThenPress(IDYES);
        responder.ThenPress(IDOK);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Seen().text, L"Oops! Profile::RegException\n\nKey: 1-1-2");
        EXPECT_EQ(List(d).GetText(List(d).GetCurSel()), L"1-1-2");
        EXPECT_EQ(List(d).GetCount(), 6);
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"1-1-2"), L"8;34;");
}

TEST_F(UsedGroupsDialog, TheSettingsSectionComesBackWhenEnteringOrLeavingGroupsFails)
{
    FaultyRegistry registry;
    Faults::createKeyEndingWith = L"\\Groups";
    responder.ThenPress(IDOK); // the report of the failed enter comes before the dialog
    Open(1, [&](HWND d) {
        EXPECT_EQ(Lines(d), (std::vector<Line>{{L"All verbs", false}}));
        EXPECT_EQ(Total(d), L"0");
        Key(d, VK_ESCAPE);
    });
    EXPECT_EQ(responder.Seen().front().text, L"Oops! Profile::RegException\n\nSection: Software\\Tarnik\\Verbs\\Groups");
    Faults::createKeyEndingWith.clear();
    ExpectStoreAtSettingsKey();

    Open(1, [&](HWND d) {
        Faults::createKeyEndingWith = L"\\Verbs"; // leaving cannot open the settings key
        responder.ThenPress(IDOK);
        Press(d, IDOK);
    });
    EXPECT_EQ(Seen().text, L"Oops! Profile::RegException\n\nSection: Software\\Tarnik\\Verbs");
    EXPECT_EQ(Store().Section(), kSettingsSection);
}
