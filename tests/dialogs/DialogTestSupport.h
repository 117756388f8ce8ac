#pragma once
// Shared by the dialog tests: the program's state with the real store and
// verb table, registry faults on demand, and hands on the dialogs' real
// controls (mouse clicks on list lines, keys through the dialog manager).
// The responder's watchdog fails and closes any dialog a step leaves open.
#include "ModalResponder.h"
#include "TestUtil.h"
#include "base/PersistedSettings.h"
#include "base/VerbsGlobals.h"
#include "data/VerbTableReader.h"
#include "framework/CheckListBox.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "settings/RegistryApi.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace dlgtest {

inline const wchar_t* const kGroupsKey = L"Software\\Tarnik\\Verbs\\Groups";
inline const wchar_t* const kSettingsSection = L"Software\\Tarnik\\Verbs";

inline std::wstring Stored(const wchar_t* key, const std::wstring& name)
{
    std::wstring value;
    return testutil::ReadRegString(key, name, value) ? value : L"<missing>";
}
inline std::wstring Group(const std::wstring& name) { return Stored(kGroupsKey, name); }
inline std::wstring Setting(const std::wstring& name) { return Stored(testutil::kSettingsKey, name); }
inline void PutGroup(const std::wstring& name, const std::wstring& text) { testutil::WriteRegString(kGroupsKey, name, text); }

// Registry faults: while a switch is on, the matching calls fail. Every
// written value name is recorded.
struct Faults {
    static inline bool setValue, deleteValue;
    static inline std::wstring createKeyEndingWith;
    static inline std::vector<std::wstring> written;
    static inline const Profile::RegistryApi* real;

    static LSTATUS WINAPI SetValueEx(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
    {
        written.push_back(name);
        return setValue ? ERROR_ACCESS_DENIED : real->SetValueEx(key, name, reserved, type, data, size);
    }
    static LSTATUS WINAPI DeleteValue(HKEY key, LPCWSTR name)
    {
        return deleteValue ? ERROR_ACCESS_DENIED : real->DeleteValue(key, name);
    }
    static LSTATUS WINAPI CreateKeyEx(HKEY base, LPCWSTR sub, DWORD reserved, LPWSTR cls, DWORD options,
                                      REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disp)
    {
        std::wstring path = sub, end = createKeyEndingWith;
        if (!end.empty() && path.size() >= end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0)
            return ERROR_ACCESS_DENIED;
        return real->CreateKeyEx(base, sub, reserved, cls, options, access, security, result, disp);
    }
};

class FaultyRegistry {
public:
    FaultyRegistry()
    {
        Faults::real = &scope_.Original();
        Faults::setValue = Faults::deleteValue = false;
        Faults::createKeyEndingWith.clear();
        Faults::written.clear();
        scope_->SetValueEx = Faults::SetValueEx;
        scope_->DeleteValue = Faults::DeleteValue;
        scope_->CreateKeyEx = Faults::CreateKeyEx;
    }

private:
    Profile::ScopedRegistryOverride scope_;
};

// The program's state: the settings key with its defaults and first-run
// groups, opened as start-up opens it, and the verb table.
class ProgramState : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        testutil::DeleteSettingsKey();
        globals = std::make_unique<CVerbsGlobals>();
        Store().SetName(L"CURRENT_USER");
        Store().SetSection(L"Software");
        Store().EnterSection(L"Tarnik");
        Store().EnterSection(L"Verbs");
        ASSERT_TRUE(LoadSettings());
        LoadVerbTable(globals->m_verbs, ::GetModuleHandleW(nullptr));
    }
    void TearDown() override
    {
        globals.reset();
        testutil::DeleteSettingsKey();
    }
    Profile::RegProfile& Store() { return globals->m_profile; }
    // Runs a dialog whose first appearance the step handles.
    template <typename Dialog>
    INT_PTR Run(Dialog& dialog, testutil::ModalResponder::Step step)
    {
        responder.Then(std::move(step));
        INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(responder.Verify());
        return result;
    }
    // The text of the last box seen, or of the one `back` boxes before it.
    const std::wstring& Box(size_t back = 0) { return responder.Seen()[responder.Seen().size() - 1 - back].text; }
    // The store is back at the settings key, with the key open for writing.
    void ExpectStoreAtSettingsKey()
    {
        EXPECT_EQ(Store().Section(), kSettingsSection);
        EXPECT_NO_THROW(Store().SetString(L"Probe", L"1"));
        EXPECT_EQ(Setting(L"Probe"), L"1");
    }

    std::unique_ptr<CVerbsGlobals> globals;
    testutil::ModalResponder responder;
};

// ---- Hands on a dialog's controls.
inline HWND Item(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }
inline std::wstring Text(HWND dialog, int id) { return fw::WindowText(Item(dialog, id)); }
inline bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(Item(dialog, id)) != FALSE; }
inline bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline void Press(HWND dialog, int id) { testutil::ModalResponder::Press(dialog, id); }
// An edit's text as typing leaves it (the edit notifies EN_CHANGE).
inline void Type(HWND dialog, int id, const std::wstring& text) { ::SetWindowTextW(Item(dialog, id), text.c_str()); }
inline int FocusId() { return ::GetDlgCtrlID(::GetFocus()); }

inline CCheckListBox& List(HWND dialog)
{
    return *dynamic_cast<CCheckListBox*>(CWnd::FromHandle(Item(dialog, IDC_CHECK_LIST)));
}
// The lines of the check list, a ticked one marked with "*": "a,b*,c".
inline std::wstring Lines(HWND dialog)
{
    std::wstring lines;
    for (int i = 0; i < List(dialog).GetCount(); ++i)
        lines += (i ? L"," : L"") + List(dialog).GetText(i) + (List(dialog).GetCheck(i) ? L"*" : L"");
    return lines;
}
inline int LineOf(HWND dialog, const std::wstring& text)
{
    for (int i = 0; i < List(dialog).GetCount(); ++i)
        if (List(dialog).GetText(i) == text)
            return i;
    return -1;
}

// Runs what the dialog manager would do with the messages now queued.
inline void PumpDialog(HWND dialog)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!::IsWindow(dialog) || !::IsDialogMessageW(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
}
// A mouse click on a line, on its check box or on its text; or a double click.
inline void Click(HWND dialog, int line, bool onBox, bool twice = false)
{
    CCheckListBox& list = List(dialog);
    list.SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(line));
    RECT rc = list.GetItemRect(line);
    int x = rc.left + (onBox ? list.CheckColumnWidth() / 2 : list.CheckColumnWidth() + 10);
    LPARAM at = MAKELPARAM(x, (rc.top + rc.bottom) / 2);
    for (UINT down : {UINT(WM_LBUTTONDOWN), twice ? UINT(WM_LBUTTONDBLCLK) : 0u})
        if (down) {
            list.SendMessage(down, MK_LBUTTON, at);
            list.SendMessage(WM_LBUTTONUP, 0, at);
        }
}
// A key pressed on the focused control, through the dialog manager.
inline void Key(HWND dialog, UINT vk)
{
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, vk, 1);
    ::PostMessageW(::GetFocus(), WM_KEYUP, vk, 0xC0000001);
    PumpDialog(dialog);
}
// Alt and a letter: the dialog manager follows the labels' accelerators.
inline void AltKey(HWND dialog, wchar_t letter)
{
    ::PostMessageW(::GetFocus(), WM_SYSCHAR, letter, 0x20000001);
    PumpDialog(dialog);
}

} // namespace dlgtest
