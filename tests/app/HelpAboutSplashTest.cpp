// Help pages, the about box with its web link, and the splash window.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "app/AboutDlg.h"
#include "base/HelpTopics.h"
#include "base/LinkStatic.h"
#include "app/MainFrame.h"
#include "data/ProductInfo.h"
#include "app/SplashWindow.h"
#include "framework/CommandLineInfo.h"
#include "framework/Shell.h"
#include "view/VerbsView.h"
#include "VerbsVersion.h"
#include "framework/Handles.h"
#include "resources/resource.h"
#include <commctrl.h>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using testutil::ModalResponder;

namespace {

std::vector<std::wstring> gOpened;
void RecordOpen(const std::wstring& path)
{
    gOpened.push_back(path);
}

// Replaces the shell for the test: nothing starts a browser.
class ShellRecorder {
public:
    ShellRecorder() : saved_(fw::ShellOpener())
    {
        gOpened.clear();
        fw::ShellOpener() = RecordOpen;
    }
    ~ShellRecorder() { fw::ShellOpener() = saved_; }

private:
    fw::ShellOpenFunction saved_;
};

// A fresh folder, current while the test runs (where an older version made
// verbs.url).
class TempCurrentFolder {
public:
    TempCurrentFolder()
    {
        wchar_t buffer[MAX_PATH];
        ::GetCurrentDirectoryW(MAX_PATH, buffer);
        saved_ = buffer;
        ::GetTempPathW(MAX_PATH, buffer);
        folder_ = std::wstring(buffer) + L"verbs_link_test";
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        ::DeleteFileW((folder_ + L"\\verbs.url").c_str());
        ::SetCurrentDirectoryW(folder_.c_str());
    }
    ~TempCurrentFolder()
    {
        ::SetCurrentDirectoryW(saved_.c_str());
        for (const wchar_t* name : {L"user\\Verbs\\verbs.url", L"verbs.url"})
            ::DeleteFileW(File(name).c_str());
        for (const wchar_t* name : {L"user\\Verbs", L"user", L""})
            ::RemoveDirectoryW(File(name).c_str());
    }
    const std::wstring& Path() const { return folder_; }
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }

private:
    std::wstring saved_, folder_;
};

using HelpAboutTest = AppFixture;

} // namespace

TEST_F(HelpAboutTest, HelpCommandsOpenTheirPagesBesideTheProgram)
{
    CMainFrame& frame = Start(1);
    ShellRecorder shell;
    const std::pair<UINT, const wchar_t*> commands[] = {
        {32787, L"verbs"}, {32778, L"verbs"}, {32790, L"verbs_learn"}, {32784, L"verbs_learn"},
        {32791, L"verbs_test"}, {32785, L"verbs_test"}, {32792, L"verbs_options"}, {32786, L"verbs_options"}};
    // In English at the page's English section, in Russian the page itself
    // (its Russian section comes first), whichever command set is used.
    for (int language : {1, 0}) {
        globals->Language = language;
        for (const auto& [id, topic] : commands) {
            gOpened.clear();
            frame.SendMessage(WM_COMMAND, id, 0);
            ASSERT_EQ(gOpened.size(), 1u) << id;
            const std::wstring page = testutil::ExecutableFolder() + L"\\help\\" + topic + L".html";
            EXPECT_EQ(gOpened[0], language ? page + L"#en" : page) << id;
            EXPECT_TRUE(testutil::FileExists(page)) << "the build puts the help pages beside the program";
            std::wstring opened, anchor;
            EXPECT_EQ(fw::SplitPageAnchor(gOpened[0], opened, anchor), language == 1) << "the opener finds the anchor";
        }
    }
}

