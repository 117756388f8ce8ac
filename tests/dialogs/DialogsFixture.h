#pragma once
// The program started for a dialog test: no stored font, a shell that
// records instead of opening, scratch folders for written files, and the
// verbs list's tabs picked as a click would.
#include "../app/AppFixture.h"
#include "data/UserFontFile.h"
#include "framework/Shell.h"
#include "resources/resource.h"
#include "ModalResponder.h"
#include <commctrl.h>
#include <string>
#include <vector>

namespace dialogtest {

constexpr int kTabs = 1047, kList = 1019, kExport = 145; // controls of the verbs list

inline std::vector<std::wstring>& OpenedPaths() // what the shell was asked to open
{
    static std::vector<std::wstring> paths;
    return paths;
}

// A fresh folder below the temporary folder, removed with its files.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        path_ = temp + name;
        Clear();
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Clear(); }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    void Clear()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW(File(L"*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found)) {
            ::SetFileAttributesW(File(found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(File(found.cFileName).c_str());
            ::RemoveDirectoryW(File(found.cFileName).c_str());
        }
        if (search != INVALID_HANDLE_VALUE)
            ::FindClose(search);
        ::RemoveDirectoryW(path_.c_str());
    }
    std::wstring path_;
};

class DialogsTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        RemoveFontFiles();
        savedOpener_ = fw::ShellOpener();
        OpenedPaths().clear();
        fw::ShellOpener() = [](const std::wstring& path) { OpenedPaths().push_back(path); };
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        fw::ShellOpener() = savedOpener_;
        RemoveFontFiles();
    }
    static void RemoveFontFiles()
    {
        for (const std::wstring& path : CUserFontFile().AllPaths())
            ::DeleteFileW(path.c_str());
    }
    // A menu command to the main window, during which exactly `dialogs`
    // dialogs must come and go.
    static bool Command(testutil::ModalResponder& responder, CMainFrame& frame, UINT id, size_t dialogs)
    {
        return responder.ExpectDialogs(dialogs, [&] { frame.SendMessage(WM_COMMAND, id, 0); });
    }

private:
    fw::ShellOpenFunction savedOpener_ = nullptr;
};

inline std::wstring TabText(HWND dialog, int index)
{
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    TabCtrl_GetItem(::GetDlgItem(dialog, kTabs), index, &item);
    return text;
}

// Picks the tab of that title as a click on it would.
inline void ClickTab(HWND dialog, const std::wstring& title)
{
    HWND tabs = ::GetDlgItem(dialog, kTabs);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i)
        if (TabText(dialog, i) == title)
            ::SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(i), 0);
}

} // namespace dialogtest
