// The settings file of older versions through whole runs: what is taken over,
// what is kept, and what the end of a run deletes.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "settings/RegistryApi.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>

using testutil::ModalResponder;

namespace {

LSTATUS WINAPI FailSetValue(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

// Another program holding the old file open: with sharing 0 nobody else may
// read or delete it; with read and write sharing it can be read and
// rewritten, but not deleted.
class HeldFile {
public:
    HeldFile(const std::wstring& path, DWORD share)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (IsOpen())
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    std::string Content() const
    {
        std::string text(4096, '\0');
        DWORD read = 0;
        ::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
        EXPECT_TRUE(::ReadFile(handle_, text.data(), static_cast<DWORD>(text.size()), &read, nullptr));
        text.resize(read);
        return text;
    }
    void Rewrite(const std::string& text)
    {
        DWORD written = 0;
        ::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
        ASSERT_TRUE(::WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
        ASSERT_TRUE(::SetEndOfFile(handle_));
    }

private:
    HANDLE handle_;
};

class OldSettingsRun : public AppFixture {
protected:
    // A fresh application object, as the next start of the program.
    void NextRun()
    {
        CloseProgram();
        app = std::make_unique<CVerbsApp>(VerbsAppParts{NewVerbsView});
        app->m_arguments = {L"/Embedding"};
    }
    static void WriteIni(const std::string& text, const std::wstring& path = IniPath())
    {
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        testutil::WriteFileBytes(path, text);
        ASSERT_TRUE(testutil::FileExists(path));
    }
    static bool Mentions(const testutil::SeenDialog& box, const wchar_t* words, const std::wstring& path = IniPath())
    {
        return box.text.find(words) != std::wstring::npos && box.text.find(path) != std::wstring::npos;
    }
    // A start of the program for another account: its own settings key.
    void NextAccount()
    {
        NextRun();
        testutil::DeleteSettingsKey();
    }
};

} // namespace

TEST_F(OldSettingsRun, FailedTakeOverKeepsTheFileThroughStartAndExit)
{
    WriteIni("[Verbs]\r\nNumWords=25\r\n");
    {
        ModalResponder responder;
        Profile::ScopedRegistryOverride registry;
        registry->SetValueEx = FailSetValue;
        EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_FALSE(app->InitInstance()); }));
        ASSERT_EQ(responder.Seen().size(), 1u);
        EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nKey: ShowTranslate Value:1");
        CloseProgram();
    }
    ASSERT_TRUE(testutil::FileExists(IniPath())) << "the end of the failed run deleted the old settings";
    EXPECT_EQ(testutil::ReadFileBytes(IniPath()), "[Verbs]\r\nNumWords=25\r\n");

    NextRun();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(Setting(L"NumWords"), L"25");
    CloseProgram();
    EXPECT_TRUE(testutil::FileExists(IniPath())) << "kept for the other accounts";
}

TEST_F(OldSettingsRun, UnreadableFileIsNeitherTakenOverNorDeletedAndTheUserIsTold)
{
    WriteIni("[Verbs]\r\nNumWords=25\r\nOnlyOneForm=0\r\n");
    testutil::WriteRegString(testutil::kSettingsKey, L"OnlyOneForm", L"0");
    testutil::WriteRegString(testutil::kSettingsKey, L"NumWords", L"33");
    HeldFile held(IniPath(), 0);
    ASSERT_TRUE(held.IsOpen());
    {
        ModalResponder responder;
        // The program runs on its registry settings.
        EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_TRUE(app->InitInstance()); }));
        ASSERT_EQ(responder.Seen().size(), 1u);
        EXPECT_TRUE(Mentions(responder.Seen()[0], L"cannot be read")) << responder.Seen()[0].text;
        EXPECT_EQ(responder.Seen()[0].caption, L"Lexoria");
        CloseProgram();
    }
    EXPECT_EQ(Setting(L"OnlyOneForm"), L"0") << "the old defaults were written over the registry";
    EXPECT_EQ(Setting(L"NumWords"), L"33");
    EXPECT_EQ(globals->NumWords, 33);
    EXPECT_EQ(held.Content(), "[Verbs]\r\nNumWords=25\r\nOnlyOneForm=0\r\n");
    held.Release();
    EXPECT_TRUE(testutil::FileExists(IniPath()));
}

