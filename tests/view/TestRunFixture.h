#pragma once
// A running program whose view plays tests: options set in memory, the test
// set chosen through the stored groups, answers typed key by key into the
// focused field, and every result box answered through its real dialog.
#include "ModalResponder.h"
#include <commctrl.h>
#include "TestUtil.h"
#include "framework/Text.h"
#include "tests/app/AppFixture.h"
#include "view/VerbsView.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// One result box as the learner saw it.
struct SeenBox {
    std::wstring caption;
    std::wstring text;
    UINT bitmapId = 0; // which of the program's result bitmaps it showed, 0 for none
    bool operator==(const SeenBox& o) const { return caption == o.caption && text == o.text && bitmapId == o.bitmapId; }
};
void PrintTo(const SeenBox& box, std::ostream* os);

// Rectangle of a window in its parent's client coordinates.
RECT InParent(HWND window);
// Width of a text in the font a window draws with.
int TextWidth(HWND window, const std::wstring& text);

class TestRun : public AppFixture {
protected:
    CTestPanel& Panel() { return View().TestPanel(); }
    CAnswerPanel& Answers() { return Panel().Answers(); }
    std::wstring StatusValue() { return Panel().Status().ValueText(); }
    std::wstring StatusCaption() { return Panel().Status().CaptionText(); }
    int Progress() { return View().PicturePanel().Progress(); }
    // Cells uncovered on the picture, which must be those the test has earned.
    int UncoveredCells()
    {
        const CPictureCtrl& picture = View().PicturePanel().Picture();
        int cells = picture.IsWindow() ? picture.UncoveredCount() : 0;
        if (const TestSession* test = View().RunningTest()) {
            EXPECT_EQ(cells, test->UncoveredCells()) << "the picture shows another share than the test earned";
        }
        return cells;
    }
    bool ReadOnly(HWND field) { return (::GetWindowLongW(field, GWL_STYLE) & ES_READONLY) != 0; }

    // Types the correct forms into the fields, moving between them with Tab.
    void TypeCorrectForms()
    {
        const VerbRecord& verb = CurrentVerb();
        std::wstring pastTense = verb.pastTense.substr(0, verb.pastTense.find(L';'));
        std::wstring participle = verb.pastParticiple.substr(0, verb.pastParticiple.find(L';'));
        if (PastTenseField() && ParticipleField() && ::IsWindowEnabled(ParticipleField()))
            Type(pastTense + L"\t" + participle);
        else
            Type(PastTenseField() ? pastTense : participle);
    }
    // Clicks the one button of a test panel toolbar with the mouse.
    void Click(CToolBar* bar)
    {
        ASSERT_NE(bar, nullptr);
        RECT rc{};
        ::SendMessageW(bar->m_hWnd, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
        LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ::SendMessageW(bar->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(bar->m_hWnd, WM_LBUTTONUP, 0, at);
    }
    void ExpectIdle()
    {
        EXPECT_FALSE(View().IsRunning());
        // Kept between tests, hidden.
        EXPECT_FALSE(View().TestPanel().IsWindowVisible());
        EXPECT_FALSE(View().PicturePanel().IsWindowVisible());
        EXPECT_EQ(UncoveredCells(), 0);
    }

    // Starts the program in the language (0 Russian, 1 English).
    void Launch(int language);
    CVerbsView& View();
    // The test that runs (throws when none does).
    const TestSession& Test();
    // A menu or toolbar command as the frame receives it.
    void Command(UINT id);
    // Only these verbs (by infinitive) are in the test set.
    void UseOnlyVerbs(const std::vector<std::wstring>& infinitives);
    // Every verb with a past participle is in the test set: a test that types
    // into both fields, or Tabs between them, would otherwise now and then draw
    // a verb whose participle field is out of reach.
    void UseOnlyVerbsWithBothForms();
    void ChooseNoGroup();
    // The test set is these verbs (numbers from 1, as the settings keep them).
    void ChooseVerbNumbers(const std::vector<int>& numbers);

    // Sends each character to the window with the keyboard focus, as typing
    // does; "\t", "\r" and "\x1b" are Tab, Enter and Esc.
    void Type(const std::wstring& keys);
    const VerbRecord& CurrentVerb();

    // Runs an action that must show exactly the given number of result boxes,
    // each closed with the given button (IDOK, IDCANCEL, or 0 for the close
    // box) after whileOpen has run; returns what they showed. A box that does
    // not come or does not go fails the test within seconds.
    std::vector<SeenBox> ExpectBoxes(size_t count, const std::function<void()>& action, int closeWith = IDOK,
                                     const std::function<void(HWND)>& whileOpen = nullptr);
    // Expected boxes in the current language (text base of the pair, bitmap).
    SeenBox Box(UINT textBase, UINT bitmapId) const;

    // Controls of the running test (null when the window is not there).
    HWND PastTenseField();
    HWND ParticipleField();
    std::wstring Text(HWND window) const { return fw::WindowText(window); }

    testutil::ModalResponder responder;
};
