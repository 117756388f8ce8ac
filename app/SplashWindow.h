#pragma once
// The picture shown over the main window while it comes up: it goes after
// 2.25 seconds or at the first key or mouse press, which it uses up. The
// program's version is written over the picture as it is shown, so that it
// is always the version of the build.
#include "framework/Handles.h"
#include "framework/Wnd.h"

class CSplashWindow : public CWnd {
public:
    // Whether a splash may be shown at all (not when started embedded).
    static void EnableSplash(bool enable);
    // Shows the splash over the parent, unless disabled or already shown.
    // Over a parent that is still hidden, the splash waits for RevealSplash
    // and is not made before.
    static void ShowSplash(HWND parent);
    // Makes and shows a waiting splash now that its parent is on screen, so
    // that it comes up in front of it whatever the window manager.
    static void RevealSplash();
    // First look at every message of the program: true when the splash
    // used it up (a key or button press that closed it).
    static bool FilterSplashMessage(const MSG* msg);
    static CSplashWindow* Current() { return s_current; }

    void HideSplash();

    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimeoutMs = 2250;

protected:
    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    // Draws the splash into a device context the caller gives.
    LRESULT OnPrintClient(WPARAM wp, LPARAM lp);
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    CSplashWindow() = default;
    ~CSplashWindow() override;
    // The one splash over the parent, shown at once or left hidden.
    static void MakeSplash(HWND parent, bool visible);
    BOOL Create(HWND parent, bool visible);
    // The picture and the version line over it.
    void Draw(HDC dc);

    fw::UniqueBitmap m_bitmap;
    fw::UniqueFont m_versionFont;
    HWND m_hOwner = nullptr;

    static bool s_enabled;
    static CSplashWindow* s_current;
    static HWND s_waitingOwner; // the hidden parent a splash waits for
};