TEST_F(HelpAboutTest, AnAnchorIsSplitOffOnlyAfterAnExistingPage)
{
    TempCurrentFolder folder;
    const std::wstring page = folder.File(L"page.html");
    testutil::WriteFileBytes(page, "<p>x</p>");
    // A '#' in a folder or file name belongs to the name.
    ::CreateDirectoryW(folder.File(L"C#").c_str(), nullptr);
    const std::wstring inFolder = folder.File(L"C#\\notes.html");
    testutil::WriteFileBytes(inFolder, "<p>y</p>");
    const std::wstring hashName = folder.File(L"a#b.html");
    testutil::WriteFileBytes(hashName, "<p>z</p>");
    const struct {
        std::wstring target;
        bool split;
        std::wstring anchor;
    } cases[] = {
        {page + L"#en", true, L"en"},
        {page + L"#en-toolbar", true, L"en-toolbar"},
        {page, false, L""},
        {page + L"#", false, L""},
        {folder.File(L"missing.html#en"), false, L""},
        {inFolder, false, L""},
        {inFolder + L"#en", true, L"en"},
        {hashName, false, L""},
        {folder.File(L"C#\\missing.html"), false, L""},
    };
    for (const auto& c : cases) {
        std::wstring opened, anchor;
        EXPECT_EQ(fw::SplitPageAnchor(c.target, opened, anchor), c.split) << ::testing::PrintToString(c.target);
        if (c.split) {
            EXPECT_EQ(opened + L"#" + anchor, c.target);
            EXPECT_EQ(anchor, c.anchor);
        }
    }
    ::DeleteFileW(page.c_str());
    ::DeleteFileW(inFolder.c_str());
    ::DeleteFileW(hashName.c_str());
    ::RemoveDirectoryW(folder.File(L"C#").c_str());
}

TEST_F(HelpAboutTest, MissingHelpPageIsReportedWithItsFullPathInEitherLanguage)
{
    Start(1);
    ShellRecorder shell;
    ModalResponder responder;
    std::wstring path = testutil::ExecutableFolder() + L"\\help\\no_such_topic.html";
    EXPECT_TRUE(responder.ExpectDialogs(2, [&] {
        OpenHelpTopic(L"no_such_topic");
        globals->Language = 0;
        OpenHelpTopic(L"no_such_topic");
    }));
    ASSERT_EQ(responder.Seen().size(), 2u);
    EXPECT_EQ(responder.Seen()[0].text, L"Could not open file \"" + path + L"\"");
    EXPECT_EQ(responder.Seen()[0].caption, L"Lexoria");
    EXPECT_EQ(responder.Seen()[1].text, L"\u041D\u0435\u0432\u043E\u0437\u043C\u043E\u0436\u043D\u043E "
                                        L"\u043E\u0442\u043A\u0440\u044B\u0442\u044C \u0444\u0430\u0439\u043B \"" +
                                            path + L"\"");
    EXPECT_TRUE(gOpened.empty());
}

TEST_F(HelpAboutTest, AboutBoxShowsItsTextsInBothLanguages)
{
    CMainFrame& frame = Start(1);
    std::wstring caption, description, version, newest, link;
    COLORREF linkColour = 0;
    auto readAbout = [&](HWND dialog) {
        wchar_t text[256] = {};
        ::GetWindowTextW(dialog, text, 256);
        caption = text;
        description = ModalResponder::ControlText(dialog, 1044);
        version = ModalResponder::ControlText(dialog, 1045);
        newest = ModalResponder::ControlText(dialog, 1046);
        link = ModalResponder::ControlText(dialog, 1031);
        if (auto* linkCtl = dynamic_cast<CLinkStatic*>(CWnd::FromHandle(::GetDlgItem(dialog, 1031))))
            linkColour = linkCtl->TextColor();
        ModalResponder::Press(dialog, IDOK);
    };
    ModalResponder responder;
    responder.Then(readAbout);
    frame.SendMessage(WM_COMMAND, 57666, 0);
    EXPECT_EQ(caption, L"About verbs");
    EXPECT_EQ(description, std::wstring(L"Lexoria learninng knowledge checking program\n\n") + kNoticeLine);
    EXPECT_EQ(version, std::wstring(L"Version ") + VERBS_VERSION_WIDE);
    EXPECT_EQ(newest, L"The newest version is always available at:");
    EXPECT_EQ(link, kProductWebAddress);
    EXPECT_EQ(linkColour, RGB(0, 0, 255));

    globals->Language = 0;
    responder.Then(readAbout);
    frame.SendMessage(WM_COMMAND, 57664, 0);
    EXPECT_EQ(caption, L"\u041E \u043F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0435");
    EXPECT_EQ(version, std::wstring(L"\u0412\u0435\u0440\u0441\u0438\u044F: ") + VERBS_VERSION_WIDE);
    EXPECT_EQ(link, kProductWebAddress);
}

