#include "view/AnswerEdit.h"
#include "base/Language.h"
#include "data/LayoutRetype.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include <commctrl.h>
#include <vector>

namespace {

constexpr UINT_PTR kHideTipTimer = 1;
constexpr UINT kTipShownMs = 10000;

bool IsEnglishLayout(HKL layout)
{
    return PRIMARYLANGID(LOWORD(reinterpret_cast<UINT_PTR>(layout))) == LANG_ENGLISH;
}

// The first English layout installed, else null.
HKL InstalledEnglishLayout()
{
    int count = ::GetKeyboardLayoutList(0, nullptr);
    if (count <= 0)
        return nullptr;
    std::vector<HKL> layouts(static_cast<size_t>(count));
    count = ::GetKeyboardLayoutList(count, layouts.data());
    for (int i = 0; i < count; ++i)
        if (IsEnglishLayout(layouts[static_cast<size_t>(i)]))
            return layouts[static_cast<size_t>(i)];
    return nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CAnswerEdit, CWnd)
    ON_MESSAGE(WM_CHAR, OnChar)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
END_MESSAGE_MAP()

BOOL CAnswerEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateControl(WS_EX_STATICEDGE, L"EDIT", L"", style | WS_CHILD | WS_VISIBLE, rect, parent, id);
}

LRESULT CAnswerEdit::OnChar(WPARAM wp, LPARAM)
{
    HWND panel = GetParent();
    switch (wp) {
    case L'\t':
        ::SendMessageW(panel, PM_NEXTFIELD, reinterpret_cast<WPARAM>(m_hWnd), 0);
        return 0;
    case L'\r':
        ::SendMessageW(panel, PM_READY, 0, 0);
        return 0;
    case 27:
        ::SendMessageW(panel, PM_STOP, 0, 0);
        return 0;
    default: {
        LRESULT result = Default();
        UpdateLayoutTip();
        return result;
    }
    }
}

// ---- The keyboard layout

LRESULT CAnswerEdit::OnSetFocus(WPARAM, LPARAM)
{
    LRESULT result = Default();
    HKL current = ::GetKeyboardLayout(0);
    if (!IsEnglishLayout(current))
        if (HKL english = InstalledEnglishLayout())
            if (::ActivateKeyboardLayout(english, 0))
                m_learnersLayout = current;
    return result;
}

LRESULT CAnswerEdit::OnKillFocus(WPARAM, LPARAM)
{
    if (m_learnersLayout) {
        ::ActivateKeyboardLayout(m_learnersLayout, 0);
        m_learnersLayout = nullptr;
    }
    HideLayoutTip();
    return Default();
}

// ---- The balloon

HWND CAnswerEdit::LayoutTip() const
{
    return m_tipShown ? m_tip.m_hWnd : nullptr;
}

void CAnswerEdit::UpdateLayoutTip()
{
    std::wstring text = GetWindowText();
    if (!HasCyrillic(text)) {
        HideLayoutTip();
        return;
    }
    ShowLayoutTip(LoadLangString(IDS_LAYOUT_TIP_TITLE),
                  fw::FormatString1(LoadLangString(IDS_LAYOUT_TIP), RetypeInEnglishLayout(text)));
}

void CAnswerEdit::ShowLayoutTip(const std::wstring& title, const std::wstring& text)
{
    m_tipText = title + L"\n" + text;
    std::wstring body = text;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    tool.lpszText = body.data();
    if (!m_tip.m_hWnd) {
        if (!m_tip.CreateControl(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, RECT{}, m_hWnd, 0))
            return;
        m_tip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // Wide enough for the keys to switch with on one line.
        m_tip.SendMessage(TTM_SETMAXTIPWIDTH, 0, 420);
    } else {
        m_tip.SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    m_tip.SendMessage(TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title.c_str()));
    RECT field = GetWindowRect();
    // The stem at the field's bottom, a little in from its left end.
    m_tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(field.left + 16, field.bottom - 2));
    m_tip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    m_tipShown = true;
    ::SetTimer(m_hWnd, kHideTipTimer, kTipShownMs, nullptr);
}

void CAnswerEdit::HideLayoutTip()
{
    if (!m_tip.m_hWnd || !m_tipShown)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    m_tip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    m_tipShown = false;
    ::KillTimer(m_hWnd, kHideTipTimer);
}

LRESULT CAnswerEdit::OnTimer(WPARAM wp, LPARAM)
{
    if (wp != kHideTipTimer)
        return Default();
    HideLayoutTip();
    return 0;
}

LRESULT CAnswerEdit::OnDestroy(WPARAM, LPARAM)
{
    // The balloon is a window of its own, owned by the main window.
    ::KillTimer(m_hWnd, kHideTipTimer);
    m_tipShown = false;
    if (m_tip.m_hWnd)
        m_tip.DestroyWindow();
    return Default();
}
