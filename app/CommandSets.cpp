#include "app/CommandSets.h"
#include "app/MainFrame.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

const CommandInfo kCommands[15] = {
    {ID_TEST_START_RU, ID_TEST_START_EN, L"&\u041D\u0430\u0447\u0430\u0442\u044C", L"&Start"},
    {ID_TEST_READY_RU, ID_TEST_READY_EN, L"&\u0413\u043E\u0442\u043E\u0432", L"&Ready"},
    {ID_TEST_SKIP_RU, ID_TEST_SKIP_EN, L"&\u041F\u0440\u043E\u043F\u0443\u0441\u0442\u0438\u0442\u044C", L"S&kip"},
    {ID_TEST_STOP_RU, ID_TEST_STOP_EN, L"\u041F&\u0440\u0435\u043A\u0440\u0430\u0442\u0438\u0442\u044C", L"S&top"},
    {ID_VERBS_LIST_RU, ID_VERBS_LIST_EN,
     L"&\u0421\u043F\u0438\u0441\u043E\u043A \u0433\u043B\u0430\u0433\u043E\u043B\u043E\u0432...", L"&Verbs list..."},
    {ID_APP_EXIT_RU, ID_APP_EXIT_EN, L"&\u0412\u044B\u0445\u043E\u0434", L"E&xit"},
    {ID_OPTIONS_RU, ID_OPTIONS_EN, L"\u041F&\u0430\u0440\u0430\u043C\u0435\u0442\u0440\u044B...", L"&Options..."},
    {ID_FONT_RU, ID_FONT_EN, L"&\u0428\u0440\u0438\u0444\u0442...", L"&Font..."},
    {ID_THEME_RU, ID_THEME_EN, L"&\u0422\u0435\u043C\u0430 \u0440\u0438\u0441\u0443\u043D\u043A\u043E\u0432...",
     L"&Pictures theme..."},
    {ID_USED_GROUPS_RU, ID_USED_GROUPS_EN,
     L"&\u0418\u0441\u043F\u043E\u043B\u044C\u0437\u0443\u0435\u043C\u044B\u0435 \u0433\u0440\u0443\u043F\u043F\u044B...",
     L"&Used groups..."},
    {ID_HELP_CONTENTS_RU, ID_HELP_CONTENTS_EN, L"&\u0421\u043E\u0434\u0435\u0440\u0436\u0430\u043D\u0438\u0435",
     L"&Content"},
    {ID_HELP_LEARN_RU, ID_HELP_LEARN_EN,
     L"&\u0418\u0437\u0443\u0447\u0435\u043D\u0438\u0435 \u0433\u043B\u0430\u0433\u043E\u043B\u043E\u0432",
     L"&Study of verbs"},
    {ID_HELP_TEST_RU, ID_HELP_TEST_EN,
     L"&\u041A\u043E\u043D\u0442\u0440\u043E\u043B\u044C \u0437\u043D\u0430\u043D\u0438\u0439", L"&Knowlege check-up"},
    {ID_HELP_OPTIONS_RU, ID_HELP_OPTIONS_EN,
     L"&\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0430 \u043F\u0430\u0440\u0430\u043C\u0435\u0442\u0440\u043E\u0432",
     L"S&etting mode"},
    {ID_APP_ABOUT_RU, ID_APP_ABOUT_EN, L"&\u041E \u043F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0435...",
     L"&About..."},
};

const ToolbarPosition kToolbarPositions[11] = {
    {0, &kCommands[0]}, {1, &kCommands[1]}, {2, &kCommands[2]},  {3, &kCommands[3]},
    {4, &kCommands[4]}, {5, &kCommands[5]}, {7, &kCommands[6]},  {8, &kCommands[7]},
    {9, &kCommands[8]}, {10, &kCommands[9]}, {12, &kCommands[14]},
};

const PopupInfo kPopups[3] = {
    {L"&\u0422\u0435\u0441\u0442", L"&Test"},
    {L"\u0421&\u0435\u0440\u0432\u0438\u0441", L"&Service"},
    {L"&\u0421\u043F\u0440\u0430\u0432\u043A\u0430", L"&Help"},
};

UINT PairedCommandId(UINT id)
{
    for (const CommandInfo& c : kCommands) {
        if (c.russianId == id)
            return c.englishId;
        if (c.englishId == id)
            return c.russianId;
    }
    return id;
}

namespace {

void BuildMenu(bool english)
{
    CWinApp* app = CWinApp::Current();
    if (!app || !app->m_pMainWnd || !app->m_pMainWnd->IsWindow())
        return;
    HWND frame = app->m_pMainWnd->m_hWnd;
    ::SetWindowTextW(frame, fw::LoadResString(english ? IDS_MAIN_TITLE + 1 : IDS_MAIN_TITLE).c_str());
    ::SendMessageW(frame, WM_LANGUAGE_SWITCH, 0, 0);

    HMENU menu = ::GetMenu(frame);
    if (!menu)
        return;
    for (UINT i = 0; i < 3; ++i) {
        // Only the text changes; the pop-up itself stays the same menu.
        MENUITEMINFOW item{sizeof(item)};
        item.fMask = MIIM_STRING;
        item.dwTypeData = const_cast<wchar_t*>(english ? kPopups[i].englishText : kPopups[i].russianText);
        ::SetMenuItemInfoW(menu, i, TRUE, &item);
    }
    // Items are found by their present id wherever they are.
    for (const CommandInfo& c : kCommands) {
        UINT from = english ? c.russianId : c.englishId;
        UINT to = english ? c.englishId : c.russianId;
        ::ModifyMenuW(menu, from, MF_BYCOMMAND | MF_STRING, to, english ? c.englishText : c.russianText);
    }
    ::SetMenu(frame, menu);
    ::DrawMenuBar(frame);
}

} // namespace

void BuildEnglishMenu()
{
    BuildMenu(true);
}

void BuildRussianMenu()
{
    BuildMenu(false);
}
