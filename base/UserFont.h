#pragma once
// The user's font and colour for verb texts, kept in "verbsfont.sav" and held
// by the global state for the panels and the verbs list created afterwards.
#include "data/UserFontFile.h"
#include <windows.h>

// Replaces the global user font and colour by the stored ones; without a
// sound file they stay as they are.
void LoadUserFont(const CUserFontFile& file = CUserFontFile());

// Makes the given font and colour the global ones, for this run.
void UseUserFont(const LOGFONTW& font, COLORREF colour);
