// What a screen reader says about a question: every control of a running
// test read through the accessibility interface, as a reader asks for it,
// in both interface languages.
#include "Accessible.h"
#include "TestRunFixture.h"
#include "base/Language.h"
#include "resources/resource.h"
#include <cstdio>

namespace {

// The name and value a reader gets, printed so that a run shows what it heard.
testutil::AccessibleInfo Heard(const char* what, HWND window)
{
    testutil::AccessibleInfo info = testutil::ReadAccessible(window);
    std::printf("  %-12s role %2ld  name \"%s\"  value \"%s\"\n", what, info.role,
                fw::Narrow(info.name, CP_UTF8).c_str(), fw::Narrow(info.value, CP_UTF8).c_str());
    EXPECT_TRUE(info.found) << what;
    return info;
}

std::wstring PictureName(int uncovered)
{
    return fw::FormatString2(LoadLangString(IDS_PICTURE_NAME), std::to_wstring(uncovered), L"320");
}

std::wstring ProgressName(int finished, int questions)
{
    return fw::FormatString2(LoadLangString(IDS_PROGRESS_NAME), std::to_wstring(finished), std::to_wstring(questions));
}

} // namespace

TEST_F(TestRun, EveryControlOfAQuestionHasTheNameAScreenReaderSpeaks)
{
    Launch(0);
    for (int language : {0, 1}) {
        SCOPED_TRACE(language ? "English" : "Russian");
        globals->Language = language;
        globals->NumWords = 2;
        globals->OnlyOneForm = 0;
        globals->ShowTranslate = 1;
        Command(language ? ID_TEST_START_EN : ID_TEST_START_RU);
        ASSERT_TRUE(View().IsRunning());

        // The answer fields are named by their labels and read out what is typed.
        EXPECT_EQ(Heard("past tense", PastTenseField()).name, LoadLangString(IDS_PAST_TENSE));
        Type(L"wen");
        EXPECT_EQ(Heard("past tense", PastTenseField()).value, L"wen");
        EXPECT_EQ(Heard("participle", ParticipleField()).name, LoadLangString(IDS_PAST_PARTICIPLE));
        Type(L"\b\b\b");
        // The texts of the question are read as they stand.
        EXPECT_EQ(Heard("infinitive", Answers().Infinitive().m_hWnd).name, CurrentVerb().infinitive);
        EXPECT_EQ(Heard("translation", Panel().Translation().Value().m_hWnd).name, CurrentVerb().translation);
        // The picture says how much of it is uncovered, the progress bar how
        // many questions are done; the buttons are named by their labels.
        HWND picture = View().PicturePanel().Picture().m_hWnd;
        EXPECT_EQ(Heard("picture", picture).name, PictureName(0));
        HWND progress = ::GetDlgItem(View().PicturePanel().m_hWnd, 506);
        EXPECT_EQ(Heard("progress", progress).name, ProgressName(0, 2));
        EXPECT_EQ(Heard("ready", Panel().ReadyButton()->m_hWnd).name, LoadLangString(IDS_READY));
        EXPECT_EQ(Heard("skip", Panel().SkipButton()->m_hWnd).name, LoadLangString(IDS_SKIP));

        // The result box reads its message and its button; a correct answer
        // of two uncovers half the picture, and the picture's name says so.
        TypeCorrectForms();
        ExpectBoxes(1, [&] { Type(L"\r"); }, IDOK, [&](HWND box) {
            EXPECT_EQ(Heard("box text", ::GetDlgItem(box, 1016)).name, LoadLangString(IDS_CORRECT_ANSWER));
            EXPECT_EQ(Heard("box button", ::GetDlgItem(box, IDOK)).name, L"OK");
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(box, IDOK)) << "the keyboard is on the button";
        });
        EXPECT_EQ(Heard("picture", picture).name, PictureName(160));
        EXPECT_EQ(Heard("progress", progress).name, ProgressName(1, 2));
        Command(language ? ID_TEST_STOP_EN : ID_TEST_STOP_RU);
        ExpectIdle();
    }
}
