#include "base/UserFont.h"
#include "base/VerbsGlobals.h"

void UseUserFont(const LOGFONTW& font, COLORREF colour)
{
    CVerbsGlobals& g = Globals();
    g.m_clrUserFont = colour;
    g.m_userFont.reset(::CreateFontIndirectW(&font));
}

void LoadUserFont(const CUserFontFile& file)
{
    std::optional<UserFontRecord> record = file.Read();
    if (record)
        UseUserFont(WideLogFont(record->logFont), record->colour);
}

