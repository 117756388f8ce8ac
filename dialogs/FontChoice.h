#pragma once
// The Font command: the user's font and colour for verb texts chosen in the
// system's font chooser, then stored and loaded.
#include "base/UserFont.h"
#include "data/UserFontFile.h"
#include <windows.h>

// Runs the font chooser, starting from the stored choice (or an empty font
// and black); on OK stores the new choice and loads it (a face the file
// cannot name is used for this run only). A choice that cannot be stored is
// reported, and the stored one loaded again. True on OK.
bool ChooseUserFont(HWND owner, const CUserFontFile& file = CUserFontFile());
