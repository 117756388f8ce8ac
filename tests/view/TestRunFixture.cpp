#include "TestRunFixture.h"
#include "base/Language.h"
#include "data/AnswerCheck.h"
#include "data/VerbGroups.h"
#include "resources/resource.h"
#include "session/RandomDraw.h"
#include <ostream>

namespace {

// Any fixed second will do; this one draws no verb without a participle first.
constexpr long long kSeedSeconds = 1700000000;

const UINT kResultBitmaps[] = {IDB_CORRECT, IDB_WRONG, IDB_NO_ATTEMPTS, IDB_TIME_OVER};

// The pixels of a bitmap as 32-bit top-down rows.
std::vector<DWORD> Pixels(HBITMAP bitmap, SIZE& size)
{
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info))
        return {};
    size = {info.bmWidth, info.bmHeight};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = -info.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = ::GetDC(nullptr);
    ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    return pixels;
}

// Which result bitmap of the program the box's picture control shows.
UINT ShownBitmapId(HWND box)
{
    auto shown = reinterpret_cast<HBITMAP>(::SendDlgItemMessageW(box, 1017, STM_GETIMAGE, IMAGE_BITMAP, 0));
    SIZE shownSize{};
    std::vector<DWORD> shownPixels = Pixels(shown, shownSize);
    for (UINT id : kResultBitmaps) {
        auto candidate = static_cast<HBITMAP>(
            ::LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
        SIZE size{};
        bool same = !shownPixels.empty() && Pixels(candidate, size) == shownPixels && size.cx == shownSize.cx;
        ::DeleteObject(candidate);
        if (same)
            return id;
    }
    return 0;
}

} // namespace

void PrintTo(const SeenBox& box, std::ostream* os)
{
    *os << "{" << fw::Narrow(box.caption, CP_UTF8) << " | " << fw::Narrow(box.text, CP_UTF8) << " | bitmap "
        << box.bitmapId << "}";
}

void TestRun::Launch(int language)
{
    Start(language);
    ASSERT_NE(app->m_pMainWnd, nullptr);
    ASSERT_NE(View().m_hWnd, nullptr);
    // The same draws in every run: a test must not pass or fail by the verbs
    // the clock happens to pick (can and may, for one, ask no participle).
    SeedDraws(kSeedSeconds);
}

CVerbsView& TestRun::View()
{
    auto* frame = dynamic_cast<CFrameWnd*>(app->m_pMainWnd);
    auto* view = frame ? dynamic_cast<CVerbsView*>(frame->GetActiveView()) : nullptr;
    if (!view)
        throw std::runtime_error("no view");
    return *view;
}

const TestSession& TestRun::Test()
{
    const TestSession* test = View().RunningTest();
    if (!test)
        throw std::runtime_error("no test runs");
    return *test;
}

void TestRun::Command(UINT id)
{
    app->m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void TestRun::UseOnlyVerbs(const std::vector<std::wstring>& infinitives)
{
    std::vector<int> numbers;
    for (const std::wstring& infinitive : infinitives) {
        int number = 0;
        for (int i = 0; i < kVerbCount && !number; ++i)
            if (globals->m_verbs[static_cast<size_t>(i)].infinitive == infinitive)
                number = i + 1;
        ASSERT_NE(number, 0) << fw::Narrow(infinitive, CP_UTF8);
        numbers.push_back(number);
    }
    ChooseVerbNumbers(numbers);
}

void TestRun::UseOnlyVerbsWithBothForms()
{
    std::vector<int> numbers;
    for (int i = 0; i < kVerbCount; ++i)
        if (HasPastParticiple(globals->m_verbs[static_cast<size_t>(i)]))
            numbers.push_back(i + 1);
    ASSERT_GT(numbers.size(), 3u);
    ChooseVerbNumbers(numbers);
}

void TestRun::ChooseVerbNumbers(const std::vector<int>& numbers)
{
    std::wstring members;
    for (int number : numbers)
        members += std::to_wstring(number) + L";";
    ChooseNoGroup();
    testutil::WriteRegString(std::wstring(testutil::kSettingsKey) + L"\\Groups", L"Chosen", members + L"-1");
}

void TestRun::ChooseNoGroup()
{
    testutil::WriteRegString(std::wstring(testutil::kSettingsKey) + L"\\Groups", L"", L"");
}

void TestRun::Type(const std::wstring& keys)
{
    for (wchar_t key : keys) {
        HWND focus = ::GetFocus();
        ASSERT_NE(focus, nullptr) << "no window has the keyboard focus";
        ::SendMessageW(focus, WM_CHAR, key, 1);
    }
}

const VerbRecord& TestRun::CurrentVerb()
{
    return Test().Verb();
}

std::vector<SeenBox> TestRun::ExpectBoxes(size_t count, const std::function<void()>& action, int closeWith,
                                                 const std::function<void(HWND)>& whileOpen)
{
    std::vector<SeenBox> seen;
    for (size_t i = 0; i < count; ++i) {
        responder.Then([&seen, closeWith, &whileOpen](HWND box) {
            seen.push_back({fw::WindowText(box), fw::WindowText(::GetDlgItem(box, 1016)), ShownBitmapId(box)});
            if (whileOpen)
                whileOpen(box);
            if (closeWith == 0)
                ::SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                testutil::ModalResponder::Press(box, closeWith);
        });
    }
    responder.ExpectDialogs(count, action);
    responder.Verify(); // boxes that never came leave no steps for later ones
    return seen;
}

SeenBox TestRun::Box(UINT textBase, UINT bitmapId) const
{
    return {fw::LoadResString(IsEnglish() ? IDS_APP_TITLE : IDS_TITLE_RU_MESSAGE), LoadLangString(textBase), bitmapId};
}

HWND TestRun::PastTenseField()
{
    CVerbsView& view = View();
    if (!view.PanelsShown() || !view.TestPanel().Answers().HasPastTense())
        return nullptr;
    return view.TestPanel().Answers().PastTenseField().m_hWnd;
}

HWND TestRun::ParticipleField()
{
    CVerbsView& view = View();
    if (!view.PanelsShown() || !view.TestPanel().Answers().HasParticiple())
        return nullptr;
    return view.TestPanel().Answers().ParticipleField().m_hWnd;
}

// Width of a text in the font a window draws with.
int TextWidth(HWND window, const std::wstring& text)
{
    HDC dc = ::GetDC(window);
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (old)
        ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return size.cx;
}

RECT InParent(HWND window)
{
    RECT rc{};
    ::GetWindowRect(window, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}
