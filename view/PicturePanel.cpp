#include "view/PicturePanel.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "view/PanelLayout.h"
#include <commctrl.h>

namespace {
constexpr UINT kPicturePanelId = 501;
constexpr UINT kProgressId = 506;
} // namespace

std::wstring CPicturePanel::ProgressName(int finished) const
{
    // The bar shows no text; a screen reader speaks this name for it.
    return fw::FormatString2(LoadLangString(IDS_PROGRESS_NAME), std::to_wstring(finished),
                             std::to_wstring(m_numWords));
}

BOOL CPicturePanel::Create(HWND view, int numWords)
{
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(view);
    RECT rect = PanelLayout::PanelsInView(view, m).picture;
    // Made hidden and shown once whole, as the test panel is.
    if (!CreateEx(0, nullptr, L"", WS_CHILD | WS_DLGFRAME, rect, view, kPicturePanelId))
        return FALSE;
    PanelLayout::UseButtonFaceBackground(m_hWnd, Globals().m_brButtonFace.get());
    if (!m_picture.Create(m_hWnd))
        return FALSE;
    m_numWords = numWords;
    if (!m_progress.CreateControl(0, PROGRESS_CLASSW, ProgressName(0).c_str(), WS_CHILD | WS_VISIBLE,
                                  ProgressRect(m), m_hWnd, kProgressId))
        return FALSE;
    m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, numWords));
    m_progress.SendMessage(PBM_SETPOS, 0);
    return TRUE;
}

void CPicturePanel::Restart(int numWords)
{
    m_picture.ShowNextPicture();
    if (numWords != m_numWords)
        m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, numWords));
    m_numWords = numWords;
    SetProgress(0);
}

void CPicturePanel::Hide()
{
    if (!IsWindow())
        return;
    ShowWindow(SW_HIDE);
    m_picture.CoverAll();
}

RECT CPicturePanel::ProgressRect(const PanelLayout::Metrics& m) const
{
    RECT picture = m_picture.GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&picture), 2);
    return {picture.left, picture.bottom + m.S(6), picture.right, picture.bottom + m.S(26)};
}

void CPicturePanel::LayOut()
{
    if (!IsWindow())
        return;
    const HWND view = GetParent();
    const PanelLayout::Metrics m = PanelLayout::MetricsFor(view);
    MoveWindow(PanelLayout::PanelsInView(view, m).picture);
    if (m_picture.IsWindow())
        m_picture.MoveWindow(CPictureCtrl::WindowRectAt(m.dpi));
    if (m_progress.IsWindow())
        m_progress.MoveWindow(ProgressRect(m));
}

BOOL CPicturePanel::DestroyWindow()
{
    if (m_picture.IsWindow())
        m_picture.DestroyWindow();
    if (m_progress.IsWindow())
        m_progress.DestroyWindow();
    return CWnd::DestroyWindow();
}

void CPicturePanel::SetProgress(int finished)
{
    m_progress.SendMessage(PBM_SETPOS, static_cast<WPARAM>(finished));
    if (m_progress.IsWindow())
        m_progress.SetWindowText(ProgressName(finished));
}

int CPicturePanel::Progress() const
{
    return static_cast<int>(m_progress.SendMessage(PBM_GETPOS));
}

void CPicturePanel::UncoverCells(int count)
{
    m_picture.UncoverCells(count);
    // Only the cells just uncovered are painted again.
    if (m_picture.IsWindow())
        m_picture.UpdateWindow();
}
