// Test run benchmark: how immediate a test feels. Starts the program in this
// process (main window, view, the shipped theme library beside the
// benchmark), then many times over:
//   - Start: from the Start command to the first question on screen (test
//     set computed, questions drawn, picture loaded, panels created and every
//     pending paint of the window done);
//   - Ready: from the Ready command with the right forms typed to the next
//     question on screen, its result box shown and closed at once;
// then Stop (not timed); and, as a learner goes on, Start again after a test
// of one question played to its closing display, ended there, and a moment
// idle. Prints the median, minimum and maximum of each.
//
//   test_run_bench [runs]     (run under Wine or on Windows)
//
// It uses the program's settings key as the program does: run it in a Wine
// prefix made for tests, not in one whose settings matter.
#include "app/VerbsApp.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/FrameWnd.h"
#include "pictures/PictureThemes.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "view/VerbsView.h"
#include "BenchReport.h"
#include <commctrl.h>
#include <objbase.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kDefaultRuns = 201;
int gBoxesClosed = 0;

// Closes every result box the moment it is on screen, as a quick Enter does.
LRESULT CALLBACK CloseBoxAtOnce(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE) {
        wchar_t cls[16] = {};
        ::GetClassNameW(reinterpret_cast<HWND>(wp), cls, 16);
        if (std::wstring(cls) == L"#32770") {
            ::PostMessageW(reinterpret_cast<HWND>(wp), WM_COMMAND, IDOK, 0);
            ++gBoxesClosed;
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Every pending paint of the window and its children done, drawing flushed.
void PaintNow(HWND frame)
{
    ::RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

using bench::Milliseconds;

void Print(const char* what, const std::vector<double>& samples)
{
    bench::PrintMilliseconds(what, samples);
}

std::wstring FirstVariant(const std::wstring& form)
{
    return form.substr(0, form.find(L';'));
}

bool ChooseAllVerbs(Profile::RegProfile& store)
{
    try {
        store.EnterSection(VerbGroups::kSection);
        VerbGroups::SetAllVerbsChosen(store, true);
        store.LeaveSection();
        return true;
    } catch (const Profile::RegException& e) {
        std::fprintf(stderr, "registry failure: %ls\n", e.Detail().c_str());
        return false;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    auto globals = std::make_unique<CVerbsGlobals>();
    auto app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView, StoredThemeFile, LoadProgramPictureThemes});
    app->m_arguments = {L"/Embedding"}; // no splash
    if (!app->InitInstance() || !ChooseAllVerbs(globals->m_profile)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    // What the program does at its first idle moment, before any Start.
    app->EnsurePictureThemes();
    auto* frame = dynamic_cast<CFrameWnd*>(app->m_pMainWnd);
    auto* view = frame ? dynamic_cast<CVerbsView*>(frame->GetActiveView()) : nullptr;
    if (!view)
        return 1;
    PumpPending();
    PaintNow(frame->m_hWnd);
    globals->NumWords = 10;
    globals->MustLimitTime = 0;
    globals->OnlyOneForm = 0;
    globals->ShowTranslate = 1;
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, CloseBoxAtOnce, nullptr, ::GetCurrentThreadId());

    LARGE_INTEGER frequency, t0, t1;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> start, ready;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        ::QueryPerformanceCounter(&t0);
        frame->SendMessage(WM_COMMAND, ID_TEST_START_EN);
        PaintNow(frame->m_hWnd);
        ::QueryPerformanceCounter(&t1);
        start.push_back(Milliseconds(t0, t1, frequency));

        const TestSession* test = view->RunningTest();
        if (!test) {
            ++failures;
            continue;
        }
        const VerbRecord& verb = test->Verb();
        CAnswerPanel& answers = view->TestPanel().Answers();
        answers.PastTenseField().SetWindowText(FirstVariant(verb.pastTense));
        answers.ParticipleField().SetWindowText(FirstVariant(verb.pastParticiple));
        int boxes = gBoxesClosed;
        ::QueryPerformanceCounter(&t0);
        frame->SendMessage(WM_COMMAND, ID_TEST_READY_EN);
        PaintNow(frame->m_hWnd);
        ::QueryPerformanceCounter(&t1);
        ready.push_back(Milliseconds(t0, t1, frequency));
        test = view->RunningTest();
        if (!test || test->CorrectAnswers() != 1 || gBoxesClosed != boxes + 1)
            ++failures;

        frame->SendMessage(WM_COMMAND, ID_TEST_STOP_EN);
        PumpPending();
    }

    // As a learner goes on: a test of one question answered to its closing
    // display, ended there, a moment idle, then the next Start.
    globals->NumWords = 1;
    std::vector<double> startAfterEnd;
    for (int i = 0; i < runs; ++i) {
        frame->SendMessage(WM_COMMAND, ID_TEST_START_EN);
        const TestSession* test = view->RunningTest();
        if (!test) {
            ++failures;
            continue;
        }
        CAnswerPanel& answers = view->TestPanel().Answers();
        answers.PastTenseField().SetWindowText(FirstVariant(test->Verb().pastTense));
        answers.ParticipleField().SetWindowText(FirstVariant(test->Verb().pastParticiple));
        frame->SendMessage(WM_COMMAND, ID_TEST_READY_EN);
        if (!view->RunningTest() || !view->RunningTest()->AllAsked())
            ++failures;
        frame->SendMessage(WM_COMMAND, ID_TEST_READY_EN); // Enter at the closing display
        const DWORD idleUntil = ::GetTickCount() + 50;
        while (::GetTickCount() < idleUntil) {
            PumpPending();
            ::Sleep(5);
        }
        PaintNow(frame->m_hWnd);
        ::QueryPerformanceCounter(&t0);
        frame->SendMessage(WM_COMMAND, ID_TEST_START_EN);
        PaintNow(frame->m_hWnd);
        ::QueryPerformanceCounter(&t1);
        startAfterEnd.push_back(Milliseconds(t0, t1, frequency));
        frame->SendMessage(WM_COMMAND, ID_TEST_STOP_EN);
        PumpPending();
    }
    ::UnhookWindowsHookEx(hook);

    std::printf("theme library loaded: %s; runs that went wrong: %d\n", globals->m_hCurrentTheme ? "yes" : "no",
                failures);
    Print("Start command to the first question on screen", start);
    Print("Ready with its box closed at once to the next question", ready);
    Print("Start after a test ended at its closing display", startAfterEnd);

    frame->DestroyWindow();
    PumpPending();
    app->ExitInstance();
    app.reset();
    globals.reset();
    ::CoUninitialize();
    return failures == 0 ? 0 : 1;
}
