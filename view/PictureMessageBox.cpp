#include "view/PictureMessageBox.h"
#include "base/VerbsGlobals.h"
#include "framework/BitmapScaling.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include <map>

namespace {

// The boxes' pictures, each loaded once for the run: a box comes after
// every answer.
HBITMAP ResultPicture(UINT bitmapId)
{
    static std::map<UINT, fw::UniqueBitmap> loaded;
    fw::UniqueBitmap& picture = loaded[bitmapId];
    if (!picture)
        picture.reset(static_cast<HBITMAP>(
            ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, 0)));
    return picture.get();
}

} // namespace

CPictureMessageBox::CPictureMessageBox(HWND parent, const std::wstring& text, UINT bitmapId)
    : CDialog(IDD_PICTURE_MESSAGE, parent), m_bitmap(ResultPicture(bitmapId)), m_text(text)
{
}

BOOL CPictureMessageBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Over the middle of the main window rather than its corner.
    CenterWindow();
    return TRUE;
}

void CPictureMessageBox::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_MESSAGE_TEXT, m_text);
    if (dx->m_bSaveAndValidate)
        return;
    // The template has the title already: a caption set again is a trip to
    // the system and to the window manager.
    UpdateWindowText(fw::LoadResString(IsEnglish() ? IDS_APP_TITLE : IDS_TITLE_RU_MESSAGE));
    ScaleBitmapToScreen();
    // Sent to the static as it is: it needs no object of ours.
    ::SendDlgItemMessageW(m_hWnd, IDC_MESSAGE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bitmap));
}

void CPictureMessageBox::ScaleBitmapToScreen()
{
    // The box grows with its font on a larger scale; the picture grows with
    // it, resampled smoothly, instead of staying small in its corner.
    BITMAP info{};
    if (!m_bitmap || !::GetObjectW(m_bitmap, sizeof(info), &info))
        return;
    const UINT dpi = fw::DpiOf(m_hWnd);
    const int width = fw::Scale(info.bmWidth, dpi), height = fw::Scale(info.bmHeight, dpi);
    if (width == info.bmWidth && height == info.bmHeight)
        return;
    if (fw::UniqueBitmap scaled = fw::ScaleBitmap(m_bitmap, width, height)) {
        m_scaled = std::move(scaled);
        m_bitmap = m_scaled.get();
    }
}
