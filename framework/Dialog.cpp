#include "framework/Dialog.h"
#include "framework/Text.h"
#include "framework/ExceptionReport.h"
#include "framework/WinThread.h"
#include <cwchar>

INT_PTR CALLBACK FwDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* dialog = nullptr;
    if (msg == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lp);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        dialog->m_hWnd = hwnd;
    } else {
        dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!dialog)
        return FALSE;
    INT_PTR result = dialog->DialogDispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
    }
    return result;
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOkCommand)
    ON_COMMAND(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hParent(parent)
{
}

CDialog::~CDialog()
{
    // The dialog manager owns the window; nothing of ours is left to destroy.
    m_hWnd = nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_hParent;
    if (!owner) {
        CWinThread* app = CWinThread::Current();
        if (app && app->m_pMainWnd)
            owner = app->m_pMainWnd->m_hWnd;
    }
    return ::DialogBoxParamW(fw::ResourceModule(), MAKEINTRESOURCEW(m_nIDTemplate), owner, FwDialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM)
{
    // The dialog manager does the default processing once we return FALSE.
    m_defaultRequested = true;
    return 0;
}

void CDialog::PostNcDestroy()
{
}

static bool ReturnsResultDirectly(UINT msg)
{
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

INT_PTR CDialog::DialogDispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    // Nothing may unwind through the dialog manager: an exception is reported
    // and the message gets the default processing, unless that would carry
    // out what the handler was to decide on (see fw::RefusedAfterFailure).
    if (msg == WM_INITDIALOG) {
        try {
            return OnInitDialog();
        } catch (...) {
            fw::ReportException(std::current_exception());
            return TRUE;
        }
    }
    bool saved = m_defaultRequested;
    m_defaultRequested = false;
    LRESULT result = 0;
    bool handled = false;
    try {
        result = WindowProc(msg, wp, lp);
        handled = !m_defaultRequested;
    } catch (...) {
        result = 0;
        handled = fw::RefusedAfterFailure(msg);
        fw::ReportException(std::current_exception());
    }
    m_defaultRequested = saved;
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(msg))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

// ---- Data exchange

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_hDialog);
}

void DDX_Text(CDataExchange* dx, int id, std::wstring& value)
{
    HWND control = ::GetDlgItem(dx->m_hDialog, id);
    if (dx->m_bSaveAndValidate)
        value = fw::WindowText(control);
    else
        ::SetWindowTextW(control, value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    HWND control = ::GetDlgItem(dx->m_hDialog, id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(std::wcstol(fw::WindowText(control).c_str(), nullptr, 10));
    else
        ::SetWindowTextW(control, std::to_wstring(value).c_str());
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = ::GetDlgItem(dx->m_hDialog, id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND control = ::GetDlgItem(dx->m_hDialog, id);
    if (dx->m_bSaveAndValidate)
        value = -1;
    // Walk the group: from the first button to the next one with WS_GROUP.
    int index = 0;
    for (HWND button = control; button; button = ::GetWindow(button, GW_HWNDNEXT), ++index) {
        if (button != control && (::GetWindowLongW(button, GWL_STYLE) & WS_GROUP))
            break;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}
