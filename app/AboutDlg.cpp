#include "app/AboutDlg.h"
#include "base/DialogTexts.h"
#include "data/ProductInfo.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include <string>

namespace {
const DialogText kEnglishTexts[] = {
    {0, L"About verbs"},
    {IDC_ABOUT_NEWEST, L"The newest version is always available at:"},
};
} // namespace

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_ABOUTBOX, parent)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_ABOUT_LINK, m_link);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SetTextColor(RGB(0, 0, 255));
    m_link.SetWindowText(kProductWebAddress);
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    if (IsEnglish()) {
        // Made up of the product's facts.
        ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_DESCRIPTION,
                          (std::wstring(L"Lexoria learninng knowledge checking program\n\n") + kNoticeLine).c_str());
        ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_VERSION, (std::wstring(L"Version ") + kVersion).c_str());
    }
    return TRUE;
}
