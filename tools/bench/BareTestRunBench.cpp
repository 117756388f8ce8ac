// The floor of test_run_bench: what the same steps cost a plain Win32
// program under the same system, with none of the program's code. In a
// maximised window, many times over:
//   - Start: make what a test's Start makes (two framed panels, a picture-
//     sized owner-drawn area, a progress bar, ten statics, two edits, two
//     one-button toolbars) and have every pending paint done;
//   - Ready: a plain dialog with a 155 x 119 bitmap, laid out as the result
//     box, shown and closed at once, then the progress bar advanced, the
//     picture area and the next question's texts painted;
// then the windows destroyed (not timed). Prints the median, minimum and
// maximum of each, in the same words as test_run_bench.
//
//   bare_test_run_bench [runs]     (run under Wine or on Windows)
#include "BenchReport.h"
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kDefaultRuns = 201;
constexpr int kPanelWidth = 259;
constexpr int kPanelHeight = 345;
constexpr int kBitmapWidth = 155;
constexpr int kBitmapHeight = 119;
constexpr WORD kPictureId = 1017;
constexpr WORD kTextId = 1016;
const wchar_t* const kPanelClass = L"BarePanel";

int gBoxesClosed = 0;

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wp, lp);
}

// Closes the box the moment it is on screen, as test_run_bench does.
LRESULT CALLBACK CloseBoxAtOnce(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE) {
        wchar_t cls[16] = {};
        ::GetClassNameW(reinterpret_cast<HWND>(wp), cls, 16);
        if (std::wcscmp(cls, L"#32770") == 0) {
            ::PostMessageW(reinterpret_cast<HWND>(wp), WM_COMMAND, IDOK, 0);
            ++gBoxesClosed;
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, HWND parent,
           DWORD exStyle = 0)
{
    return ::CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

HWND OneButtonToolbar(HWND parent, int x, const wchar_t* label)
{
    HWND bar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER,
                                 x, 291, 60, 49, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = 1;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = reinterpret_cast<INT_PTR>(label);
    ::SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    return bar;
}

// The windows of one question, as a test's Start makes them.
struct Question {
    HWND picturePanel = nullptr;
    HWND picture = nullptr;
    HWND progress = nullptr;
    HWND testPanel = nullptr;
    HWND attempt = nullptr;
    HWND infinitive = nullptr;
    HWND translation = nullptr;
    HWND pastTense = nullptr;
    HWND participle = nullptr;
};

Question MakeQuestion(HWND top)
{
    RECT area;
    ::GetClientRect(top, &area);
    const int gap = (area.right - 2 * kPanelWidth) / 3;
    const int y = (area.bottom - kPanelHeight) / 2;
    Question q;
    q.picturePanel = Child(kPanelClass, L"", WS_DLGFRAME, gap, y, kPanelWidth, kPanelHeight, top);
    q.picture = Child(kPanelClass, L"", 0, 5, 5, 243, 303, q.picturePanel);
    q.progress = Child(PROGRESS_CLASSW, L"", 0, 5, 314, 243, 20, q.picturePanel);
    ::SendMessageW(q.progress, PBM_SETRANGE, 0, MAKELPARAM(0, 10));
    q.testPanel = Child(kPanelClass, L"", WS_DLGFRAME, 2 * gap + kPanelWidth, y, kPanelWidth, kPanelHeight, top);
    Child(L"STATIC", L"Current attempt:", 0, 10, 10, 140, 20, q.testPanel);
    q.attempt = Child(L"STATIC", L"", SS_CENTER, 160, 10, 80, 20, q.testPanel);
    Child(L"STATIC", L"Infinitive:", 0, 10, 58, 220, 18, q.testPanel);
    q.infinitive = Child(L"STATIC", L"", 0, 77, 76, 160, 21, q.testPanel, WS_EX_STATICEDGE);
    Child(L"STATIC", L"Past Tense:", 0, 10, 107, 220, 18, q.testPanel);
    q.pastTense = Child(L"EDIT", L"", ES_AUTOHSCROLL, 77, 125, 160, 21, q.testPanel, WS_EX_STATICEDGE);
    Child(L"STATIC", L"Past Participle:", 0, 10, 156, 220, 18, q.testPanel);
    q.participle = Child(L"EDIT", L"", ES_AUTOHSCROLL, 77, 174, 160, 21, q.testPanel, WS_EX_STATICEDGE);
    Child(L"STATIC", L"Translation:", 0, 10, 228, 220, 18, q.testPanel);
    q.translation = Child(L"STATIC", L"", 0, 10, 246, 230, 21, q.testPanel, WS_EX_STATICEDGE);
    OneButtonToolbar(q.testPanel, 60, L"Ready");
    OneButtonToolbar(q.testPanel, 130, L"Skip");
    return q;
}

void ShowNextQuestion(const Question& q, int n)
{
    ::SetWindowTextW(q.infinitive, n % 2 ? L"sit" : L"stand");
    ::SetWindowTextW(q.translation, n % 2 ? L"\x0441\x0438\x0434\x0435\x0442\x044c" : L"\x0441\x0442\x043e\x044f\x0442\x044c");
    ::SetWindowTextW(q.pastTense, L"");
    ::SetWindowTextW(q.participle, L"");
    ::SetWindowTextW(q.attempt, L"- 1 -");
    ::SetFocus(q.pastTense);
}

void PaintNow(HWND top)
{
    ::RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// An in-memory dialog template laid out as the result box: a bitmap static,
// a bordered centred text and an OK button, 238 x 87 dialog units.
class BoxTemplate {
public:
    BoxTemplate()
    {
        DLGTEMPLATE dialog{};
        dialog.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.cdit = 3;
        dialog.cx = 238;
        dialog.cy = 87;
        Append(&dialog, sizeof(dialog));
        Words({0, 0}); // no menu, the standard class
        Text(L"Lexoria");
        Words({8});
        Text(L"MS Sans Serif");
        Item(SS_BITMAP | SS_REALSIZEIMAGE, 7, 7, 103, 73, kPictureId, 0x0082, L"");
        Item(SS_CENTER | WS_BORDER | WS_GROUP, 124, 7, 107, 34, kTextId, 0x0082, L"");
        Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 181, 66, 50, 14, IDOK, 0x0080, L"OK");
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()); }

private:
    void Append(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    void Words(std::initializer_list<WORD> words)
    {
        for (WORD w : words)
            Append(&w, sizeof(w));
    }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const wchar_t* text)
    {
        m_bytes.resize((m_bytes.size() + 3) & ~static_cast<size_t>(3)); // items start on a DWORD
        DLGITEMTEMPLATE item{};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof(item));
        Words({0xFFFF, atom});
        Text(text);
        Words({0}); // no creation data
    }

    std::vector<BYTE> m_bytes;
};

