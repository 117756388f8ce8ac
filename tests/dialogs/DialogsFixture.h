#pragma once
// The program started for a dialog test, with no stored font, a shell that
// records instead of opening, and a scratch folder for written files.
#include "../app/AppFixture.h"
#include "dialogs/UserFontFile.h"
#include "framework/Shell.h"
#include "resources/resource.h"
#include "ModalResponder.h"
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace dialogtest {

// Paths given to the shell instead of opening them.
inline std::vector<std::wstring>& OpenedPaths()
{
    static std::vector<std::wstring> paths;
    return paths;
}

// A fresh folder below the temporary folder, removed with what it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + name;
        Clear();
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        Clear();
        ::RemoveDirectoryW(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    void Clear()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            std::wstring file = File(found.cFileName);
            // Only a read-only mark is taken off (a link's target is left alone).
            DWORD attributes = ::GetFileAttributesW(file.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
                ::SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
            ::DeleteFileW(file.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
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
        CUserFontFile files;
        ::DeleteFileW(files.SystemPath().c_str());
        ::DeleteFileW(files.UserPath().c_str());
    }

    // Sends a menu command to the main window, as a click on the menu would,
    // and requires that exactly `dialogs` dialogs come and go meanwhile.
    static bool Command(testutil::ModalResponder& responder, CMainFrame& frame, UINT id, size_t dialogs)
    {
        return responder.ExpectDialogs(dialogs, [&] { frame.SendMessage(WM_COMMAND, id, 0); });
    }

private:
    fw::ShellOpenFunction savedOpener_ = nullptr;
};

inline std::wstring DialogText(HWND dialog)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(dialog, text, 256);
    return text;
}

} // namespace dialogtest
