#include "framework/CheckListBox.h"
#include "framework/Handles.h"
#include <algorithm>

namespace {
// Side of the drawn check box and the space around it, in pixels.
constexpr int kBoxSize = 13;
constexpr int kBoxMargin = 2;
// Item data: bit 0 the tick, the bits above it the caller's tag.
constexpr LRESULT kCheckedBit = 1;

LRESULT Pack(bool checked, unsigned tag)
{
    return static_cast<LRESULT>((static_cast<ULONG_PTR>(tag) << 1) | (checked ? 1u : 0u));
}
} // namespace

BEGIN_MESSAGE_MAP(CCheckListBox, CWnd)
    ON_REFLECTED(WM_DRAWITEM, OnDrawItem)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(WM_CHAR, OnChar)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
END_MESSAGE_MAP()

BOOL CCheckListBox::AttachDlgItem(UINT id, HWND dialog)
{
    if (!SubclassDlgItem(id, dialog))
        return FALSE;
    m_listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(m_hWnd, GCLP_WNDPROC));
    UpdateItemHeight();
    return TRUE;
}

LRESULT CCheckListBox::ListMessage(UINT msg, WPARAM wp, LPARAM lp) const
{
    if (!m_listProc)
        return ::SendMessageW(m_hWnd, msg, wp, lp);
    return ::CallWindowProcW(m_listProc, m_hWnd, msg, wp, lp);
}

void CCheckListBox::UpdateItemHeight()
{
    fw::WindowDc dc(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(ListMessage(WM_GETFONT));
    fw::SelectedObject selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.get(), &tm);
    int height = std::max<int>(tm.tmHeight + 2, kBoxSize + 2 * kBoxMargin - 1);
    ListMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
}

LRESULT CCheckListBox::OnSetFont(WPARAM, LPARAM)
{
    LRESULT result = Default();
    UpdateItemHeight();
    return result;
}

int CCheckListBox::CheckColumnWidth() const
{
    return kBoxSize + 2 * kBoxMargin;
}

int CCheckListBox::AddString(const std::wstring& text, bool checked)
{
    int index = static_cast<int>(ListMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index < 0)
        return -1;
    SetItemData(index, Pack(checked, 0));
    return index;
}

bool CCheckListBox::DeleteString(int index)
{
    return ListMessage(LB_DELETESTRING, static_cast<WPARAM>(index)) != LB_ERR;
}

void CCheckListBox::InitStorage(int lines)
{
    ListMessage(LB_INITSTORAGE, static_cast<WPARAM>(lines), static_cast<LPARAM>(lines) * 16 * sizeof(wchar_t));
}

void CCheckListBox::SetRedraw(bool redraw)
{
    ListMessage(WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw)
        Invalidate(FALSE);
}

void CCheckListBox::ResetContent()
{
    ListMessage(LB_RESETCONTENT);
}

int CCheckListBox::GetCount() const
{
    return static_cast<int>(ListMessage(LB_GETCOUNT));
}

std::wstring CCheckListBox::GetText(int index) const
{
    LRESULT length = ListMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    length = ListMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length == LB_ERR ? 0 : static_cast<size_t>(length));
    return text;
}

int CCheckListBox::GetCurSel() const
{
    return static_cast<int>(ListMessage(LB_GETCURSEL));
}

void CCheckListBox::SetCurSel(int index)
{
    ListMessage(LB_SETCURSEL, static_cast<WPARAM>(index));
}

