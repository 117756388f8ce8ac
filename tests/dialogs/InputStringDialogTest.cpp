// The input-string dialog on its real controls: trimming with its message
// and a second OK, the forbidden characters, OK enabling and the keyboard.
#include "DialogTestSupport.h"
#include "dialogs/InputStringDlg.h"

using namespace dlgtest;

namespace {

class InputStringDialog : public ProgramState {
protected:
    // Runs the dialog in the language with the text typed in, then the step.
    INT_PTR Run(int language, const std::wstring& typed, testutil::ModalResponder::Step step)
    {
        globals->Language = language;
        responder.Then([typed, step](HWND dialog) {
            Type(dialog, IDC_INPUT_TEXT, typed);
            step(dialog);
        });
        INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    const std::wstring& LastBoxText() { return responder.Seen().back().text; }

    CInputStringDlg dialog{nullptr};
};

} // namespace

TEST_F(InputStringDialog, WhiteSpaceAtTheEndsIsRemovedWithAMessageAndASecondOkAccepts)
{
    for (int language : {1, 0}) {
        dialog.Text.clear();
        INT_PTR result = Run(language, L"  Strong\t ", [&](HWND d) {
            EXPECT_EQ(fw::WindowText(d), language ? L"Input string" : L"\u0412\u0432\u043E\u0434 \u0441\u0442\u0440\u043E\u043A\u0438");
            responder.ThenPress(IDOK); // the message
            Press(d, IDOK);
            EXPECT_EQ(LastBoxText(), fw::LoadResString(language ? 171 : 172));
            EXPECT_TRUE(::IsWindow(d)) << "the dialog stays open";
            EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"Strong");
            EXPECT_EQ(FocusId(), IDC_INPUT_TEXT);
            Press(d, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.Text, L"Strong");
    }
}

TEST_F(InputStringDialog, EmptyTextCannotBeConfirmed)
{
    INT_PTR result = Run(1, L"", [&](HWND d) {
        EXPECT_FALSE(Enabled(d, IDOK));
        Type(d, IDC_INPUT_TEXT, L"x");
        EXPECT_TRUE(Enabled(d, IDOK));
        // Blanks alone become empty after the message, and OK is off again.
        Type(d, IDC_INPUT_TEXT, L" \r\n\v\f ");
        responder.ThenPress(IDOK);
        Press(d, IDOK);
        EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"");
        EXPECT_FALSE(Enabled(d, IDOK));
        Key(d, VK_RETURN); // the disabled default button ignores Enter
        EXPECT_TRUE(::IsWindow(d));
        Key(d, VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(responder.Seen().size(), 2u); // the dialog and one message
}

TEST_F(InputStringDialog, ForbiddenCharactersAreRefusedOthersPass)
{
    const std::wstring forbidden = L"\\/:*?\"<>|[]";
    for (wchar_t c : forbidden) {
        INT_PTR result = Run(c == L'/' ? 0 : 1, std::wstring(L"a") + c + L"b", [&](HWND d) {
            responder.ThenPress(IDOK);
            Press(d, IDOK);
            EXPECT_TRUE(::IsWindow(d)) << static_cast<char>(c);
            Press(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_EQ(LastBoxText(), L"Don't use one of following symbols:\n\\ / : * ? \"\" < > | [ ]");
    EXPECT_EQ(responder.Seen()[3].text,
              L"\u0417\u0430\u043F\u0440\u0435\u0449\u0435\u043D\u043E \u0438\u0441\u043F\u043E\u043B\u044C\u0437"
              L"\u043E\u0432\u0430\u043D\u0438\u0435 \u0441\u043B\u0435\u0434\u0443\u044E\u0449\u0438\u0445 "
              L"\u0441\u0438\u043C\u0432\u043E\u043B\u043E\u0432:\n\\ / : * ? \"\" < > | [ ]");

    // Enter in the field is OK; group-like texts pass.
    INT_PTR result = Run(1, L"1;2-3 \u0433\u043B\u0430\u0433\u043E\u043B\u044B", [](HWND d) {
        ::SetFocus(Item(d, IDC_INPUT_TEXT));
        Key(d, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.Text, L"1;2-3 \u0433\u043B\u0430\u0433\u043E\u043B\u044B");
}

TEST_F(InputStringDialog, ShowsThePromptAndTheTextOfItsLastRunAndHonoursItsLimits)
{
    dialog.Prompt = L"Group name:";
    dialog.Text = L"previous";
    dialog.MaxLength = 5;
    dialog.ReadOnly = true;
    responder.Then([](HWND d) {
        EXPECT_EQ(Text(d, IDC_INPUT_PROMPT), L"Group name:");
        EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"previous");
        EXPECT_TRUE(Enabled(d, IDOK));
        EXPECT_EQ(::SendMessageW(Item(d, IDC_INPUT_TEXT), EM_GETLIMITTEXT, 0, 0), 5);
        EXPECT_TRUE(::GetWindowLongW(Item(d, IDC_INPUT_TEXT), GWL_STYLE) & ES_READONLY);
        Press(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Text, L"previous");
}
