#pragma once
// The web link of the about box: a click opens the product's page through
// the internet shortcut "verbs.url" in the current folder.
#include "base/FontStatic.h"

class CLinkStatic : public CFontStatic {
public:
    // Name of the shortcut file, in the current folder.
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
// web page.
void OpenLink(const std::wstring& address);