TEST_F(HelpAboutTest, FirstLinkClickWritesTheShortcutAndLaterClicksReuseIt)
{
    TempCurrentFolder folder;
    ShellRecorder shell;
    OpenLink(L"https://first.example.org/", folder.Path(), L"");
    ASSERT_EQ(gOpened.size(), 1u);
    EXPECT_EQ(gOpened[0], folder.File(L"verbs.url"));
    EXPECT_EQ(testutil::ReadFileBytes(folder.File(L"verbs.url")),
              "[InternetShortcut]\r\nURL=https://first.example.org/\r\n");
    // Reused unchanged, whatever the link says now.
    OpenLink(L"https://second.example.org/", folder.Path(), L"");
    EXPECT_EQ(gOpened.back(), folder.File(L"verbs.url"));
    EXPECT_EQ(ShortcutUrl(folder.File(L"verbs.url")), L"https://first.example.org/");
}

TEST_F(HelpAboutTest, PlantedShortcutToAProgramIsNotOpened)
{
    TempCurrentFolder folder;
    ShellRecorder shell;
    testutil::WriteFileBytes(folder.File(L"verbs.url"), "[InternetShortcut]\r\nURL=file:///C:/windows/notepad.exe\r\n");
    OpenLink(kProductWebAddress, folder.Path(), L"");
    ASSERT_EQ(gOpened.size(), 1u);
    EXPECT_EQ(gOpened[0], kProductWebAddress);
}

TEST_F(HelpAboutTest, OnlyTheShortcutSectionOfAPlantedFileCounts)
{
    TempCurrentFolder folder;
    ShellRecorder shell;
    const std::wstring file = folder.File(L"verbs.url");
    // A harmless address in another section first, or in a section whose
    // name only starts like the shortcut's, must not vouch for the program
    // the shell would start.
    for (const char* planted : {"[Other]\r\nURL=https://harmless.example.org/\r\n",
                                "[InternetShortcut]]\r\nURL=https://harmless.example.org/\r\n"}) {
        gOpened.clear();
        testutil::WriteFileBytes(file, std::string(planted) +
                                           "[InternetShortcut]\r\nURL=file:///C:/windows/notepad.exe\r\n");
        EXPECT_EQ(ShortcutUrl(file), L"file:///C:/windows/notepad.exe") << planted;
        OpenLink(kProductWebAddress, folder.Path(), L"");
        ASSERT_EQ(gOpened.size(), 1u);
        EXPECT_EQ(gOpened[0], kProductWebAddress) << planted;
    }

    const struct {
        const char* text;
        const wchar_t* url;
    } cases[] = {
        {"[InternetShortcut]\r\nIconFile=x\r\n[Other]\r\nURL=https://a.example.org/\r\n", L""},
        {"URL=https://a.example.org/\r\n[InternetShortcut]\r\n", L""},
        {" [ internetshortcut ] \n url = \"https://b.example.org/\" \n", L"https://b.example.org/"},
        {"[InternetShortcut]\r\nURL=https://c.example.org/\r\n[InternetShortcut]\r\nURL=file:///x\r\n",
         L"https://c.example.org/"},
    };
    for (const auto& c : cases) {
        testutil::WriteFileBytes(file, c.text);
        EXPECT_EQ(ShortcutUrl(file), c.url) << c.text;
    }
}

