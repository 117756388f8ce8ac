#include "framework/StatusBar.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_MESSAGE(WM_SIZE, OnSize)
END_MESSAGE_MAP()

BOOL CStatusBar::Create(HWND parent, DWORD style, UINT id)
{
    RECT rc{0, 0, 100, 20};
    return CreateControl(0, STATUSCLASSNAMEW, L"", style | CCS_BOTTOM, rc, parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_panes.clear();
    fw::WindowDc dc(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    fw::SelectedObject selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < count; ++i) {
        Pane pane{ids[i], std::wstring(), 0};
        if (ids[i] != 0) {
            pane.text = fw::LoadResString(ids[i]);
            if (pane.text.empty())
                return FALSE;
            SIZE extent{};
            ::GetTextExtentPoint32W(dc.get(), pane.text.c_str(), static_cast<int>(pane.text.size()), &extent);
            pane.width = extent.cx + 12;
        }
        m_panes.push_back(pane);
    }
    LayoutPanes();
    return TRUE;
}

void CStatusBar::LayoutPanes()
{
    if (m_panes.empty() || !m_hWnd)
        return;
    RECT rc = GetClientRect();
    std::vector<int> edges(m_panes.size());
    int right = rc.right;
    for (size_t i = m_panes.size(); i-- > 1;) {
        edges[i] = right;
        right -= m_panes[i].width;
    }
    edges[0] = right;
    if (m_panes.size() == 1)
        edges[0] = -1;
    else
        edges.back() = -1;
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

LRESULT CStatusBar::OnSize(WPARAM, LPARAM)
{
    LRESULT result = Default();
    LayoutPanes();
    return result;
}

std::wstring CStatusBar::GetPaneText(int index) const
{
    LRESULT info = ::SendMessageW(m_hWnd, SB_GETTEXTLENGTHW, index, 0);
    std::wstring text(LOWORD(info) + 1, L'\0');
    ::SendMessageW(m_hWnd, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}

void CStatusBar::SetPaneText(int index, const std::wstring& text)
{
    if (GetPaneText(index) != text)
        SendMessage(SB_SETTEXTW, index, reinterpret_cast<LPARAM>(text.c_str()));
}

int CStatusBar::CalcHeight() const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc.bottom - rc.top;
}

void CStatusBar::UpdateCommandUI(CCmdTarget&)
{
    for (size_t i = 1; i < m_panes.size(); ++i) {
        int key = 0;
        switch (m_panes[i].id) {
        case 59137: key = VK_CAPITAL; break;
        case 59138: key = VK_NUMLOCK; break;
        case 59139: key = VK_SCROLL; break;
        default: continue;
        }
        bool on = (::GetKeyState(key) & 1) != 0;
        SetPaneText(static_cast<int>(i), on ? m_panes[i].text : std::wstring());
    }
}
