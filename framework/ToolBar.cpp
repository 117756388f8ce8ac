#include "framework/ToolBar.h"
#include "framework/BitmapScaling.h"
#include "framework/Dpi.h"
#include "framework/FrameWnd.h"
#include "framework/Text.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

// Command state of one toolbar button; touches the control only on change.
class ToolButtonCmdUI : public CCmdUI {
public:
    // The button is found by its own id, whatever command the routing
    // shows its handlers.
    ToolButtonCmdUI(HWND toolbar, UINT id) : CCmdUI(id), toolbar_(toolbar), button_(id) {}
    void Enable(bool on) override
    {
        bool enabled = ::SendMessageW(toolbar_, TB_ISBUTTONENABLED, button_, 0) != 0;
        if (enabled != on)
            ::SendMessageW(toolbar_, TB_ENABLEBUTTON, button_, MAKELPARAM(on ? TRUE : FALSE, 0));
    }
    void SetCheck(int check) override
    {
        bool checked = ::SendMessageW(toolbar_, TB_ISBUTTONCHECKED, button_, 0) != 0;
        if (checked != (check != 0))
            ::SendMessageW(toolbar_, TB_CHECKBUTTON, button_, MAKELPARAM(check ? TRUE : FALSE, 0));
    }

private:
    HWND toolbar_;
    UINT button_;
};

HBITMAP LoadBitmapResource(UINT bitmapId, UINT loadFlags)
{
    return static_cast<HBITMAP>(
        ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, loadFlags));
}

// The size of a bitmap resource, read from its header: no bitmap is made
// only to be measured.
bool BitmapResourceSize(UINT bitmapId, SIZE& size)
{
    HINSTANCE module = fw::ResourceModule();
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(bitmapId), RT_BITMAP);
    HGLOBAL handle = info ? ::LoadResource(module, info) : nullptr;
    const void* data = handle ? ::LockResource(handle) : nullptr;
    const DWORD length = data ? ::SizeofResource(module, info) : 0;
    DWORD headerSize = 0;
    if (length < sizeof(headerSize))
        return false;
    std::memcpy(&headerSize, data, sizeof(headerSize));
    if (headerSize == sizeof(BITMAPCOREHEADER) && length >= sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core{};
        std::memcpy(&core, data, sizeof(core));
        size = {core.bcWidth, core.bcHeight};
    } else if (headerSize >= sizeof(BITMAPINFOHEADER) && length >= sizeof(BITMAPINFOHEADER)) {
        BITMAPINFOHEADER header{};
        std::memcpy(&header, data, sizeof(header));
        size = {header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight};
    } else {
        return false;
    }
    return size.cx > 0 && size.cy > 0;
}

// A strip of images side by side, each brought to the new size on its own
// so that no image bleeds into its neighbour.
fw::UniqueBitmap ScaleStrip(HBITMAP strip, int count, int width, int height)
{
    fw::PixelImage source = fw::ReadPixels(strip);
    if (source.pixels.empty() || count <= 0)
        return fw::UniqueBitmap();
    int cell = source.width / count;
    fw::PixelImage result;
    result.width = width * count;
    result.height = height;
    result.pixels.resize(static_cast<size_t>(result.width) * height);
    for (int i = 0; i < count; ++i) {
        fw::PixelImage one;
        one.width = cell;
        one.height = source.height;
        for (int y = 0; y < source.height; ++y)
            for (int x = 0; x < cell; ++x)
                one.pixels.push_back(source.At(i * cell + x, y));
        fw::PixelImage scaled = fw::Resample(one, width, height, kTransparent);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                result.pixels[static_cast<size_t>(y) * result.width + i * width + x] = scaled.At(x, y);
    }
    return fw::MakeBitmap(result);
}

// The frame that owns the whole window tree (prompts, command routing).
CFrameWnd* TopFrameOf(HWND hwnd)
{
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandle(::GetAncestor(hwnd, GA_ROOT)));
}

} // namespace

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_REFLECTED(WM_NOTIFY, OnReflectedNotify)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(fw::kDpiChangedAfterParentMessage, OnDpiChanged)
END_MESSAGE_MAP()

