// The options dialog on its real controls: what it shows of the nine
// options, the spin ranges, the enabling, the caption switch, the keyboard,
// and what OK writes (also when the store fails).
#include "DialogTestSupport.h"
#include "dialogs/LearningOptionsDlg.h"
#include "dialogs/OptionsDlg.h"
#include "framework/Shell.h"

using namespace dlgtest;

namespace {

const wchar_t* const kNames[] = {L"ShowTranslate", L"MustLimitTime", L"LimitTime", L"ShowRightAnswer", L"NumWords",
                                 L"OnlyOneForm",   L"WhichForm",     L"Language",  L"MaxAttempt"};

class OptionsDialog : public ProgramState {
protected:
    // Sets the nine options in memory, in the order of kNames.
    void SetOptions(std::vector<int> values)
    {
        CVerbsGlobals& g = *globals;
        int* members[] = {&g.ShowTranslate, &g.MustLimitTime, &g.LimitTime, &g.ShowRightAnswer, &g.NumWords,
                          &g.OnlyOneForm,   &g.WhichForm,     &g.Language,  &g.MaxAttempt};
        for (size_t i = 0; i < values.size(); ++i)
            *members[i] = values[i];
    }
    std::wstring StoredOptions()
    {
        std::wstring values;
        for (const wchar_t* name : kNames)
            values += Setting(name) + L",";
        return values;
    }
    INT_PTR Open(testutil::ModalResponder::Step step)
    {
        Faults::written.clear();
        COptionsDlg dialog(nullptr);
        return Run(dialog, std::move(step));
    }
    static void Arrows(HWND d, int edit, UINT vk, int times)
    {
        ::SetFocus(Item(d, edit));
        while (times-- > 0)
            Key(d, vk);
    }
    FaultyRegistry registry; // records every write
};

} // namespace

TEST_F(OptionsDialog, ShowsTheOptionsAndOkWritesAllNineInOrder)
{
    SetOptions({0, 1, 60, 0, 294, 0, 7, 0, 10});
    globals->WeakVerbsFirst = 1;
    EXPECT_EQ(Open([](HWND d) {
                  EXPECT_FALSE(Checked(d, IDC_SHOW_TRANSLATE) || Checked(d, IDC_SHOW_RIGHT_ANSWER) ||
                               Checked(d, IDC_ONLY_ONE_FORM));
                  EXPECT_TRUE(Checked(d, IDC_MUST_LIMIT_TIME) && Checked(d, IDC_LANGUAGE_RUSSIAN));
                  EXPECT_EQ(Text(d, IDC_LIMIT_TIME) + L"," + Text(d, IDC_NUM_WORDS) + L"," + Text(d, IDC_MAX_ATTEMPT),
                            L"60,294,10");
                  // A form outside 0..2 shows as "at random"; shown even while one
                  // form is not asked, but not to be changed then.
                  EXPECT_TRUE(Checked(d, IDC_FORM_RANDOM) && !Checked(d, IDC_FORM_PAST));
                  for (int id : {IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM, IDC_MAX_ATTEMPT_SPIN})
                      EXPECT_FALSE(Enabled(d, id)) << id;
                  EXPECT_TRUE(Enabled(d, IDC_LIMIT_TIME_SPIN));
                  EXPECT_EQ(fw::WindowText(d), L"Задание параметров программы");
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(globals->WhichForm, 2);
    EXPECT_EQ(StoredOptions(), L"0,1,60,0,294,0,2,0,10,");
    // The nine in order and nothing else: the learning options have a dialog
    // of their own and keep their values.
    EXPECT_EQ(Faults::written, std::vector<std::wstring>(std::begin(kNames), std::end(kNames)));
    EXPECT_EQ(globals->WeakVerbsFirst, 1);
}

TEST_F(OptionsDialog, SpinsKeepTheNumbersInTheirRangesAndTypingDoesNothing)
{
    SetOptions({1, 0, 59, 1, 293, 1, 1, 1, 9});
    Open([](HWND d) {
        Arrows(d, IDC_NUM_WORDS, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_NUM_WORDS), L"294");
        Type(d, IDC_NUM_WORDS, L"2");
        Arrows(d, IDC_NUM_WORDS, VK_DOWN, 3);
        ::PostMessageW(Item(d, IDC_NUM_WORDS), WM_CHAR, L'7', 1); // the field is read-only
        PumpDialog(d);
        EXPECT_EQ(Text(d, IDC_NUM_WORDS), L"1");
        Arrows(d, IDC_MAX_ATTEMPT, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_MAX_ATTEMPT), L"10");

        EXPECT_FALSE(Enabled(d, IDC_LIMIT_TIME_SPIN)); // no time limit: its spin is off
        Press(d, IDC_MUST_LIMIT_TIME);
        EXPECT_TRUE(Enabled(d, IDC_LIMIT_TIME_SPIN) && !Enabled(d, IDC_MAX_ATTEMPT_SPIN));
        Arrows(d, IDC_LIMIT_TIME, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_LIMIT_TIME), L"60");
        Type(d, IDC_LIMIT_TIME, L"1");
        Arrows(d, IDC_LIMIT_TIME, VK_DOWN, 2);

        Press(d, IDC_ONLY_ONE_FORM);
        EXPECT_FALSE(Enabled(d, IDC_FORM_PARTICIPLE));
        Press(d, IDC_ONLY_ONE_FORM);
        EXPECT_TRUE(Enabled(d, IDC_FORM_PAST) && Enabled(d, IDC_FORM_PARTICIPLE) && Enabled(d, IDC_FORM_RANDOM));
        Press(d, IDC_FORM_PAST);
        Press(d, IDOK);
    });
    EXPECT_EQ(StoredOptions(), L"1,1,1,1,1,1,0,1,10,");
    EXPECT_EQ(globals->NumWords + globals->LimitTime + globals->MaxAttempt, 12);
}

