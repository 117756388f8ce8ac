#include "pictures/PictureThemeDlg.h"
#include "base/DialogTexts.h"
#include "base/VerbsGlobals.h"
#include "pictures/PictureThemes.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include "base/ReportProfileError.h"

namespace {
const DialogText kEnglishTexts[] = {
    {0, L"Pictures theme selection"},
};
} // namespace

CPictureThemeDlg::CPictureThemeDlg(HWND parent) : CDialog(IDD_PICTURE_THEME, parent)
{
}

HWND CPictureThemeDlg::ThemeList() const
{
    return GetDlgItem(IDC_THEME_LIST);
}

// Each item keeps the index of its theme as item data: the list sorts its
// items, and two themes may show the same name.
void CPictureThemeDlg::FillThemeList()
{
    const std::vector<PictureTheme>& themes = Globals().m_themes;
    for (size_t i = 0; i < themes.size(); ++i) {
        const std::wstring& name = IsEnglish() ? themes[i].englishName : themes[i].russianName;
        LRESULT item = ::SendMessageW(ThemeList(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (item >= 0)
            ::SendMessageW(ThemeList(), LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
}

// The item of the current theme, or the first item when none is current.
void CPictureThemeDlg::SelectCurrentTheme()
{
    const CVerbsGlobals& g = Globals();
    int count = static_cast<int>(::SendMessageW(ThemeList(), LB_GETCOUNT, 0, 0));
    int selected = 0;
    for (int item = 0; item < count && g.m_hCurrentTheme; ++item) {
        auto index = static_cast<size_t>(::SendMessageW(ThemeList(), LB_GETITEMDATA, static_cast<WPARAM>(item), 0));
        if (index < g.m_themes.size() && g.m_themes[index].library.get() == g.m_hCurrentTheme)
            selected = item;
    }
    if (count > 0)
        ::SendMessageW(ThemeList(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

BOOL CPictureThemeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillThemeList();
    SelectCurrentTheme();
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    return TRUE;
}

void CPictureThemeDlg::OnOK()
{
    CVerbsGlobals& g = Globals();
    LRESULT item = ::SendMessageW(ThemeList(), LB_GETCURSEL, 0, 0);
    if (item != LB_ERR) {
        LRESULT data = ::SendMessageW(ThemeList(), LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
        if (data >= 0 && static_cast<size_t>(data) < g.m_themes.size()) {
            const PictureTheme& theme = g.m_themes[static_cast<size_t>(data)];
            g.m_hCurrentTheme = theme.library.get();
            try {
                g.m_profile.SetString(kLastThemeValue, theme.fileName);
            } catch (const Profile::RegException& e) {
                ReportProfileError(e);
            }
        }
    }
    EndDialog(IDOK);
}
