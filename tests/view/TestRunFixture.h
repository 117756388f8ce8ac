#pragma once
// A running program whose view plays tests: options set in memory, the test
// set chosen through the stored groups, answers typed key by key into the
// focused field, and every result box answered through its real dialog.
#include "ModalResponder.h"
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

class TestRunFixture : public AppFixture {
protected:
    // Starts the program in the language (0 Russian, 1 English).
    void Launch(int language);
    CVerbsView& View();
    // A menu or toolbar command as the frame receives it.
    void Command(UINT id);
    // Only these verbs (by infinitive) are in the test set.
    void UseOnlyVerbs(const std::vector<std::wstring>& infinitives);
    void ChooseNoGroup();

    // Sends each character to the window with the keyboard focus, as typing
    // does; "\t", "\r" and "\x1b" are Tab, Enter and Esc.
    void Type(const std::wstring& keys);
    // Types the correct forms of the current question into its fields.
    void TypeCorrectAnswer();
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
    // Rectangle of a window in its parent's client coordinates.
    static RECT InParent(HWND window);

    testutil::ModalResponder responder;
};