// A 155 x 119 picture of 256 colours, as the result box's bitmaps are.
HBITMAP MakeBoxBitmap()
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = kBitmapWidth;
    info.header.biHeight = kBitmapHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i)
        info.colours[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                        nullptr, 0);
    if (bitmap && bits) {
        const int stride = (kBitmapWidth + 3) & ~3;
        auto* row = static_cast<BYTE*>(bits);
        for (int y = 0; y < kBitmapHeight; ++y)
            for (int x = 0; x < kBitmapWidth; ++x)
                row[y * stride + x] = static_cast<BYTE>(x + y);
    }
    return bitmap;
}

struct BoxParts {
    HBITMAP bitmap;
    const wchar_t* text;
};

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto* parts = reinterpret_cast<const BoxParts*>(lp);
        ::SetDlgItemTextW(dialog, kTextId, parts->text);
        ::SendDlgItemMessageW(dialog, kPictureId, STM_SETIMAGE, IMAGE_BITMAP,
                              reinterpret_cast<LPARAM>(parts->bitmap));
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            ::EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kPanelClass;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
    HWND top = ::CreateWindowExW(0, kPanelClass, L"bare", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, 0,
                                 CW_USEDEFAULT, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ::ShowWindow(top, SW_SHOWMAXIMIZED);
    PumpPending();
    PaintNow(top);
    const BoxTemplate box;
    const BoxParts parts{MakeBoxBitmap(), L"\nWell done!"};
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, CloseBoxAtOnce, nullptr, ::GetCurrentThreadId());

    LARGE_INTEGER frequency, t0, t1;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> start, ready;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        ::QueryPerformanceCounter(&t0);
        Question q = MakeQuestion(top);
        ShowNextQuestion(q, i);
        PaintNow(top);
        ::QueryPerformanceCounter(&t1);
        start.push_back(bench::Milliseconds(t0, t1, frequency));

        const int boxes = gBoxesClosed;
        ::QueryPerformanceCounter(&t0);
        ::DialogBoxIndirectParamW(wc.hInstance, box.get(), top, BoxProc, reinterpret_cast<LPARAM>(&parts));
        ::SendMessageW(q.progress, PBM_SETPOS, 1, 0);
        ::InvalidateRect(q.picture, nullptr, TRUE); // the uncovered cells
        ShowNextQuestion(q, i + 1);
        PaintNow(top);
        ::QueryPerformanceCounter(&t1);
        ready.push_back(bench::Milliseconds(t0, t1, frequency));
        if (gBoxesClosed != boxes + 1)
            ++failures;

        ::DestroyWindow(q.picturePanel);
        ::DestroyWindow(q.testPanel);
        PumpPending();
    }
    ::UnhookWindowsHookEx(hook);
    ::DeleteObject(parts.bitmap);
    ::DestroyWindow(top);

    std::printf("runs that went wrong: %d\n", failures);
    bench::PrintMilliseconds("Start command to the first question on screen", start);
    bench::PrintMilliseconds("Ready with its box closed at once to the next question", ready);
    return failures == 0 ? 0 : 1;
}
