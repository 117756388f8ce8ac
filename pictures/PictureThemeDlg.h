#pragma once
// The picture theme dialog: lists the loaded theme libraries by their names
// in the interface language, preselects the current one, and on OK makes the
// chosen one current and stores its file name.
#include "framework/Dialog.h"

class CPictureThemeDlg : public CDialog {
public:
    explicit CPictureThemeDlg(HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    HWND ThemeList() const;
    void FillThemeList();
    void SelectCurrentTheme();
};
