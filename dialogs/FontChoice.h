#pragma once
// The user's font and colour for verb texts: chosen in the system's font
// chooser, kept in "verbsfont.sav", held by the global state for the panels
// and the verbs list created afterwards.
#include "dialogs/UserFontFile.h"
#include <windows.h>
#include <optional>

// Runs the font chooser, starting from the stored choice (or an empty font
// and black); on OK stores the new choice and loads it (a face the file
// cannot name is used for this run only). A choice that cannot be stored is
// reported, and the stored one loaded again. True on OK.
bool ChooseUserFont(HWND owner, const CUserFontFile& file = CUserFontFile());

// Replaces the global user font and colour by the stored ones; without a
// sound file they stay as they are.
void LoadUserFont(const CUserFontFile& file = CUserFontFile());

// The face name is 8-bit text in the code page of the program's Russian text;
// a face name without an exact form there has no 8-bit font.
LOGFONTW WideLogFont(const LOGFONTA& font);
std::optional<LOGFONTA> NarrowLogFont(const LOGFONTW& font);
