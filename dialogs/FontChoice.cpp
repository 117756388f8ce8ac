#include "dialogs/FontChoice.h"
#include "base/Language.h"
#include "base/UserFont.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include <commdlg.h>

bool ChooseUserFont(HWND owner, const CUserFontFile& file)
{
    UserFontRecord record = file.Read().value_or(UserFontRecord{});
    LOGFONTW font = WideLogFont(record.logFont);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    // Screen fonts with effects and colour, starting from the stored font.
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    choose.rgbColors = record.colour;
    if (!::ChooseFontW(&choose))
        return false;
    std::optional<LOGFONTA> narrow = NarrowLogFont(font);
    if (!narrow) {
        // The file cannot name this face (a Greek or Chinese name, say): it
        // serves this run, and the stored choice stays for the next.
        UseUserFont(font, choose.rgbColors);
        return true;
    }
    record.logFont = *narrow;
    record.colour = choose.rgbColors;
    std::wstring inTheWay;
    if (!file.Write(record, &inTheWay)) {
        // The stored choice stays, and is loaded again below.
        AppMessageBox(fw::FormatString1(LoadLangString(IDS_FONT_NOT_SAVED), inTheWay), MB_OK);
    }
    LoadUserFont(file);
    return true;
}
