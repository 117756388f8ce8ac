// No text of the group and options dialogs is cut, in either language: each
// label, check box, radio button, group box and button has room for its text
// in the dialog font the platform actually gives.
#include "DialogTestSupport.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/GroupsSection.h"
#include "dialogs/InputStringDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/UsedGroupsDlg.h"
#include "framework/Handles.h"

using namespace dlgtest;

namespace {

// Room for the text besides what the control draws itself, and a few pixels
// for glyphs that draw beyond their advance (a measured fit of a pixel or
// two still shows the last letter cut).
int Reserved(HWND control)
{
    constexpr int kOverhang = 3;
    wchar_t cls[32] = {};
    ::GetClassNameW(control, cls, 32);
    if (std::wstring(cls) != L"Button")
        return kOverhang;
    switch (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX: return 12 + kOverhang;
    case BS_AUTOCHECKBOX:
    case BS_AUTORADIOBUTTON: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4 + kOverhang;
    default: return 6 + kOverhang;
    }
}

BOOL CALLBACK ExpectTextFits(HWND control, LPARAM)
{
    std::wstring text;
    for (wchar_t c : fw::WindowText(control))
        if (c != L'&')
            text += c;
    wchar_t cls[32] = {};
    ::GetClassNameW(control, cls, 32);
    if (text.empty() || std::wstring(cls) == L"Edit")
        return TRUE;
    fw::WindowDc dc(control);
    fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{}, room{};
    ::DrawTextW(dc.get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    ::GetClientRect(control, &room);
    EXPECT_LE(needed.right + Reserved(control), room.right)
        << ::GetDlgCtrlID(control) << " \"" << fw::Narrow(text, CP_UTF8) << "\"";
    return TRUE;
}

class DialogLayout : public ProgramState {
protected:
    template <typename Dialog>
    void Check(Dialog& dialog, int englishButton = 0)
    {
        Run(dialog, [englishButton](HWND d) {
            ::EnumChildWindows(d, ExpectTextFits, 0);
            if (englishButton) { // the options dialog switches its own texts
                Press(d, englishButton);
                ::EnumChildWindows(d, ExpectTextFits, 0);
            }
            Press(d, IDCANCEL);
        });
    }
};

} // namespace

TEST_F(DialogLayout, EveryTextHasRoomInBothLanguages)
{
    for (int language : {0, 1}) {
        globals->Language = language;
        COptionsDlg options(nullptr);
        Check(options, language ? 0 : IDC_LANGUAGE_ENGLISH);
        CInputStringDlg input(nullptr);
        input.Prompt = fw::LoadResString(language ? IDS_GROUP_NAME : IDS_GROUP_NAME + 1);
        Check(input);
        {
            CUsedGroupsDlg groups(Store(), nullptr);
            Check(groups);
        } // gives "Groups" back before the members dialog enters it itself
        CGroupsSection section(Store());
        CGroupVerbsDlg members(Store(), L"1-2-3", nullptr);
        Check(members);
        EXPECT_EQ(members.Total, 111) << "laid out with the group's own members";
    }
}