TEST_F(OptionsDialog, CaptionsFollowTheLanguageButtonsButCancelChangesNothing)
{
    SetOptions({1, 0, 10, 1, 10, 0, 0, 0, 3});
    auto texts = [](HWND d) {
        std::wstring all = fw::WindowText(d);
        for (int id : {IDC_GENERAL_BOX, IDC_SHOW_TRANSLATE, IDC_SHOW_RIGHT_ANSWER, IDC_NUM_WORDS_LABEL, IDC_FORM_BOX,
                       IDC_ONLY_ONE_FORM, IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM, IDC_LANGUAGE_BOX,
                       IDC_LIMIT_BOX, IDC_MUST_LIMIT_TIME, IDC_MINUTES_LABEL, IDC_MAX_ATTEMPT_LABEL, IDCANCEL, IDHELP,
                       IDOK, IDC_LANGUAGE_RUSSIAN, IDC_LANGUAGE_ENGLISH})
            all += L"|" + Text(d, id);
        return all;
    };
    EXPECT_EQ(Open([&](HWND d) {
                  std::wstring russian = texts(d);
                  Press(d, IDC_LANGUAGE_ENGLISH);
                  EXPECT_EQ(texts(d), L"Program options|&General options|S&how translation|Show &correct answer|"
                                      L"Number of &questions|Verb &form to ask|A&sk only one verb form|O&nly past|"
                                      L"Onl&y past participle|At rando&m|&Interface language|Time or attempts &limit|"
                                      L"&Time limit|minutes|Number of &attempts|Cancel|Help|OK|&Русский|&English");
                  Press(d, IDC_LANGUAGE_RUSSIAN);
                  EXPECT_EQ(texts(d), russian);
                  Press(d, IDC_LANGUAGE_ENGLISH);
                  Press(d, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(globals->Language, 0);
    EXPECT_TRUE(Faults::written.empty());
}

TEST_F(OptionsDialog, KeyboardFollowsTheTabOrderAndTheAccelerators)
{
    SetOptions({1, 0, 10, 1, 10, 1, 0, 1, 3});
    EXPECT_EQ(Open([](HWND d) {
                  ::SetFocus(Item(d, IDC_SHOW_TRANSLATE));
                  std::vector<int> order;
                  for (int i = 0; i < 12; ++i) {
                      Key(d, VK_TAB);
                      order.push_back(FocusId());
                  }
                  EXPECT_EQ(order, (std::vector<int>{IDC_SHOW_RIGHT_ANSWER, IDC_NUM_WORDS, IDC_ONLY_ONE_FORM,
                                                     IDC_FORM_PAST, IDC_LANGUAGE_ENGLISH, IDC_MUST_LIMIT_TIME,
                                                     IDC_LIMIT_TIME, IDC_MAX_ATTEMPT, IDOK, IDCANCEL, IDHELP,
                                                     IDC_SHOW_TRANSLATE}));
                  AltKey(d, L'q');
                  EXPECT_EQ(FocusId(), IDC_NUM_WORDS);
                  AltKey(d, L'a');
                  EXPECT_EQ(FocusId(), IDC_MAX_ATTEMPT);
                  AltKey(d, L'h'); // a check box's accelerator clicks it
                  EXPECT_FALSE(Checked(d, IDC_SHOW_TRANSLATE));
                  Press(d, IDC_LANGUAGE_RUSSIAN);
                  AltKey(d, L'К'); // "&Количество вопросов" (Wine matches Cyrillic in capitals only)
                  EXPECT_EQ(FocusId(), IDC_NUM_WORDS);
                  Key(d, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(Setting(L"ShowTranslate") + Setting(L"Language"), L"00");
    EXPECT_EQ(Open([](HWND d) { Key(d, VK_ESCAPE); }), IDCANCEL);
}

TEST_F(OptionsDialog, HelpOpensTheOptionsTopic)
{
    static std::wstring opened;
    fw::ShellOpenFunction saved = fw::ShellOpener();
    fw::ShellOpener() = [](const std::wstring& path) { opened = path; };
    Open([](HWND d) {
        Press(d, IDHELP);
        Press(d, IDCANCEL);
    });
    // At the page's English section, the language these tests run in.
    ASSERT_NE(globals->Language, 0);
    EXPECT_EQ(opened, fw::ModuleFolder() + L"help\\verbs_options.html#en");
    // The learning options' Help: at their own section, in either language,
    // the dialog staying open.
    const struct {
        int language;
        const wchar_t* label;
        const wchar_t* anchor;
    } learning[] = {{1, L"&Help", L"#en-learning"}, {0, L"С&правка", L"#ru-learning"}};
    for (const auto& c : learning) {
        globals->Language = c.language;
        opened.clear();
        std::wstring label;
        bool stillOpen = false;
        CLearningOptionsDlg dialog(nullptr);
        EXPECT_EQ(Run(dialog,
                      [&](HWND d) {
                          label = Text(d, IDHELP);
                          Press(d, IDHELP);
                          stillOpen = ::IsWindow(d) != FALSE;
                          Key(d, VK_ESCAPE);
                      }),
                  IDCANCEL);
        EXPECT_EQ(label, c.label);
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(opened, fw::ModuleFolder() + L"help\\verbs_options.html" + c.anchor);
    }
    globals->Language = 1;
    fw::ShellOpener() = saved;
}

TEST_F(OptionsDialog, AStoreFailureOnOkIsReportedAndTheNewValuesStayInUse)
{
    SetOptions({1, 0, 10, 1, 10, 0, 0, 1, 3});
    Faults::setValue = true;
    EXPECT_EQ(Open([&](HWND d) {
                  Arrows(d, IDC_NUM_WORDS, VK_UP, 2);
                  Press(d, IDC_LANGUAGE_RUSSIAN);
                  responder.ThenPress(IDOK);
                  Press(d, IDOK);
              }),
              IDOK);
    Faults::setValue = false;
    EXPECT_EQ(Box(), L"Oops! Profile::RegException\n\nKey: ShowTranslate Value:1");
    EXPECT_EQ(globals->NumWords * 10 + globals->Language, 120);
    EXPECT_EQ(Setting(L"NumWords"), L"10");
}

TEST_F(OptionsDialog, LearningOptionsHaveTheirOwnDialogAndOkWritesOnlyThem)
{
    // Not in the options dialog, which writes its nine alone (above).
    Open([](HWND d) {
        EXPECT_EQ(Item(d, IDC_CYRILLIC_AS_ENGLISH), nullptr);
        EXPECT_EQ(Item(d, IDC_WEAK_VERBS_FIRST), nullptr);
        Press(d, IDCANCEL);
    });
    globals->CyrillicAsEnglish = 0;
    globals->WeakVerbsFirst = 1;
    globals->Language = 1;
    Faults::written.clear();
    CLearningOptionsDlg dialog(nullptr);
    EXPECT_EQ(Run(dialog, [](HWND d) {
                  EXPECT_EQ(fw::WindowText(d), L"Learning options");
                  EXPECT_EQ(Text(d, IDC_CYRILLIC_AS_ENGLISH), L"&Russian layout answers as English");
                  EXPECT_EQ(Text(d, IDC_WEAK_VERBS_FIRST), L"&Weak verbs first");
                  EXPECT_FALSE(Checked(d, IDC_CYRILLIC_AS_ENGLISH));
                  EXPECT_TRUE(Checked(d, IDC_WEAK_VERBS_FIRST));
                  AltKey(d, L'r'); // the accelerator clicks the check box
                  Press(d, IDC_WEAK_VERBS_FIRST);
                  Key(d, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(globals->CyrillicAsEnglish * 10 + globals->WeakVerbsFirst, 10);
    EXPECT_EQ(Setting(L"CyrillicAsEnglish") + Setting(L"WeakVerbsFirst"), L"10");
    EXPECT_EQ(Faults::written, (std::vector<std::wstring>{L"CyrillicAsEnglish", L"WeakVerbsFirst"}));
    // In Russian, and Cancel changes nothing.
    globals->Language = 0;
    CLearningOptionsDlg russian(nullptr);
    EXPECT_EQ(Run(russian, [](HWND d) {
                  EXPECT_EQ(fw::WindowText(d), L"Параметры обучения");
                  EXPECT_TRUE(Checked(d, IDC_CYRILLIC_AS_ENGLISH));
                  Press(d, IDC_CYRILLIC_AS_ENGLISH);
                  Key(d, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_EQ(globals->CyrillicAsEnglish, 1);
}
