#pragma once
// The two command sets of the interface. Every command has a Russian and an
// English id, so that the status-bar prompt and the toolbar tip, looked up
// by id, come out in the language of the menu that sent it.
#include <windows.h>

struct CommandInfo {
    UINT russianId;
    UINT englishId;
    const wchar_t* russianText; // menu item text
    const wchar_t* englishText;
};

// All commands of the menu, in menu order.
extern const CommandInfo kCommands[15];

// A toolbar position and the command of its button.
struct ToolbarPosition {
    int index;
    const CommandInfo* command;
};
extern const ToolbarPosition kToolbarPositions[11];

// The pop-up menus: Russian and English texts.
struct PopupInfo {
    const wchar_t* russianText;
    const wchar_t* englishText;
};
extern const PopupInfo kPopups[3];

// The other id of the same command (itself when it has none).
UINT PairedCommandId(UINT id);

// Switch the main window's title, toolbar ids and menu to one language.
// The language flag must already say which.
void BuildEnglishMenu();
void BuildRussianMenu();
