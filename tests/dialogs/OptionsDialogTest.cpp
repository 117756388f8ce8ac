// The options dialog on its real controls: what it shows of the nine
// options, the spin ranges, the enabling, the caption switch, the keyboard,
// and what OK writes (also when the store fails).
#include "DialogTestSupport.h"
#include "dialogs/OptionsDlg.h"
#include "framework/Shell.h"

using namespace dlgtest;

namespace {

class OptionsDialog : public ProgramState {
protected:
    INT_PTR Open(testutil::ModalResponder::Step step)
    {
        Faults::written.clear();
        responder.Then(std::move(step));
        COptionsDlg dialog(nullptr);
        INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    void SetOptions(std::vector<int> values)
    {
        int* members[] = {&globals->ShowTranslate, &globals->MustLimitTime, &globals->LimitTime,
                          &globals->ShowRightAnswer, &globals->NumWords, &globals->OnlyOneForm,
                          &globals->WhichForm, &globals->Language, &globals->MaxAttempt};
        for (size_t i = 0; i < values.size(); ++i)
            *members[i] = values[i];
    }
    std::vector<std::wstring> StoredOptions()
    {
        std::vector<std::wstring> values;
        for (const wchar_t* name : kNames)
            values.push_back(Setting(name));
        return values;
    }
    static void Arrows(HWND d, int edit, UINT vk, int times)
    {
        ::SetFocus(Item(d, edit));
        for (int i = 0; i < times; ++i)
            Key(d, vk);
    }

    static constexpr const wchar_t* kNames[] = {L"ShowTranslate", L"MustLimitTime", L"LimitTime",
                                                 L"ShowRightAnswer", L"NumWords", L"OnlyOneForm",
                                                 L"WhichForm", L"Language", L"MaxAttempt"};
    FaultyRegistry registry; // records every write
};

} // namespace

TEST_F(OptionsDialog, ShowsTheOptionsAndOkWritesAllNineInOrder)
{
    SetOptions({0, 1, 60, 0, 294, 0, 7, 0, 10});
    EXPECT_EQ(Open([](HWND d) {
                  EXPECT_FALSE(Checked(d, IDC_SHOW_TRANSLATE) || Checked(d, IDC_SHOW_RIGHT_ANSWER) ||
                               Checked(d, IDC_ONLY_ONE_FORM));
                  EXPECT_TRUE(Checked(d, IDC_MUST_LIMIT_TIME));
                  EXPECT_EQ(Text(d, IDC_LIMIT_TIME) + L"," + Text(d, IDC_NUM_WORDS) + L"," + Text(d, IDC_MAX_ATTEMPT),
                            L"60,294,10");
                  // A stored form outside 0..2 shows as "at random"; the form is
                  // shown even while asking one form is off, but cannot be changed.
                  EXPECT_TRUE(Checked(d, IDC_FORM_RANDOM) && !Checked(d, IDC_FORM_PAST));
                  for (int id : {IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM})
                      EXPECT_FALSE(Enabled(d, id));
                  EXPECT_TRUE(Enabled(d, IDC_LIMIT_TIME_SPIN));
                  EXPECT_FALSE(Enabled(d, IDC_MAX_ATTEMPT_SPIN));
                  EXPECT_TRUE(Checked(d, IDC_LANGUAGE_RUSSIAN));
                  EXPECT_EQ(fw::WindowText(d), L"\u0417\u0430\u0434\u0430\u043D\u0438\u0435 \u043F\u0430\u0440\u0430"
                                               L"\u043C\u0435\u0442\u0440\u043E\u0432 \u043F\u0440\u043E\u0433\u0440"
                                               L"\u0430\u043C\u043C\u044B");
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(globals->WhichForm, 2);
    EXPECT_EQ(StoredOptions(), (std::vector<std::wstring>{L"0", L"1", L"60", L"0", L"294", L"0", L"2", L"0", L"10"}));
    EXPECT_EQ(Faults::written, std::vector<std::wstring>(std::begin(kNames), std::end(kNames)));
}

TEST_F(OptionsDialog, SpinsKeepTheNumbersInTheirRangesAndTypingDoesNothing)
{
    SetOptions({1, 0, 59, 1, 293, 1, 1, 1, 9});
    Open([](HWND d) {
        Arrows(d, IDC_NUM_WORDS, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_NUM_WORDS), L"294");
        Type(d, IDC_NUM_WORDS, L"2");
        Arrows(d, IDC_NUM_WORDS, VK_DOWN, 3);
        EXPECT_EQ(Text(d, IDC_NUM_WORDS), L"1");
        ::PostMessageW(Item(d, IDC_NUM_WORDS), WM_CHAR, L'7', 1);
        PumpDialog(d);
        EXPECT_EQ(Text(d, IDC_NUM_WORDS), L"1") << "the field is read-only";

        Arrows(d, IDC_MAX_ATTEMPT, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_MAX_ATTEMPT), L"10");
        EXPECT_FALSE(Enabled(d, IDC_LIMIT_TIME_SPIN)); // no time limit: its spin is off

        Press(d, IDC_MUST_LIMIT_TIME);
        EXPECT_TRUE(Enabled(d, IDC_LIMIT_TIME_SPIN) && !Enabled(d, IDC_MAX_ATTEMPT_SPIN));
        Arrows(d, IDC_LIMIT_TIME, VK_UP, 3);
        EXPECT_EQ(Text(d, IDC_LIMIT_TIME), L"60");
        Type(d, IDC_LIMIT_TIME, L"1");
        Arrows(d, IDC_LIMIT_TIME, VK_DOWN, 2);
        EXPECT_EQ(Text(d, IDC_LIMIT_TIME), L"1");

        Press(d, IDC_ONLY_ONE_FORM);
        EXPECT_FALSE(Enabled(d, IDC_FORM_PARTICIPLE));
        Press(d, IDC_ONLY_ONE_FORM);
        EXPECT_TRUE(Enabled(d, IDC_FORM_PAST) && Enabled(d, IDC_FORM_PARTICIPLE) && Enabled(d, IDC_FORM_RANDOM));
        Press(d, IDC_FORM_PAST);
        Press(d, IDOK);
    });
    EXPECT_EQ(StoredOptions(), (std::vector<std::wstring>{L"1", L"1", L"1", L"1", L"1", L"1", L"0", L"1", L"10"}));
    EXPECT_EQ(globals->NumWords + globals->LimitTime + globals->MaxAttempt, 12);
}

TEST_F(OptionsDialog, CaptionsFollowTheLanguageButtonsButCancelChangesNothing)
{
    SetOptions({1, 0, 10, 1, 10, 0, 0, 0, 3});
    std::vector<int> ids = {IDC_GENERAL_BOX, IDC_SHOW_TRANSLATE, IDC_SHOW_RIGHT_ANSWER, IDC_NUM_WORDS_LABEL,
                            IDC_FORM_BOX, IDC_ONLY_ONE_FORM, IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM,
                            IDC_LANGUAGE_BOX, IDC_LIMIT_BOX, IDC_MUST_LIMIT_TIME, IDC_MINUTES_LABEL,
                            IDC_MAX_ATTEMPT_LABEL, IDCANCEL, IDHELP, IDOK, IDC_LANGUAGE_RUSSIAN, IDC_LANGUAGE_ENGLISH};
    auto texts = [&](HWND d) {
        std::vector<std::wstring> all{fw::WindowText(d)};
        for (int id : ids)
            all.push_back(Text(d, id));
        return all;
    };
    EXPECT_EQ(Open([&](HWND d) {
                  std::vector<std::wstring> russian = texts(d);
                  Press(d, IDC_LANGUAGE_ENGLISH);
                  EXPECT_EQ(texts(d), (std::vector<std::wstring>{
                                          L"Program options", L"&General options", L"S&how translation",
                                          L"Show &correct answer", L"Number of &questions", L"Verb &form to ask",
                                          L"A&sk only one verb form", L"O&nly past", L"Onl&y past participle",
                                          L"At rando&m", L"&Interface language", L"Time or attempts &limit",
                                          L"&Time limit", L"minutes", L"Number of &attempts", L"Cancel", L"Help",
                                          L"OK", L"&\u0420\u0443\u0441\u0441\u043A\u0438\u0439", L"&English"}));
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
                  // К of "&Количество вопросов" (Wine matches Cyrillic accelerators in capitals only).
                  AltKey(d, L'\u041A');
                  EXPECT_EQ(FocusId(), IDC_NUM_WORDS);
                  Key(d, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(Setting(L"ShowTranslate"), L"0");
    EXPECT_EQ(Setting(L"Language"), L"0");
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
    fw::ShellOpener() = saved;
    EXPECT_EQ(opened, fw::ModuleFolder() + L"help\\verbs_options.html");
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
    EXPECT_EQ(responder.Seen().back().text, L"Oops! Profile::RegException\n\nKey: ShowTranslate Value:1");
    EXPECT_EQ(globals->NumWords, 12);
    EXPECT_EQ(globals->Language, 0);
    EXPECT_EQ(Setting(L"NumWords"), L"10");
}
