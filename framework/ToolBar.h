#pragma once
// Toolbar over the common control. Buttons, their command ids and images come
// from a toolbar resource and the bitmap with the same id (magenta is
// transparent). Tooltips and status-bar prompts come from the string resource
// of each button's command id, unless the bar is given a text for the command;
// button states follow the command-update handlers at idle time.
// Images, buttons and the bar's height are given for a 96-DPI screen and
// scaled to the DPI of the bar's window, again when that DPI changes; a
// bitmap drawn at twice the size may stand in for the resource's bitmap on
// larger scales.
#include "framework/ControlBar.h"
#include "framework/Handles.h"
#include <commctrl.h>
#include <map>
#include <string>

// Bar styles.
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
constexpr DWORD CBRS_GRIPPER = 0x0080;
constexpr DWORD CBRS_TOP = 0x1000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
// Resource type of toolbar layouts.
constexpr WORD RT_TOOLBAR_RESOURCE = 241;

class CToolBar : public CControlBar {
public:
    CToolBar() = default;
    ~CToolBar() override;

    // Creates the control; toolbarStyle are TBSTYLE_ flags, barStyle CBRS_ ones.
    BOOL CreateEx(HWND parent, DWORD toolbarStyle, DWORD style, DWORD barStyle, UINT id);
    // Buttons and images from toolbar resource and bitmap of the given id.
    BOOL LoadToolBar(UINT resourceId);
    // One button with the image of a bitmap (the whole bitmap) and a command.
    // The bitmap's light grey takes the button face colour, its greys the
    // matching 3-D colours.
    // The bar's window text becomes the button's text: a screen reader
    // names the bar by it.
    BOOL SetSingleButton(UINT bitmapId, UINT commandId, const std::wstring& text);
    // A bitmap with the same images at twice the size (magenta transparent),
    // used when the images are shown larger than the resource's own; set it
    // before loading the buttons.
    void SetLargeBitmap(UINT bitmapId) { m_largeBitmapId = bitmapId; }
    // Prompt and tip ("prompt\ntip") this bar shows for a command in place of
    // the command's string resource.
    void SetCommandText(UINT commandId, const std::wstring& text);

    // Height of the bar on a 96-DPI screen; the buttons are centred in it.
    void SetHeight(int height);
    DWORD GetBarStyle() const { return m_barStyle; }
    void SetBarStyle(DWORD style) { m_barStyle = style; }
    void EnableDocking(DWORD) {}

    // No button lit any more, and no prompt of one left in the status bar:
    // for a bar hidden while the mouse is on it, which hears no leaving.
    void DropHotItem();

    int GetCount() const;
    UINT GetItemID(int index) const;
    void SetCommandId(int index, UINT id);

    int CalcHeight() const override;
    void UpdateCommandUI(CCmdTarget& target) override;

protected:
    LRESULT OnReflectedNotify(WPARAM wp, LPARAM lp);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);
    LRESULT OnDpiChanged(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    BOOL SetImages(UINT bitmapId, int imageWidth, int imageHeight, UINT loadFlags);
    // The images, button size and bar height for the window's DPI now.
    BOOL ApplyScale();
    std::wstring CommandText(UINT commandId) const;
    void ShowPrompt(UINT commandId);

    DWORD m_barStyle = 0;
    std::map<UINT, std::wstring> m_commandTexts;
    bool m_showingPrompt = false;
    int m_height = 0;          // on a 96-DPI screen
    HIMAGELIST m_images = nullptr;
    UINT m_bitmapId = 0;       // the images' bitmap and their size on a 96-DPI screen
    UINT m_largeBitmapId = 0;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    UINT m_loadFlags = 0;
    bool m_padButtons = false; // room around each image, as a strip's buttons have
};
