// No text of the program's dialogs is cut, in either language: each label,
// check box, radio button, group box and button has room for its text in
// the dialog font this machine actually gives (which fonts a machine has
// decides what stands in for the dialogs' font, so widths differ from one
// machine to the next). The test says which font it measured with and how
// many pixels the tightest text has to spare in each language.
#include "DialogTestSupport.h"
#include "app/AboutDlg.h"
#include "base/Language.h"
#include "base/UserFont.h"
#include "dialogs/GroupVerbsDlg.h"
#include "dialogs/GroupsSection.h"
#include "dialogs/InputStringDlg.h"
#include "dialogs/LearningOptionsDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/UsedGroupsDlg.h"
#include "dialogs/VerbsListDlg.h"
#include "framework/Handles.h"
#include "pictures/PictureThemeDlg.h"
#include "view/PictureMessageBox.h"
#include <climits>
#include <cstdio>
#include <cwchar>
#include <set>

using namespace dlgtest;

namespace {

// Pixels a few glyphs draw beyond their advance (a measured fit of a pixel
// or two still shows the last letter cut).
constexpr int kOverhang = 3;

std::wstring ClassOf(HWND control)
{
    wchar_t cls[32] = {};
    ::GetClassNameW(control, cls, 32);
    return cls;
}

// Room for the text besides what the control draws itself.
int Reserved(HWND control)
{
    if (ClassOf(control) != L"Button")
        return kOverhang;
    switch (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX: return 12 + kOverhang;
    case BS_AUTOCHECKBOX:
    case BS_AUTORADIOBUTTON: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4 + kOverhang;
    default: return 6 + kOverhang;
    }
}

// Labels and buttons with a text; pictures, lists and fields hold none of
// their own.
bool HoldsText(HWND control)
{
    std::wstring cls = ClassOf(control);
    if (cls == L"Button")
        return true;
    if (cls != L"Static")
        return false;
    switch (::GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE: return true;
    default: return false;
    }
}

// The tightest text seen in one language: pixels to spare, and where.
struct Tightest {
    int margin = INT_MAX;
    std::string where = "no text measured";
};

struct Survey {
    Tightest& tightest;
    std::string dialog;
    std::set<std::string>& fonts;
};

std::string Utf8(const std::wstring& text) { return fw::Narrow(text, CP_UTF8); }

// A text on one line of the report: its line breaks written as "\n".
std::string OneLine(const std::wstring& text)
{
    std::wstring line;
    for (wchar_t c : text)
        line += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
    return Utf8(line);
}

// "Tahoma, 13 px high, 5 px average width": the face the dialog font became.
std::string FontName(HDC dc)
{
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    return Utf8(face) + ", " + std::to_string(tm.tmHeight) + " px high, " + std::to_string(tm.tmAveCharWidth) +
           " px average width";
}

// Pixels to spare beside a text on one line, which grows to the right.
int SpareWidth(HDC dc, HWND control, const std::wstring& text, const std::string& where)
{
    RECT needed{}, room{};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    ::GetClientRect(control, &room);
    int margin = room.right - (needed.right + Reserved(control));
    EXPECT_GE(margin, 0) << where << ": needed " << needed.right + Reserved(control) << " (text plus reserve), room "
                         << room.right;
    return margin;
}

// Pixels to spare below lines that wrap at the control's width, which grow
// downwards; no word may be wider than the control.
int SpareHeight(HDC dc, HWND control, const std::wstring& text, const std::string& where)
{
    RECT room{};
    ::GetClientRect(control, &room);
    RECT needed{0, 0, room.right - Reserved(control), 0};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_LE(needed.right, room.right - Reserved(control)) << where << ": a word is wider than the control";
    int margin = room.bottom - needed.bottom;
    EXPECT_GE(margin, 0) << where << ": needed " << needed.bottom << " px in height, room " << room.bottom;
    return margin;
}

// The size of a text on one line in the font a window draws with.
SIZE TextSize(HWND window, const std::wstring& text)
{
    fw::WindowDc dc(window);
    fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// A static of more than one line, or with line breaks, wraps its text.
bool Wraps(HDC dc, HWND control, const std::wstring& text)
{
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    RECT room{};
    ::GetClientRect(control, &room);
    return ClassOf(control) == L"Static" && (text.find(L'\n') != std::wstring::npos || room.bottom >= 2 * tm.tmHeight);
}

BOOL CALLBACK MeasureText(HWND control, LPARAM surveyParam)
{
    Survey& survey = *reinterpret_cast<Survey*>(surveyParam);
    std::wstring text;
    for (wchar_t c : fw::WindowText(control))
        if (c != L'&')
            text += c;
    if (text.empty() || !HoldsText(control))
        return TRUE;
    fw::WindowDc dc(control);
    fw::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    survey.fonts.insert(FontName(dc.get()));
    std::string where = std::to_string(::GetDlgCtrlID(control)) + " \"" + OneLine(text) + "\", " + survey.dialog;
    int margin = Wraps(dc.get(), control, text) ? SpareHeight(dc.get(), control, text, where)
                                                 : SpareWidth(dc.get(), control, text, where);
    if (margin < survey.tightest.margin)
        survey.tightest = {margin, where};
    return TRUE;
}

class DialogLayout : public ProgramState {
protected:
    enum Language { kRussian, kEnglish };

    void Measure(HWND dialog, Language language)
    {
        Survey survey{tightest_[language], Utf8(fw::WindowText(dialog)), fonts_};
        ::EnumChildWindows(dialog, MeasureText, reinterpret_cast<LPARAM>(&survey));
    }
    template <typename Dialog>
    void Check(Dialog& dialog, Language language, int englishButton = 0)
    {
        Run(dialog, [this, language, englishButton](HWND d) {
            Measure(d, language);
            if (englishButton) { // the options dialog switches its own texts
                Press(d, englishButton);
                Measure(d, kEnglish);
            }
            Press(d, IDCANCEL);
        });
    }
    void Report() const
    {
        for (const std::string& font : fonts_)
            std::printf("dialog font: %s\n", font.c_str());
        std::printf("tightest margin: ru %d px (%s), en %d px (%s)\n", tightest_[kRussian].margin,
                    tightest_[kRussian].where.c_str(), tightest_[kEnglish].margin, tightest_[kEnglish].where.c_str());
        std::fflush(stdout);
    }

private:
    Tightest tightest_[2];
    std::set<std::string> fonts_;
};

} // namespace

TEST_F(DialogLayout, EveryTextHasRoomInBothLanguages)
{
    for (Language language : {kRussian, kEnglish}) {
        globals->Language = language == kEnglish;
        COptionsDlg options(nullptr);
        Check(options, language, language == kRussian ? IDC_LANGUAGE_ENGLISH : 0);
        CInputStringDlg input(nullptr);
        input.Prompt = fw::LoadResString(language == kEnglish ? IDS_GROUP_NAME : IDS_GROUP_NAME + 1);
        Check(input, language);
        {
            CUsedGroupsDlg groups(Store(), nullptr);
            Check(groups, language);
        } // gives "Groups" back before the members dialog enters it itself
        {
            CGroupsSection section(Store());
            CGroupVerbsDlg members(Store(), L"1-2-3", nullptr);
            Check(members, language);
            EXPECT_EQ(members.Total, 111) << "laid out with the group's own members";
        }
        CAboutDlg about(nullptr);
        Check(about, language);
        CPictureThemeDlg theme(nullptr);
        Check(theme, language);
        CVerbsListDlg verbs(nullptr);
        Check(verbs, language);
        CLearningOptionsDlg learning(nullptr);
        Check(learning, language);
        for (auto [text, bitmap] : {std::pair{IDS_CORRECT_ANSWER, IDB_CORRECT}, {IDS_WRONG_ANSWER, IDB_WRONG},
                                    {IDS_NO_ATTEMPTS, IDB_NO_ATTEMPTS}, {IDS_TIME_OVER, IDB_TIME_OVER}}) {
            CPictureMessageBox box(nullptr, LoadLangString(text), bitmap);
            Check(box, language);
        }
    }
    Report();
}

// The verbs list at this scale, with the default font and with a user font
// of 36 pixels: with the default font four equal columns beside the vertical
// scroll bar and no horizontal one; in the large font every column as wide
// as its title and its longest cell take in the fonts the header and the
// list draw with, the dialog grown for them within the work area.
TEST_F(DialogLayout, TheVerbsListsColumnsFitTheirTexts)
{
    SIZE defaultSize[2] = {};
    for (bool large : {false, true})
    for (Language language : {kRussian, kEnglish}) {
        SCOPED_TRACE(testing::Message() << (large ? "36-pixel font, " : "default font, ")
                                        << (language == kEnglish ? "English" : "Russian"));
        if (large) {
            LOGFONTW font{};
            font.lfHeight = -36;
            font.lfWeight = FW_BOLD;
            font.lfItalic = TRUE;
            font.lfCharSet = RUSSIAN_CHARSET;
            std::wcscpy(font.lfFaceName, L"Tahoma");
            UseUserFont(font, RGB(0, 0, 128));
        }
        globals->Language = language == kEnglish;
        std::vector<int> widths, needed;
        int rowsShown = 0;
        RECT dialog{}, list{}, client{}, tabs{}, ok{};
        CVerbsListDlg verbs(nullptr);
        Run(verbs, [&](HWND d) {
            HWND listView = ::GetDlgItem(d, 1019);
            HWND header = ListView_GetHeader(listView);
            ::GetWindowRect(d, &dialog);
            ::GetWindowRect(listView, &list);
            ::GetClientRect(listView, &client);
            ::GetWindowRect(::GetDlgItem(d, 1047), &tabs);
            ::GetWindowRect(::GetDlgItem(d, IDOK), &ok);
            rowsShown = ListView_GetCountPerPage(listView);
            for (int column = 0; column < Header_GetItemCount(header); ++column) {
                widths.push_back(ListView_GetColumnWidth(listView, column));
                wchar_t title[128] = {};
                HDITEMW item{};
                item.mask = HDI_TEXT;
                item.pszText = title;
                item.cchTextMax = 128;
                Header_GetItem(header, column, &item);
                int width = TextSize(header, title).cx;
                for (const VerbRecord& verb : globals->m_verbs) {
                    const std::wstring* cells[4] = {&verb.infinitive, &verb.pastTense, &verb.pastParticiple,
                                                    &verb.translation};
                    width = std::max(width, static_cast<int>(TextSize(listView, *cells[column & 3]).cx));
                }
                needed.push_back(width);
            }
            Press(d, IDCANCEL);
        });
        ASSERT_EQ(widths.size(), 4u);
        MONITORINFO monitor{sizeof(monitor)};
        ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromRect(&dialog, MONITOR_DEFAULTTONEAREST), &monitor));
        const RECT& work = monitor.rcWork;
        // A dialog grown for the large font grows no further than the work
        // area (at 200 % the dialog of the default font may be wider than a
        // small screen).
        const SIZE size{dialog.right - dialog.left, dialog.bottom - dialog.top};
        if (!large) {
            defaultSize[language] = size;
        } else {
            if (size.cx > defaultSize[language].cx) {
                EXPECT_TRUE(dialog.left >= work.left && dialog.right <= work.right)
                    << "wider than the work area: " << dialog.left << "-" << dialog.right << " of " << work.left
                    << "-" << work.right;
            }
            if (size.cy > defaultSize[language].cy) {
                EXPECT_TRUE(dialog.top >= work.top && dialog.bottom <= work.bottom)
                    << "taller than the work area: " << dialog.top << "-" << dialog.bottom << " of " << work.top
                    << "-" << work.bottom;
            }
        }
        EXPECT_LE(tabs.right, ok.left) << "the tabs reach under the buttons";
        EXPECT_LE(list.right, tabs.right);
        EXPECT_LE(list.bottom, tabs.bottom);
        int total = 0;
        for (int width : widths)
            total += width;
        if (!large) {
            EXPECT_EQ(widths, std::vector<int>(4, widths[0]));
            EXPECT_LE(total, client.right) << "a horizontal scroll bar";
            EXPECT_GE(total, client.right - 8) << "the columns leave the list's width unused";
            continue;
        }
        for (size_t column = 0; column < 4; ++column)
            EXPECT_GE(widths[column], needed[column] + kOverhang) << "column " << column;
        // Wider or taller than the work area, the list scrolls instead.
        if (dialog.right - dialog.left < work.right - work.left) {
            EXPECT_LE(total, client.right) << "a horizontal scroll bar";
        }
        if (dialog.bottom - dialog.top < work.bottom - work.top) {
            EXPECT_GE(rowsShown, 12);
        }
    }
}