CToolBar::~CToolBar()
{
    if (m_images)
        ::ImageList_Destroy(m_images);
}

BOOL CToolBar::CreateEx(HWND parent, DWORD toolbarStyle, DWORD style, DWORD barStyle, UINT id)
{
    m_barStyle = barStyle;
    DWORD controlStyle = style | toolbarStyle | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (barStyle & CBRS_TOOLTIPS)
        controlStyle |= TBSTYLE_TOOLTIPS;
    RECT rc{0, 0, 100, 30};
    if (!CreateControl(0, TOOLBARCLASSNAMEW, L"", controlStyle, rc, parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::SetImages(UINT bitmapId, int imageWidth, int imageHeight, UINT loadFlags)
{
    m_bitmapId = bitmapId;
    m_imageWidth = imageWidth > 0 ? imageWidth : 1;
    m_imageHeight = imageHeight > 0 ? imageHeight : 1;
    m_loadFlags = loadFlags;
    return ApplyScale();
}

BOOL CToolBar::ApplyScale()
{
    if (!m_bitmapId)
        return TRUE;
    const UINT dpi = fw::DpiOf(m_hWnd);
    const int width = fw::Scale(m_imageWidth, dpi), height = fw::Scale(m_imageHeight, dpi);
    // The large drawing serves every size above the resource's own: reduced
    // it stays sharper than the small one enlarged.
    const bool large = m_largeBitmapId && (width > m_imageWidth || height > m_imageHeight);
    fw::UniqueBitmap bitmap(large ? LoadBitmapResource(m_largeBitmapId, LR_CREATEDIBSECTION)
                                  : LoadBitmapResource(m_bitmapId, LR_CREATEDIBSECTION | m_loadFlags));
    if (!bitmap)
        return FALSE;
    BITMAP info{};
    ::GetObjectW(bitmap.get(), sizeof(info), &info);
    const int count = std::max(1, static_cast<int>(info.bmWidth) / (large ? 2 * m_imageWidth : m_imageWidth));
    if (info.bmWidth != count * width || static_cast<int>(std::abs(info.bmHeight)) != height) {
        bitmap = ScaleStrip(bitmap.get(), count, width, height);
        if (!bitmap)
            return FALSE;
    }
    HIMAGELIST images = ::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (!images)
        return FALSE;
    ::ImageList_AddMasked(images, bitmap.get(), kTransparent);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (m_images)
        ::ImageList_Destroy(m_images);
    m_images = images;
    if (m_padButtons) // room around each image, as buttons usually have
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(width + fw::Scale(7, dpi), height + fw::Scale(7, dpi)));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT resourceId)
{
    HINSTANCE module = fw::ResourceModule();
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(RT_TOOLBAR_RESOURCE));
    HGLOBAL handle = info ? ::LoadResource(module, info) : nullptr;
    const WORD* data = handle ? static_cast<const WORD*>(::LockResource(handle)) : nullptr;
    // Layout: version 1, image width, image height, count, then the ids.
    if (!data || ::SizeofResource(module, info) < 8 || data[0] != 1)
        return FALSE;
    int width = data[1], height = data[2], count = data[3];
    if (::SizeofResource(module, info) < static_cast<DWORD>(8 + 2 * count))
        return FALSE;
    m_padButtons = true;
    if (!SetImages(resourceId, width, height, 0))
        return FALSE;

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        b.idCommand = data[4 + i];
        if (b.idCommand == 0) {
            b.fsStyle = BTNS_SEP;
        } else {
            b.iBitmap = image++;
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON;
        }
        b.iString = -1;
        buttons.push_back(b);
    }
    SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    // The buttons take the padded size again: adding them may have changed it.
    return ApplyScale();
}

BOOL CToolBar::SetSingleButton(UINT bitmapId, UINT commandId, const std::wstring& text)
{
    SIZE size{};
    if (!BitmapResourceSize(bitmapId, size) || !SetImages(bitmapId, size.cx, size.cy, LR_LOADMAP3DCOLORS))
        return FALSE;
    std::wstring label = text + L'\0';
    INT_PTR stringIndex = SendMessage(TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(label.c_str()));
    TBBUTTON b{};
    b.iBitmap = 0;
    b.idCommand = static_cast<int>(commandId);
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON;
    b.iString = stringIndex;
    SetWindowText(text);
    return SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b)) != 0;
}

