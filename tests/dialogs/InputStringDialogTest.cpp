// The input-string dialog on its real controls: trimming with its message
// and a second OK, the forbidden characters, OK enabling and the keyboard.
#include "DialogTestSupport.h"
#include "dialogs/InputStringDlg.h"

using namespace dlgtest;

namespace {
class InputStringDialog : public ProgramState {
protected:
    // Runs the dialog with the text typed in, then the step.
    INT_PTR RunWith(const std::wstring& typed, testutil::ModalResponder::Step step)
    {
        return Run(dialog, [typed, step](HWND d) {
            Type(d, IDC_INPUT_TEXT, typed);
            step(d);
        });
    }
    CInputStringDlg dialog{nullptr};
};
} // namespace

TEST_F(InputStringDialog, WhiteSpaceAtTheEndsGoesWithAMessageAndASecondOkAccepts)
{
    for (int language : {1, 0}) {
        globals->Language = language;
        EXPECT_EQ(RunWith(L"  Strong\t ", [&](HWND d) {
                      EXPECT_EQ(fw::WindowText(d), language ? L"Input string" : L"Ввод строки");
                      responder.ThenPress(IDOK);
                      Press(d, IDOK);
                      EXPECT_EQ(Box(), fw::LoadResString(language ? 171 : 172));
                      EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"Strong");
                      EXPECT_EQ(FocusId(), IDC_INPUT_TEXT);
                      Press(d, IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(dialog.Text, L"Strong");
    }
    // Blanks alone become empty, and empty text cannot be confirmed.
    EXPECT_EQ(RunWith(L" \r\n\v\f ", [&](HWND d) {
                  responder.ThenPress(IDOK);
                  Press(d, IDOK);
                  EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"");
                  EXPECT_FALSE(Enabled(d, IDOK));
                  Key(d, VK_RETURN); // ignored by the disabled default button
                  Type(d, IDC_INPUT_TEXT, L"x");
                  EXPECT_TRUE(Enabled(d, IDOK));
                  Key(d, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_EQ(responder.Seen().size(), 6u); // three dialogs, three messages
}

TEST_F(InputStringDialog, ForbiddenCharactersAreRefusedOthersPass)
{
    for (wchar_t c : std::wstring(L"\\/:*?\"<>|[]")) {
        globals->Language = c == L'/' ? 0 : 1;
        EXPECT_EQ(RunWith(std::wstring(L"a") + c, [&](HWND d) {
                      responder.ThenPress(IDOK);
                      Press(d, IDOK);
                      Press(d, IDCANCEL); // still open after the message
                  }),
                  IDCANCEL);
    }
    EXPECT_EQ(Box(), L"Don't use one of following symbols:\n\\ / : * ? \"\" < > | [ ]");
    EXPECT_EQ(responder.Seen()[3].text, L"Запрещено использование следующих символов:\n\\ / : * ? \"\" < > | [ ]");

    // Enter in the field is OK.
    EXPECT_EQ(RunWith(L"1;2-3 глаголы", [](HWND d) { Key(d, VK_RETURN); }), IDOK);
    EXPECT_EQ(dialog.Text, L"1;2-3 глаголы");
}

TEST_F(InputStringDialog, ShowsThePromptAndTheTextOfItsLastRunAndKeepsItsLimits)
{
    dialog.Prompt = L"Group name:";
    dialog.Text = L"previous";
    dialog.MaxLength = 5;
    dialog.ReadOnly = true;
    EXPECT_EQ(Run(dialog, [](HWND d) {
                  EXPECT_EQ(Text(d, IDC_INPUT_PROMPT) + L"|" + Text(d, IDC_INPUT_TEXT), L"Group name:|previous");
                  EXPECT_EQ(::SendMessageW(Item(d, IDC_INPUT_TEXT), EM_GETLIMITTEXT, 0, 0), 5);
                  EXPECT_TRUE(::GetWindowLongW(Item(d, IDC_INPUT_TEXT), GWL_STYLE) & ES_READONLY);
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(dialog.Text, L"previous");
}
