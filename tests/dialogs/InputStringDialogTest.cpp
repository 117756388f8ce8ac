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
    // The text of the balloon the dialog shows now; empty when none shows.
    static std::wstring Balloon(HWND d)
    {
        std::pair<HWND, std::wstring> search{d, L""};
        ::EnumThreadWindows(::GetCurrentThreadId(), ReadBalloon, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }
    static BOOL CALLBACK ReadBalloon(HWND w, LPARAM lp)
    {
        auto& search = *reinterpret_cast<std::pair<HWND, std::wstring>*>(lp);
        wchar_t cls[32] = {}, text[80] = {};
        ::GetClassNameW(w, cls, 32);
        if (std::wstring(cls) == TOOLTIPS_CLASSW && ::GetWindow(w, GW_OWNER) == search.first && ::IsWindowVisible(w)) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.lpszText = text;
            ::SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
            search.second = text;
        }
        return TRUE;
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
    // Blanks alone become empty, and so does text with nothing visible in it
    // (no-break and zero-width spaces, control characters); empty text cannot
    // be confirmed, not even by an OK from outside.
    for (const wchar_t* blank : {L" \r\n\v\f ", L"\u00A0\u200B\u3000\u0001\uFEFF"}) {
        EXPECT_EQ(RunWith(blank, [&](HWND d) {
                      responder.ThenPress(IDOK);
                      Press(d, IDOK);
                      EXPECT_EQ(Text(d, IDC_INPUT_TEXT), L"");
                      EXPECT_FALSE(Enabled(d, IDOK));
                      Key(d, VK_RETURN); // ignored by the disabled default button
                      ::SendMessageW(d, WM_COMMAND, IDOK, 0);
                      Type(d, IDC_INPUT_TEXT, L"x");
                      EXPECT_TRUE(Enabled(d, IDOK));
                      Key(d, VK_ESCAPE);
                  }),
                  IDCANCEL);
    }
    EXPECT_EQ(responder.Seen().size(), 8u); // four dialogs, four messages
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
    // A text longer than the limit is shown but refused, and the balloon says why.
    EXPECT_EQ(Run(dialog, [](HWND d) {
                  EXPECT_EQ(Text(d, IDC_INPUT_PROMPT) + L"|" + Text(d, IDC_INPUT_TEXT), L"Group name:|previous");
                  EXPECT_EQ(::SendMessageW(Item(d, IDC_INPUT_TEXT), EM_GETLIMITTEXT, 0, 0), 5);
                  EXPECT_TRUE(::GetWindowLongW(Item(d, IDC_INPUT_TEXT), GWL_STYLE) & ES_READONLY);
                  EXPECT_EQ(Balloon(d), L"");
                  Press(d, IDOK);
                  EXPECT_EQ(Balloon(d), L"At most 5 characters");
                  Press(d, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(dialog.Text, L"previous");

    // Typing into a full field shows the balloon; taking a character back hides it.
    globals->Language = 0;
    dialog.ReadOnly = false;
    dialog.Text.clear();
    EXPECT_EQ(Run(dialog, [](HWND d) {
                  for (wchar_t c : std::wstring(L"abcdef"))
                      ::SendMessageW(Item(d, IDC_INPUT_TEXT), WM_CHAR, c, 1);
                  EXPECT_EQ(Text(d, IDC_INPUT_TEXT) + L"|" + Balloon(d), L"abcde|Не более 5 символов");
                  ::SendMessageW(Item(d, IDC_INPUT_TEXT), WM_CHAR, VK_BACK, 1);
                  EXPECT_EQ(Balloon(d), L"");
                  Press(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(dialog.Text, L"abcd");
}
