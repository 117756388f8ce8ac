#pragma once
// The about box: picture, description, version and the link to the product's page.
#include "base/LinkStatic.h"
#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND parent = nullptr);

    CLinkStatic& Link() { return m_link; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CLinkStatic m_link;
};