void CToolBar::SetCommandText(UINT commandId, const std::wstring& text)
{
    m_commandTexts[commandId] = text;
}

std::wstring CToolBar::CommandText(UINT commandId) const
{
    auto own = m_commandTexts.find(commandId);
    return own != m_commandTexts.end() ? own->second : fw::LoadResString(commandId);
}

// The command's prompt in the frame's status bar, or its idle text for 0.
void CToolBar::ShowPrompt(UINT commandId)
{
    CFrameWnd* frame = TopFrameOf(m_hWnd);
    if (!frame)
        return;
    m_showingPrompt = commandId != 0;
    if (commandId == 0) {
        frame->ShowCommandPrompt(0);
        return;
    }
    std::wstring text = CommandText(commandId);
    frame->SetMessageText(text.substr(0, text.find(L'\n')));
}

void CToolBar::DropHotItem()
{
    SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(-1));
    if (m_showingPrompt)
        ShowPrompt(0);
}

void CToolBar::SetHeight(int height)
{
    m_height = height;
    // Centre the buttons in the bar.
    DWORD size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    TBMETRICS metrics{sizeof(metrics)};
    metrics.dwMask = TBMF_BARPAD;
    SendMessage(TB_GETMETRICS, 0, reinterpret_cast<LPARAM>(&metrics));
    metrics.cyBarPad = (fw::Scale(height, fw::DpiOf(m_hWnd)) - HIWORD(size)) / 2;
    SendMessage(TB_SETMETRICS, 0, reinterpret_cast<LPARAM>(&metrics));
}

int CToolBar::CalcHeight() const
{
    if (m_height > 0)
        return fw::Scale(m_height, fw::DpiOf(m_hWnd));
    DWORD size = static_cast<DWORD>(::SendMessageW(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
    return HIWORD(size) + 4;
}

int CToolBar::GetCount() const
{
    return static_cast<int>(::SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

UINT CToolBar::GetItemID(int index) const
{
    TBBUTTON b{};
    if (!::SendMessageW(m_hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b)))
        return 0;
    return (b.fsStyle & BTNS_SEP) ? 0 : static_cast<UINT>(b.idCommand);
}

void CToolBar::SetCommandId(int index, UINT id)
{
    SendMessage(TB_SETCMDID, index, id);
}

void CToolBar::UpdateCommandUI(CCmdTarget& target)
{
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        UINT id = GetItemID(i);
        if (id == 0)
            continue;
        ToolButtonCmdUI ui(m_hWnd, id);
        if (!target.OnUpdateCmdMsg(ui))
            ui.Enable(target.HasCommandHandler(id));
    }
}

LRESULT CToolBar::OnReflectedNotify(WPARAM, LPARAM lp)
{
    auto* header = reinterpret_cast<NMHDR*>(lp);
    switch (header->code) {
    case TBN_GETINFOTIPW: {
        // The tip is the text after "\n" in the string of the command id.
        auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(lp);
        std::wstring text = CommandText(static_cast<UINT>(tip->iItem));
        size_t newline = text.find(L'\n');
        text = newline == std::wstring::npos ? std::wstring() : text.substr(newline + 1);
        if (tip->pszText && tip->cchTextMax > 0)
            lstrcpynW(tip->pszText, text.c_str(), tip->cchTextMax);
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        if (!(m_barStyle & CBRS_FLYBY))
            return 0;
        auto* hot = reinterpret_cast<NMTBHOTITEM*>(lp);
        ShowPrompt((hot->dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot->idNew));
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT CToolBar::OnDpiChanged(WPARAM, LPARAM)
{
    ApplyScale();
    if (m_height > 0)
        SetHeight(m_height);
    return Default();
}

LRESULT CToolBar::OnDestroy(WPARAM, LPARAM)
{
    // A bar that goes while the mouse is on a button (its command closed it)
    // hears no leaving: its prompt must not outlive it.
    if (m_showingPrompt)
        ShowPrompt(0);
    return Default();
}