RECT CCheckListBox::GetItemRect(int index) const
{
    RECT rc{};
    ListMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

LRESULT CCheckListBox::ItemData(int index) const
{
    LRESULT data = ListMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
    return data == LB_ERR ? 0 : data;
}

void CCheckListBox::SetItemData(int index, LRESULT data)
{
    ListMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

bool CCheckListBox::GetCheck(int index) const
{
    return (ItemData(index) & kCheckedBit) != 0;
}

void CCheckListBox::SetCheck(int index, bool checked)
{
    if (index < 0 || index >= GetCount() || GetCheck(index) == checked)
        return;
    SetItemData(index, Pack(checked, GetItemTag(index)));
    InvalidateItem(index);
}

void CCheckListBox::SetAllChecks(bool checked)
{
    int count = GetCount();
    for (int i = 0; i < count; ++i)
        SetItemData(i, Pack(checked, GetItemTag(i)));
    Invalidate(FALSE);
}

int CCheckListBox::CountChecked() const
{
    int count = GetCount(), checked = 0;
    for (int i = 0; i < count; ++i)
        checked += GetCheck(i) ? 1 : 0;
    return checked;
}

unsigned CCheckListBox::GetItemTag(int index) const
{
    return static_cast<unsigned>(static_cast<ULONG_PTR>(ItemData(index)) >> 1);
}

void CCheckListBox::SetItemTag(int index, unsigned tag)
{
    SetItemData(index, Pack(GetCheck(index), tag));
}

int CCheckListBox::FindItemTag(unsigned tag) const
{
    int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetItemTag(i) == tag)
            return i;
    return -1;
}

void CCheckListBox::InvalidateItem(int index)
{
    RECT rc = GetItemRect(index);
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

int CCheckListBox::CheckBoxAt(LPARAM point) const
{
    POINT pt{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    LRESULT hit = ListMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    if (HIWORD(hit) != 0)
        return -1; // below the last line
    int index = static_cast<int>(LOWORD(hit));
    RECT rc = GetItemRect(index);
    if (!::PtInRect(&rc, pt) || pt.x >= rc.left + CheckColumnWidth())
        return -1;
    return index;
}

void CCheckListBox::ToggleAndNotify(int index)
{
    SetCheck(index, !GetCheck(index));
    HWND parent = GetParent();
    int id = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CCheckListBox::OnLButtonDown(WPARAM wp, LPARAM lp)
{
    int index = CheckBoxAt(lp);
    if (index < 0)
        return Default();
    ClickBox(index, wp, lp);
    return 0;
}

LRESULT CCheckListBox::OnLButtonDblClk(WPARAM wp, LPARAM lp)
{
    // The second click of a double click on a box is one more toggle, not
    // a double click on the line.
    int index = CheckBoxAt(lp);
    if (index < 0)
        return Default();
    ClickBox(index, wp, lp);
    return 0;
}

void CCheckListBox::ClickBox(int index, WPARAM wp, LPARAM lp)
{
    // The click selects the line as a plain click does; then the box
    // toggles, so the parent always finds the toggled line selected.
    DefWindowProc(WM_LBUTTONDOWN, wp, lp);
    if (::IsWindow(m_hWnd))
        ToggleAndNotify(index);
}

LRESULT CCheckListBox::OnKeyDown(WPARAM wp, LPARAM)
{
    LRESULT result = Default();
    if (wp == VK_SPACE && ::IsWindow(m_hWnd)) {
        int index = GetCurSel();
        if (index >= 0)
            ToggleAndNotify(index);
    }
    return result;
}

LRESULT CCheckListBox::OnChar(WPARAM wp, LPARAM)
{
    // Space toggles; it must not also search for a line starting with a blank.
    if (wp == L' ')
        return 0;
    return Default();
}

LRESULT CCheckListBox::OnDrawItem(WPARAM, LPARAM lp)
{
    const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    HDC dc = item.hDC;
    RECT rc = item.rcItem;
    // The focus frame surrounds the text only; it is drawn by inversion, so
    // every path draws it over the same rectangle.
    RECT text = rc;
    text.left += CheckColumnWidth();
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS)
            ::DrawFocusRect(dc, &text);
        return TRUE;
    }
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        if (item.itemAction & ODA_FOCUS)
            ::DrawFocusRect(dc, &text);
        return TRUE;
    }

    int index = static_cast<int>(item.itemID);
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;

    // The check box sits on the window colour, the text on the selection colour.
    RECT box = rc;
    box.right = rc.left + CheckColumnWidth();
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_WINDOW));
    RECT frame{box.left + kBoxMargin, rc.top + (rc.bottom - rc.top - kBoxSize) / 2, 0, 0};
    frame.right = frame.left + kBoxSize;
    frame.bottom = frame.top + kBoxSize;
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(index) ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE);
    ::DrawFrameControl(dc, &frame, DFC_BUTTON, state);

    int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    ::FillRect(dc, &text, ::GetSysColorBrush(background));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT label = text;
    label.left += 2;
    std::wstring line = GetText(index);
    ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &label,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(dc, &text);
    return TRUE;
}
