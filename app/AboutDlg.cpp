#include "app/AboutDlg.h"
#include "data/ProductInfo.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include <string>

namespace {
constexpr int IDC_DESCRIPTION = 1044;
constexpr int IDC_VERSION = 1045;
constexpr int IDC_NEWEST = 1046;
constexpr int IDC_LINK = 1031;
} // namespace

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_ABOUTBOX, parent)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_LINK, m_link);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SetTextColor(RGB(0, 0, 255));
    m_link.SetWindowText(kProductWebAddress);
    if (IsEnglish()) {
        SetWindowText(L"About verbs");
        ::SetDlgItemTextW(m_hWnd, IDC_DESCRIPTION,
                          (std::wstring(L"Lexoria learninng knowledge checking program\n\n") + kNoticeLine).c_str());
        ::SetDlgItemTextW(m_hWnd, IDC_VERSION, (std::wstring(L"Version ") + kVersion).c_str());
        ::SetDlgItemTextW(m_hWnd, IDC_NEWEST, L"The newest version is always available at:");
    }
    return TRUE;
}