TEST_F(HelpAboutTest, ShortcutThatCannotBeWrittenBesideTheProgramGoesToTheUsersFolderOrIsDoneWithout)
{
    TempCurrentFolder folder;
    ShellRecorder shell;
    // A folder of that name takes the place of the file.
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"verbs.url").c_str(), nullptr));
    OpenLink(kProductWebAddress, folder.Path(), L"");
    ::RemoveDirectoryW(folder.File(L"verbs.url").c_str());
    ASSERT_EQ(gOpened.size(), 1u);
    EXPECT_EQ(gOpened[0], kProductWebAddress);

    // A program folder that cannot take it: the user's folder, made for it.
    const std::wstring user = folder.File(L"user\\Verbs");
    OpenLink(kProductWebAddress, folder.File(L"no such folder"), user);
    ASSERT_EQ(gOpened.size(), 2u);
    EXPECT_EQ(gOpened[1], user + L"\\verbs.url");
    EXPECT_EQ(ShortcutUrl(user + L"\\verbs.url"), kProductWebAddress);
    EXPECT_EQ(::GetFileAttributesW(folder.File(L"no such folder").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(HelpAboutTest, LinkClickInTheAboutBoxGoesThroughTheShortcutBesideTheProgramNotInTheCurrentFolder)
{
    // Whoever made the current folder may have left a shortcut in it.
    TempCurrentFolder folder;
    testutil::WriteFileBytes(folder.File(L"verbs.url"), "[InternetShortcut]\r\nURL=https://planted.example.org/\r\n");
    const std::wstring beside = testutil::ExecutableFolder() + L"\\verbs.url";
    ::DeleteFileW(beside.c_str());
    CMainFrame& frame = Start(1);
    ShellRecorder shell;
    ModalResponder responder;
    responder.Then([](HWND dialog) {
        HWND link = ::GetDlgItem(dialog, 1031);
        ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        ModalResponder::Press(dialog, IDOK);
    });
    frame.SendMessage(WM_COMMAND, 57666, 0);
    ASSERT_EQ(gOpened.size(), 1u);
    EXPECT_EQ(gOpened[0], beside);
    EXPECT_EQ(ShortcutUrl(beside), kProductWebAddress);
    EXPECT_EQ(ShortcutUrl(folder.File(L"verbs.url")), L"https://planted.example.org/");
    EXPECT_TRUE(::DeleteFileW(beside.c_str()));
}

TEST_F(HelpAboutTest, SplashGoesAfterItsTimeAndARepaintOfTheWindow)
{
    app->m_arguments.clear(); // a plain start
    Start(1);
    CSplashWindow* splash = CSplashWindow::Current();
    ASSERT_NE(splash, nullptr);
    HWND splashWindow = splash->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(splashWindow));
    EXPECT_EQ(::GetWindow(splashWindow, GW_OWNER), app->m_pMainWnd->m_hWnd);
    RECT rc{};
    ::GetWindowRect(splashWindow, &rc);
    EXPECT_EQ(rc.right - rc.left, 276);
    EXPECT_EQ(rc.bottom - rc.top, 281);
    testutil::PumpMessages(1500);
    EXPECT_NE(CSplashWindow::Current(), nullptr);
    EXPECT_TRUE(testutil::PumpUntil([] { return CSplashWindow::Current() == nullptr; }, 3000));
    EXPECT_FALSE(::IsWindow(splashWindow));
}

// The colours a drawing leaves in a fresh 32-bit picture of the given size.
std::vector<COLORREF> Drawn(int width, int height, const std::function<void(HDC)>& draw)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    fw::UniqueBitmap picture(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!picture || !dc)
        return {};
    {
        fw::SelectedObject selected(dc.get(), picture.get());
        draw(dc.get());
        ::GdiFlush();
    }
    std::vector<COLORREF> colours(static_cast<size_t>(width) * static_cast<size_t>(height));
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = RGB(GetBValue(pixels[i]), GetGValue(pixels[i]), GetRValue(pixels[i])); // stored as BGR
    return colours;
}

