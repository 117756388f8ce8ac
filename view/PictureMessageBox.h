#pragma once
// The result box of a test: one of the program's pictures beside a short
// text, with an OK button.
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include <string>

class CPictureMessageBox : public CDialog {
public:
    CPictureMessageBox(HWND parent, const std::wstring& text, UINT bitmapId);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void ScaleBitmapToScreen();

    HBITMAP m_bitmap = nullptr; // the program's, or m_scaled
    fw::UniqueBitmap m_scaled;
    std::wstring m_text;
};
