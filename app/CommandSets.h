#pragma once
// The two command sets of the interface. Every command has a Russian and an
// English id, so that the status-bar prompt and the toolbar tip, looked up
// by id, come out in the language of the menu that sent it. The resources
// declare them: the main menu (Russian) and the English menu list the same
// commands in the same places, which pairs the ids.
#include <windows.h>

// The id of a command in one language (an id of no command stays itself).
UINT CommandIdIn(UINT id, bool english);
// The id a command's handlers are mapped under: its Russian one.
inline UINT CommandOfId(UINT id)
{
    return CommandIdIn(id, false);
}

// Switch the main window's title, toolbar ids and menu to one language.
// The language flag must already say which.
void BuildEnglishMenu();
void BuildRussianMenu();
