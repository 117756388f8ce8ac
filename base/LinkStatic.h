#pragma once
// The web link of the about box: a click opens the product's page through
// the internet shortcut "verbs.url" beside the program, or where that folder
// cannot be written, in the user's application data; never in the current
// folder, which may be anyone's.
#include "base/FontStatic.h"

class CLinkStatic : public CFontStatic {
public:
    // Name of the shortcut file.
    static constexpr const wchar_t* kShortcutName = L"verbs.url";

protected:
    LRESULT OnLButtonDown(WPARAM wp, LPARAM lp);
    LRESULT OnSetCursor(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()
};

// The web address a shortcut file points at ("" when it has no URL= line).
std::wstring ShortcutUrl(const std::wstring& path);
// Opens the address of the link: through the shortcut, which is made when
// missing; directly when it cannot be made or points somewhere else than a
// web page. The shortcut is the one in the program's folder when it is
// there or can be made there, else the one in the user's folder (made with
// the folder when missing).
void OpenLink(const std::wstring& address, const std::wstring& programFolder, const std::wstring& userFolder);
// The same for the program's own folder and the user's application data.
void OpenLink(const std::wstring& address);
