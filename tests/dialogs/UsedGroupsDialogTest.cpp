// The used groups dialog on its real controls and the real store: the lines
// and Total, ticks written at once, new groups with their members, names
// that are refused, deletion, the keyboard, and store failures.
#include "DialogTestSupport.h"
#include "dialogs/UsedGroupsDlg.h"

using namespace dlgtest;

namespace {
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
        } // leaving "Groups" may bring a report too
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    // Answers the next input dialog with a name (cancels it for none) and,
    // when the name is refused, the message after it.
    void ThenName(const std::wstring& name, bool refused = false)
    {
        responder.Then([name](HWND input) {
            Type(input, IDC_INPUT_TEXT, name);
            Press(input, name.empty() ? IDCANCEL : IDOK);
        });
        if (refused)
            responder.ThenPress(IDOK);
    }
    static std::wstring Total(HWND d) { return Text(d, IDC_TOTAL); }
    static std::wstring Selected(HWND d) { return List(d).GetText(List(d).GetCurSel()); }
};
} // namespace

TEST_F(UsedGroupsDialog, FirstOpeningShowsTheSortedGroupsWithOnlyAllVerbsChosen)
{
    for (int language : {1, 0}) {
        EXPECT_EQ(Open(language, [&](HWND d) {
                      EXPECT_EQ(Lines(d), language ? L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,All verbs*"
                                                   : L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,Все глаголы*");
                      EXPECT_EQ(Total(d) + L"|" + Selected(d), L"294|1-1-1");
                      EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP) && Enabled(d, IDC_DELETE_GROUP) && Enabled(d, IDOK));
                      EXPECT_EQ(fw::WindowText(d) + L"|" + Text(d, IDC_TOTAL_LABEL),
                                language ? L"Selected groups|&Total:" : L"Выбранные группы|&Всего:");
                      Key(d, VK_ESCAPE); // no Cancel button, but Esc closes
                  }),
                  IDCANCEL);
        ExpectStoreAtSettingsKey();
    }
}

