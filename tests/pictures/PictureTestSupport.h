#pragma once
// Shared by the picture tests: a fresh global state with the settings store
// open, folders of theme libraries copied from bin/theme_cases, and pixels
// read back from a window.
#include "base/VerbsGlobals.h"
#include "pictures/PictureThemes.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace picturetest {

// The theme libraries that tests/picture_module builds.
inline std::wstring ThemeCase(const wchar_t* name)
{
    return testutil::ExecutableFolder() + L"\\theme_cases\\" + name + L".dll";
}

// A new empty folder in the temporary folder, removed with its files; the
// libraries loaded from it must be freed first (a loaded file cannot be
// deleted), or the test fails.
class ThemeFolder {
public:
    ThemeFolder()
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        for (int i = 0; path_.empty(); ++i) {
            std::wstring candidate = std::wstring(temp) + L"verbs-themes-" + std::to_wstring(::GetCurrentProcessId()) +
                                     L"-" + std::to_wstring(i);
            if (::CreateDirectoryW(candidate.c_str(), nullptr))
                path_ = candidate;
        }
    }
    ~ThemeFolder()
    {
        for (const std::wstring& file : files_)
            ::DeleteFileW((path_ + L"\\" + file).c_str());
        EXPECT_TRUE(::RemoveDirectoryW(path_.c_str()) || ::GetFileAttributesW(path_.c_str()) == INVALID_FILE_ATTRIBUTES)
            << "left behind: " << path_;
    }
    ThemeFolder(const ThemeFolder&) = delete;
    ThemeFolder& operator=(const ThemeFolder&) = delete;

    // Copies a library of bin/theme_cases (or any file) in under the given name.
    void Add(const std::wstring& source, const std::wstring& fileName)
    {
        ASSERT_TRUE(::CopyFileW(source.c_str(), (path_ + L"\\" + fileName).c_str(), FALSE)) << fileName.c_str();
        files_.push_back(fileName);
    }
    void Write(const std::wstring& fileName, const std::string& bytes)
    {
        testutil::WriteFileBytes(PathOf(fileName), bytes);
        files_.push_back(fileName);
    }
    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::wstring& fileName) const { return path_ + L"\\" + fileName; }

    // The "*.dll" files of the folder in the order the file system lists them.
    std::vector<std::wstring> Listing() const
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((path_ + L"\\*.dll").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do
            names.push_back(found.cFileName);
        while (::FindNextFileW(search, &found));
        ::FindClose(search);
        return names;
    }

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// A fresh global state whose store is open at the program's settings key,
// which starts empty. Libraries loaded by a test are freed at its end, then
// the folders made with NewFolder() are removed.
class PictureFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::DeleteSettingsKey();
        globals = std::make_unique<CVerbsGlobals>();
        Profile::RegProfile& store = globals->m_profile;
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"Verbs");
    }
    void TearDown() override
    {
        globals->FreePictureThemes();
        globals.reset();
        folders_.clear();
    }

    ThemeFolder& NewFolder()
    {
        folders_.push_back(std::make_unique<ThemeFolder>());
        return *folders_.back();
    }

    static std::wstring Setting(const wchar_t* name)
    {
        std::wstring value;
        return testutil::ReadRegString(testutil::kSettingsKey, name, value) ? value : L"<missing>";
    }

    std::unique_ptr<CVerbsGlobals> globals;

private:
    std::vector<std::unique_ptr<ThemeFolder>> folders_;
};

// The client area of a window as it is on screen, row by row.
class WindowPixels {
public:
    explicit WindowPixels(HWND hwnd)
    {
        RECT rc{};
        ::GetClientRect(hwnd, &rc);
        width_ = rc.right;
        height_ = rc.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC window = ::GetDC(hwnd);
        HDC memory = ::CreateCompatibleDC(window);
        HBITMAP bitmap = ::CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width_, height_, window, 0, 0, SRCCOPY);
        ::GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * static_cast<size_t>(height_));
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(hwnd, window);
    }
    COLORREF At(int x, int y) const
    {
        DWORD bgr = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

} // namespace picturetest
