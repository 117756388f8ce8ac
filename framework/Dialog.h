#pragma once
// Modal dialogs from dialog resources, with data exchange helpers. The
// object lives in DWLP_USER from WM_INITDIALOG on; its message map handles
// the dialog's messages, and anything it leaves goes to the dialog manager.
// In a dialog, Default() only asks for that default processing, which the
// dialog manager does after the handler has returned: a handler cannot use
// its result.
#include "framework/Wnd.h"
#include <string>

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND m_hDialog;
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
};

// Attaches the control to the object (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, std::wstring& value);
// Decimal number; leading digits count, anything else reads as 0.
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// Index of the checked button of the radio group that starts at id, or -1.
void DDX_Radio(CDataExchange* dx, int id, int& value);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    HWND GetParentWindow() const { return m_hParent; }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);

    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

    void OnOkCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    DECLARE_MESSAGE_MAP()

    UINT m_nIDTemplate;
    HWND m_hParent;

private:
    friend INT_PTR CALLBACK FwDialogProc(HWND, UINT, WPARAM, LPARAM);
    INT_PTR DialogDispatch(UINT msg, WPARAM wp, LPARAM lp);

    bool m_defaultRequested = false;
};