TEST_F(HelpAboutTest, SplashWritesTheVersionOfTheBuildUnderThePicturesCards)
{
    app->m_arguments.clear();
    Start(1);
    CSplashWindow* splash = CSplashWindow::Current();
    ASSERT_NE(splash, nullptr);
    constexpr int kWidth = 276, kHeight = 281;
    const std::vector<COLORREF> shown = Drawn(kWidth, kHeight, [&](HDC dc) {
        ::SendMessageW(splash->m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    fw::UniqueBitmap resource(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(resource);
    const std::vector<COLORREF> picture = Drawn(kWidth, kHeight, [&](HDC dc) {
        fw::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        fw::SelectedObject selected(memory.get(), resource.get());
        ::BitBlt(dc, 0, 0, kWidth, kHeight, memory.get(), 0, 0, SRCCOPY);
    });
    ASSERT_EQ(shown.size(), picture.size());

    // The picture leaves the strip under the cards plain paper: no version
    // of its own to clash with the one written over it.
    auto light = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 190; };
    for (int y = 256; y < 276; ++y)
        for (int x = 2; x < kWidth - 2; ++x)
            ASSERT_TRUE(light(picture[static_cast<size_t>(y * kWidth + x)])) << "picture ink at " << x << "," << y;

    // What is written over it: one centred line of text in that strip, in
    // the picture's grey-blue, and nothing anywhere else.
    RECT ink{kWidth, kHeight, 0, 0};
    bool greyBlue = false;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            COLORREF c = shown[static_cast<size_t>(y * kWidth + x)];
            if (c == picture[static_cast<size_t>(y * kWidth + x)])
                continue;
            ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                       std::max<LONG>(ink.bottom, y + 1)};
            greyBlue = greyBlue || (std::abs(GetRValue(c) - 84) < 30 && std::abs(GetGValue(c) - 96) < 30 &&
                                    std::abs(GetBValue(c) - 114) < 30);
        }
    }
    EXPECT_GE(ink.top, 256);
    EXPECT_LE(ink.bottom, 276);
    EXPECT_GE(ink.bottom - ink.top, 6) << "no line of text";
    EXPECT_LE(std::abs(ink.left + ink.right - kWidth), 3) << "not centred: " << ink.left << ".." << ink.right;
    EXPECT_GE(ink.right - ink.left, 50) << "\"Version \" and the version number";
    EXPECT_LE(ink.right - ink.left, 160);
    EXPECT_TRUE(greyBlue);
}

TEST_F(HelpAboutTest, ClickWhileTheSplashShowsOnlyRemovesTheSplash)
{
    app->m_arguments.clear();
    CMainFrame& frame = Start(1);
    ASSERT_NE(CSplashWindow::Current(), nullptr);
    // A click on the About button would open the about box, were it not used up.
    HWND toolbar = frame.ToolBar().m_hWnd;
    RECT button{};
    ::SendMessageW(toolbar, TB_GETITEMRECT, 12, reinterpret_cast<LPARAM>(&button));
    MSG click{toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.left + 5, button.top + 5)};
    ModalResponder responder;
    EXPECT_TRUE(app->PreTranslateMessage(&click));
    EXPECT_EQ(CSplashWindow::Current(), nullptr);
    testutil::PumpMessages(100);
    EXPECT_TRUE(responder.Seen().empty());
    // Without a splash the same message goes its normal way.
    EXPECT_FALSE(app->PreTranslateMessage(&click));
}

TEST_F(HelpAboutTest, EmbeddingSwitchMeansNoSplash)
{
    CCommandLineInfo info;
    const wchar_t* args[] = {L"/Embedding"};
    info.ParseArguments(1, args);
    EXPECT_FALSE(info.m_bShowSplash);
    CCommandLineInfo automation;
    const wchar_t* args2[] = {L"-Automation"};
    automation.ParseArguments(1, args2);
    EXPECT_FALSE(automation.m_bShowSplash);
    CCommandLineInfo plain;
    EXPECT_TRUE(plain.m_bShowSplash);
}