TEST_F(OldSettingsRun, OwnCopyThatCannotBeDeletedIsTakenOverOnceUntilItChanges)
{
    WriteIni("[Verbs]\r\nNumWords=25\r\n", OwnIniPath());
    HeldFile held(OwnIniPath(), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(held.IsOpen());
    {
        ModalResponder responder;
        EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_TRUE(app->InitInstance()); }));
        EXPECT_EQ(Setting(L"NumWords"), L"25");
        ASSERT_EQ(responder.Seen().size(), 1u);
        EXPECT_TRUE(Mentions(responder.Seen()[0], L"cannot be deleted", OwnIniPath())) << responder.Seen()[0].text;
        CloseProgram();
    }
    ASSERT_TRUE(testutil::FileExists(OwnIniPath()));

    // The user changes the setting; later starts keep the change and say nothing.
    testutil::WriteRegString(testutil::kSettingsKey, L"NumWords", L"12");
    for (int run = 0; run < 2; ++run) {
        NextRun();
        ModalResponder responder;
        EXPECT_TRUE(responder.ExpectNoDialog([&] { EXPECT_TRUE(app->InitInstance()); }));
        EXPECT_EQ(Setting(L"NumWords"), L"12") << "run " << run;
        EXPECT_EQ(globals->NumWords, 12);
        CloseProgram();
    }

    // A changed file is new settings: taken over, and told about once more.
    held.Rewrite("[Verbs]\r\nNumWords=30\r\n");
    NextRun();
    {
        ModalResponder responder;
        EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_TRUE(app->InitInstance()); }));
        EXPECT_EQ(Setting(L"NumWords"), L"30");
    }
    held.Release();
    CloseProgram();
    EXPECT_FALSE(testutil::FileExists(OwnIniPath()));
}

TEST_F(OldSettingsRun, SharedFileIsTakenOverOnceByEveryAccountAndTheUsersOwnCopyComesFirst)
{
    // The older version of this account, without rights to the Windows
    // folder, read and wrote its own copy; the shared file has another's.
    WriteIni("[Verbs]\r\nNumWords=40\r\n");
    WriteIni("[Verbs]\r\nNumWords=25\r\n", OwnIniPath());
    {
        ModalResponder responder;
        EXPECT_TRUE(responder.ExpectNoDialog([&] { EXPECT_TRUE(app->InitInstance()); }));
    }
    EXPECT_EQ(Setting(L"NumWords"), L"25");
    CloseProgram();
    EXPECT_FALSE(testutil::FileExists(OwnIniPath())) << "taken over, like the shared one used to be";
    ASSERT_TRUE(testutil::FileExists(IniPath()));

    // Later starts of this account keep its own settings.
    testutil::WriteRegString(testutil::kSettingsKey, L"NumWords", L"12");
    NextRun();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(Setting(L"NumWords"), L"12");
    CloseProgram();

    // Every other account takes the shared file over once, and keeps it.
    for (int account = 0; account < 2; ++account) {
        NextAccount();
        ASSERT_TRUE(app->InitInstance());
        EXPECT_EQ(Setting(L"NumWords"), L"40") << "account " << account;
        testutil::WriteRegString(testutil::kSettingsKey, L"NumWords", L"7");
        CloseProgram();
        ASSERT_TRUE(testutil::FileExists(IniPath())) << "account " << account;
        NextRun();
        ASSERT_TRUE(app->InitInstance());
        EXPECT_EQ(Setting(L"NumWords"), L"7") << "account " << account;
        CloseProgram();
    }
}

TEST_F(OldSettingsRun, OnlyAFileWithOldSettingsIsTakenOverOrKeptTheFrameworksOwnGoes)
{
    // A start takes nothing over from the framework's own file.
    testutil::WriteRegString(testutil::kSettingsKey, L"OnlyOneForm", L"0");
    testutil::WriteRegString(testutil::kSettingsKey, L"NumWords", L"33");
    WriteIni("[Settings]\r\nPreviewPages=1\r\n");
    {
        ModalResponder responder;
        EXPECT_TRUE(responder.ExpectNoDialog([&] { EXPECT_TRUE(app->InitInstance()); }));
    }
    EXPECT_FALSE(testutil::FileExists(IniPath()));
    EXPECT_EQ(Setting(L"OnlyOneForm"), L"0");
    EXPECT_EQ(Setting(L"NumWords"), L"33");
    NextRun();

    // A second copy ends before the migration: what the file holds decides.
    WriteIni("[Verbs]\r\nNumWords=25\r\n");
    CloseProgram();
    EXPECT_TRUE(testutil::FileExists(IniPath()));

    WriteIni("[Recent File List]\r\nFile1=x\r\n");
    NextRun();
    CloseProgram();
    EXPECT_FALSE(testutil::FileExists(IniPath()));
}
