#include "dialogs/FontChoice.h"
#include "app/Language.h"
#include "app/VerbsGlobals.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "framework/Text.h"
#include <commdlg.h>
#include <cstring>
#include <cwchar>

namespace {
constexpr UINT kFaceNameCodePage = 1251;

template <typename To, typename From>
void CopyMetrics(To& to, const From& from)
{
    to.lfHeight = from.lfHeight;
    to.lfWidth = from.lfWidth;
    to.lfEscapement = from.lfEscapement;
    to.lfOrientation = from.lfOrientation;
    to.lfWeight = from.lfWeight;
    to.lfItalic = from.lfItalic;
    to.lfUnderline = from.lfUnderline;
    to.lfStrikeOut = from.lfStrikeOut;
    to.lfCharSet = from.lfCharSet;
    to.lfOutPrecision = from.lfOutPrecision;
    to.lfClipPrecision = from.lfClipPrecision;
    to.lfQuality = from.lfQuality;
    to.lfPitchAndFamily = from.lfPitchAndFamily;
}
} // namespace

LOGFONTW WideLogFont(const LOGFONTA& font)
{
    LOGFONTW wide{};
    CopyMetrics(wide, font);
    // The face name ends at its zero (the reader made sure there is one).
    int length = static_cast<int>(strnlen(font.lfFaceName, LF_FACESIZE));
    ::MultiByteToWideChar(kFaceNameCodePage, 0, font.lfFaceName, length, wide.lfFaceName, LF_FACESIZE - 1);
    return wide;
}

std::optional<LOGFONTA> NarrowLogFont(const LOGFONTW& font)
{
    LOGFONTA narrow{};
    CopyMetrics(narrow, font);
    std::optional<std::string> face =
        fw::NarrowExactly(std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)), kFaceNameCodePage);
    if (!face || face->size() >= LF_FACESIZE)
        return std::nullopt;
    std::memcpy(narrow.lfFaceName, face->data(), face->size());
    return narrow;
}

namespace {
void UseFont(const LOGFONTW& font, COLORREF colour)
{
    CVerbsGlobals& g = Globals();
    g.m_clrUserFont = colour;
    g.m_userFont.reset(::CreateFontIndirectW(&font));
}
} // namespace

void LoadUserFont(const CUserFontFile& file)
{
    std::optional<UserFontRecord> record = file.Read();
    if (record)
        UseFont(WideLogFont(record->logFont), record->colour);
}

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
        UseFont(font, choose.rgbColors);
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