TEST_F(UsedGroupsDialog, TicksAreStoredAtOnceAndTotalCountsEachVerbOnce)
{
    EXPECT_EQ(Open(1, [&](HWND d) {
                  Click(d, 5, true); // untick All verbs: nothing chosen
                  EXPECT_EQ(Group(L"") + L"|" + Total(d), L"|0");
                  EXPECT_FALSE(Enabled(d, IDOK) || Enabled(d, IDC_EDIT_GROUP) || Enabled(d, IDC_DELETE_GROUP));

                  Click(d, 1, false);
                  EXPECT_EQ(Group(L"1-1-2"), L"8;34;") << "selecting alone writes nothing";
                  Key(d, VK_SPACE);
                  EXPECT_EQ(Lines(d), L"1-1-1,1-1-2*,1-2-1,1-2-2,1-2-3,All verbs");
                  EXPECT_EQ(Group(L"1-1-2") + L"|" + Total(d), L"8;34;-1|2");
                  EXPECT_TRUE(Enabled(d, IDOK) && Enabled(d, IDC_EDIT_GROUP));
                  Key(d, VK_SPACE);
                  EXPECT_EQ(Group(L"1-1-2") + L"|" + Total(d), L"8;34;|0");

                  Click(d, 0, true); // 1-1-1 and 1-2-2 share twelve verbs
                  Click(d, 3, true);
                  EXPECT_EQ(Total(d), L"207");
                  Click(d, 0, true);
                  Click(d, 3, true);
                  Click(d, 4, true); // 1-2-3 holds the table's last verb
                  EXPECT_EQ(Total(d), L"111");

                  size_t seen = responder.Seen().size();
                  Click(d, 5, false, true); // a double click on All verbs opens nothing,
                  Click(d, 4, true, true);  // one on a box is two toggles and no more
                  EXPECT_EQ(responder.Seen().size(), seen);
                  EXPECT_EQ(Lines(d), L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3*,All verbs");
                  Key(d, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(Group(L"") + L"|" + Group(L"1-2-3"), L"|" + fw::LoadResString(IDS_GROUP_123) + L"-1");
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
            EXPECT_EQ(Group(L"Strong") + L"|" + Text(members, IDC_GROUP_LABEL), L"|Group: \"Strong\"");
            Press(members, IDCANCEL); // the empty group stays
        });
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(Lines(d), L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,All verbs*,Strong");
        EXPECT_EQ(Selected(d), L"Strong");
        EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP) && Enabled(d, IDC_DELETE_GROUP));

        // Each refusal shows the message, then the name once more.
        for (const wchar_t* taken : {L"ALL VERBS", L"strong", L"1-1-1", L"Все глаголы"})
            ThenName(taken, true);
        responder.Then([](HWND input) {
            EXPECT_EQ(Text(input, IDC_INPUT_TEXT), L"Все глаголы");
            Press(input, IDCANCEL);
        });
        Press(d, IDC_NEW_GROUP);
        for (size_t back = 1; back <= 7; back += 2)
            EXPECT_EQ(Box(back), L"Group with same name already exists");
        EXPECT_EQ(List(d).GetCount(), 7);
        Press(d, IDOK);
    });

    // In Russian the English name is refused, the Russian one in any case.
    Open(0, [&](HWND d) {
        ThenName(L"All verbs", true);
        ThenName(L"вСЕ ГЛАГОЛЫ", true);
        ThenName(L"");
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(Box(1) + Box(3), fw::LoadResString(170) + fw::LoadResString(170));
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, NamesAreComparedAsTheStoreComparesThemBeforeAnythingIsWritten)
{
    Open(0, [&](HWND d) {
        ThenName(L"Сильные");
        responder.ThenPress(IDCANCEL); // its members
        Press(d, IDC_NEW_GROUP);
        PutGroup(L"Сильные", L"5;6;");
        PutGroup(L"Hidden", L"7;-1"); // another writer's group that the list does not show
        ThenName(L"СИЛЬНЫЕ", true);
        ThenName(L"hIDDEN", true);
        ThenName(L"");
        Press(d, IDC_NEW_GROUP);
        EXPECT_EQ(Box(1) + Box(3), fw::LoadResString(170) + fw::LoadResString(170));
        Press(d, IDOK);
    });
    EXPECT_EQ(Group(L"Сильные") + L"|" + Group(L"Hidden"), L"5;6;|7;-1");
}

TEST_F(UsedGroupsDialog, AGroupNamedLikeAllVerbsInTheOtherLanguageNeverStandsForIt)
{
    Open(0, [&](HWND d) { // allowed in Russian, where only "All verbs" exactly is refused
        ThenName(L"all verbs");
        responder.ThenPress(IDCANCEL);
        Press(d, IDC_NEW_GROUP);
        Press(d, IDOK);
    });
    PutGroup(L"all verbs", L"5;");
    Open(1, [&](HWND d) {
        int group = LineOf(d, L"all verbs"), pseudo = LineOf(d, L"All verbs");
        EXPECT_EQ(std::to_wstring(List(d).GetCheck(pseudo)) + std::to_wstring(List(d).GetCheck(group)), L"10");
        EXPECT_EQ(Total(d), L"294");
        EXPECT_TRUE(Enabled(d, IDOK));
        Click(d, group, false);
        EXPECT_TRUE(Enabled(d, IDC_EDIT_GROUP));
        Click(d, pseudo, true);
        EXPECT_FALSE(Enabled(d, IDC_EDIT_GROUP));
        EXPECT_EQ(Total(d) + L"|" + Group(L"") + L"|" + Group(L"all verbs"), L"0||5;");
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
        Click(d, 6, false); // Zeta, the last line
        responder.ThenPress(IDNO);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Box() + L"|" + Group(L"Zeta"), L"Are you sure you want delete group \"Zeta\"?|1;2;3;-1");
        responder.ThenPress(IDYES);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Group(L"Zeta"), L"<missing>");
        EXPECT_EQ(Lines(d) + L"|" + Selected(d) + L"|" + Total(d), L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,All verbs|1-1-1|0");
        EXPECT_FALSE(Enabled(d, IDOK));

        Click(d, 2, false); // 1-2-1: the line after it takes its place
        responder.ThenPress(IDYES);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Selected(d), L"1-2-2");

        // A group another writer deleted meanwhile goes as if deleted here.
        Store().DeleteValue(L"1-2-2");
        size_t seen = responder.Seen().size();
        responder.ThenPress(IDYES);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Lines(d) + L"|" + std::to_wstring(responder.Seen().size() - seen), L"1-1-1,1-1-2,1-2-3,All verbs|1");
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, AChosenGroupKeepsItsMarkAfterItsMembersAreEdited)
{
    PutGroup(L"", L"");
    PutGroup(L"1-1-2", L"8;34;-1");
    PutGroup(L"1-2-2", L"5;-1;7;"); // a mark between members shows no tick, but counts
    Open(1, [&](HWND d) {
        EXPECT_EQ(Lines(d) + L"|" + Total(d), L"1-1-1,1-1-2*,1-2-1,1-2-2,1-2-3,All verbs|4");
        responder.Then([](HWND members) {
            Click(members, 0, true);
            Press(members, IDOK);
        });
        Click(d, 1, false);
        Press(d, IDC_EDIT_GROUP);
        EXPECT_EQ(Group(L"1-1-2") + L"|" + Total(d), L"1;8;34;-1|5");
        EXPECT_TRUE(List(d).GetCheck(1));

        responder.Then([](HWND members) {
            EXPECT_EQ(Text(members, IDC_GROUP_LABEL), L"Group: \"1-2-1\"");
            Press(members, IDCANCEL);
        });
        Click(d, 2, false, true); // a double click opens the members too
        EXPECT_EQ(Group(L"1-2-1"), fw::LoadResString(IDS_GROUP_121));

        // OK in the members dialog moves the mark to the end: now it shows.
        responder.ThenPress(IDOK);
        Click(d, 3, false);
        Press(d, IDC_EDIT_GROUP);
        EXPECT_EQ(Group(L"1-2-2") + L"|" + Lines(d) + L"|" + Total(d),
                  L"5;7;-1|1-1-1,1-1-2*,1-2-1,1-2-2*,1-2-3,All verbs|5");
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, TotalCountsWhatTheTestDrawsAndATickMovesAMarkBetweenMembersToTheEnd)
{
    PutGroup(L"", L"");
    PutGroup(L"1-2-2", L"5;-1;7;");
    Open(1, [&](HWND d) {
        // No tick, but the test draws verbs 5 and 7: Total says so.
        EXPECT_EQ(Lines(d) + L"|" + Total(d), L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,All verbs|2");
        EXPECT_TRUE(Enabled(d, IDOK));
        Click(d, 3, true);
        EXPECT_EQ(Group(L"1-2-2") + L"|" + Lines(d) + L"|" + Total(d),
                  L"5;7;-1|1-1-1,1-1-2,1-2-1,1-2-2*,1-2-3,All verbs|2");
        Press(d, IDOK);
    });
    Open(1, [&](HWND d) {
        EXPECT_EQ(Lines(d), L"1-1-1,1-1-2,1-2-1,1-2-2*,1-2-3,All verbs") << "the tick stays";
        Click(d, 3, true);
        EXPECT_EQ(Group(L"1-2-2") + L"|" + Total(d), L"5;7;|0");
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, KeyboardFollowsTheTabOrderAndTheLabelsAccelerator)
{
    EXPECT_EQ(Open(1, [&](HWND d) {
                  ::SetFocus(List(d).m_hWnd);
                  std::vector<int> order;
                  for (int i = 0; i < 6; ++i) {
                      Key(d, VK_TAB);
                      order.push_back(FocusId());
                  }
                  EXPECT_EQ(order, (std::vector<int>{IDC_NEW_GROUP, IDC_EDIT_GROUP, IDC_DELETE_GROUP, IDC_TOTAL,
                                                     IDOK, IDC_CHECK_LIST}));
                  AltKey(d, L't');
                  EXPECT_EQ(FocusId(), IDC_TOTAL);
                  Key(d, VK_RETURN);
              }),
              IDOK);
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
    auto room = [](HWND control) {
        RECT rc{};
        ::GetClientRect(control, &rc);
        return static_cast<int>(rc.right);
    };
    // A name of the widest Latin or Cyrillic letter, as long as names may be.
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
        HWND list = List(d).m_hWnd;
        EXPECT_LE(width(list, longest) + List(d).CheckColumnWidth() + 2, room(list));
        responder.Then([&](HWND members) {
            HWND label = Item(members, IDC_GROUP_LABEL);
            EXPECT_LE(width(label, fw::WindowText(label)), room(label)) << fw::Narrow(fw::WindowText(label), CP_UTF8);
            Press(members, IDCANCEL);
        });
        Click(d, LineOf(d, longest), false, true);
        Press(d, IDOK);
    });
}

TEST_F(UsedGroupsDialog, StoreFailuresLeaveWhatTheStoreHoldsOnScreenAndAreReported)
{
    FaultyRegistry registry;
    responder.AllowUnasked(); // the reports are counted below
    Open(1, [&](HWND d) {
        Faults::setValue = true;
        responder.Then([&](HWND box) { // the tick is back before the report shows
            EXPECT_TRUE(List(d).GetCheck(5));
            Press(box, IDOK);
        });
        Click(d, 5, true); // untick All verbs
        EXPECT_EQ(Box(), L"Oops! Profile::RegException\n\nKey:  Value:");
        Click(d, 1, false);
        Key(d, VK_SPACE); // tick 1-1-2
        EXPECT_EQ(Lines(d) + L"|" + Total(d), L"1-1-1,1-1-2,1-2-1,1-2-2,1-2-3,All verbs*|294");
        Faults::setValue = false;

        Faults::deleteValue = true;
        responder.ThenPress(IDYES);
        responder.ThenPress(IDOK);
        Press(d, IDC_DELETE_GROUP);
        EXPECT_EQ(Box(), L"Oops! Profile::RegException\n\nKey: 1-1-2");
        EXPECT_EQ(List(d).GetCount(), 6);
        EXPECT_EQ(Selected(d), L"1-1-2");
        Press(d, IDOK);
    });
    EXPECT_EQ(responder.Seen().size(), 5u) << "one report per failure";
    EXPECT_EQ(Group(L"") + L"|" + Group(L"1-1-2"), L"-1|8;34;");
}

TEST_F(UsedGroupsDialog, TheSettingsSectionComesBackWhenEnteringOrLeavingGroupsFails)
{
    FaultyRegistry registry;
    Faults::createKeyEndingWith = L"\\Groups";
    responder.ThenPress(IDOK); // the report of the failed enter comes before the dialog
    Open(1, [&](HWND d) {
        EXPECT_EQ(Lines(d) + L"|" + Total(d), L"All verbs|0");
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
    EXPECT_EQ(Box(), L"Oops! Profile::RegException\n\nSection: Software\\Tarnik\\Verbs");
    EXPECT_EQ(Store().Section(), kSettingsSection);

    // Once the registry works again, the next opening finds the groups.
    Faults::createKeyEndingWith.clear();
    Open(1, [&](HWND d) {
        EXPECT_EQ(List(d).GetCount(), 6);
        Press(d, IDOK);
    });
    ExpectStoreAtSettingsKey();
}
