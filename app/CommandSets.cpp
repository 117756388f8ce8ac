#include "app/CommandSets.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include <vector>

namespace {

struct CommandIds {
    UINT russian;
    UINT english;
};

fw::UniqueMenu LoadMenuResource(UINT id)
{
    return fw::UniqueMenu(::LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(id)));
}

// The items of two menus of the same shape, side by side.
void PairItems(HMENU russian, HMENU english, std::vector<CommandIds>& pairs)
{
    int count = ::GetMenuItemCount(russian);
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = ::GetSubMenu(russian, i)) {
            PairItems(popup, ::GetSubMenu(english, i), pairs);
            continue;
        }
        UINT id = ::GetMenuItemID(russian, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            pairs.push_back({id, ::GetMenuItemID(english, i)});
    }
}

const std::vector<CommandIds>& CommandTable()
{
    static const std::vector<CommandIds> table = [] {
        std::vector<CommandIds> pairs;
        fw::UniqueMenu russian = LoadMenuResource(IDR_MAINFRAME);
        fw::UniqueMenu english = LoadMenuResource(IDR_ENGLISH_MENU);
        if (russian && english)
            PairItems(russian.get(), english.get(), pairs);
        return pairs;
    }();
    return table;
}

std::wstring ItemText(HMENU menu, UINT item, UINT byWhat)
{
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, item, text, static_cast<int>(std::size(text)), byWhat);
    return text;
}

void BuildMenu(bool english)
{
    CWinApp* app = CWinApp::Current();
    if (!app || !app->m_pMainWnd || !app->m_pMainWnd->IsWindow())
        return;
    HWND frame = app->m_pMainWnd->m_hWnd;
    ::SetWindowTextW(frame, fw::LoadResString(english ? IDS_MAIN_TITLE + 1 : IDS_MAIN_TITLE).c_str());
    ::SendMessageW(frame, WM_LANGUAGE_SWITCH, 0, 0);

    HMENU menu = ::GetMenu(frame);
    // The texts of the language, as its menu resource has them.
    fw::UniqueMenu texts = LoadMenuResource(english ? IDR_ENGLISH_MENU : IDR_MAINFRAME);
    if (!menu || !texts)
        return;
    int popups = ::GetMenuItemCount(texts.get());
    for (int i = 0; i < popups; ++i) {
        // Only the text changes; the pop-up itself stays the same menu.
        std::wstring text = ItemText(texts.get(), static_cast<UINT>(i), MF_BYPOSITION);
        MENUITEMINFOW item{sizeof(item)};
        item.fMask = MIIM_STRING;
        item.dwTypeData = text.data();
        ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    }
    // Items are found by their present id wherever they are.
    for (const CommandIds& c : CommandTable()) {
        UINT from = english ? c.russian : c.english;
        UINT to = english ? c.english : c.russian;
        ::ModifyMenuW(menu, from, MF_BYCOMMAND | MF_STRING, to, ItemText(texts.get(), to, MF_BYCOMMAND).c_str());
    }
    // The items were changed in the frame's own menu. A hidden frame lays
    // its menu bar out when it is first shown; redrawing it before costs a
    // frame change for nothing.
    if (::IsWindowVisible(frame))
        ::DrawMenuBar(frame);
}

} // namespace

UINT CommandIdIn(UINT id, bool english)
{
    for (const CommandIds& c : CommandTable())
        if (c.russian == id || c.english == id)
            return english ? c.english : c.russian;
    return id;
}

void BuildEnglishMenu()
{
    BuildMenu(true);
}

void BuildRussianMenu()
{
    BuildMenu(false);
}
