#pragma once
// Shared by the dialog tests: a program state with the real store and verb
// table, registry faults on demand, and hands for the dialogs' real
// controls (mouse clicks on list lines, keys through the dialog manager).
// The responder's watchdog fails and closes any dialog a step leaves open.
#include "ModalResponder.h"
#include "TestUtil.h"
#include "app/VerbsGlobals.h"
#include "data/VerbTableReader.h"
#include "framework/CheckListBox.h"
#include "framework/Handles.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "app/PersistedSettings.h"
#include "settings/RegistryApi.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace dlgtest {

inline const wchar_t* const kGroupsKey = L"Software\\Tarnik\\Verbs\\Groups";
inline const wchar_t* const kSettingsSection = L"Software\\Tarnik\\Verbs";

// ---- Registry faults: each switch makes the matching calls fail.
struct Faults {
    static inline bool setValue = false;
    static inline bool deleteValue = false;
    static inline std::wstring createKeyEndingWith; // fails opens of such sections
    static inline const Profile::RegistryApi* real = nullptr;
    static inline std::vector<std::wstring> written; // names of the values written, failed or not

    static LSTATUS WINAPI SetValueEx(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
    {
        written.push_back(name ? name : L"");
        return setValue ? ERROR_ACCESS_DENIED : real->SetValueEx(key, name, reserved, type, data, size);
    }
    static LSTATUS WINAPI DeleteValue(HKEY key, LPCWSTR name)
    {
        return deleteValue ? ERROR_ACCESS_DENIED : real->DeleteValue(key, name);
    }
    static LSTATUS WINAPI CreateKeyEx(HKEY base, LPCWSTR sub, DWORD reserved, LPWSTR cls, DWORD options,
                                      REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                                      LPDWORD disposition)
    {
        std::wstring path = sub ? sub : L"";
        const std::wstring& end = createKeyEndingWith;
        if (!end.empty() && path.size() >= end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0)
            return ERROR_ACCESS_DENIED;
        return real->CreateKeyEx(base, sub, reserved, cls, options, access, security, result, disposition);
    }
};

// Installs the faulty entries for its lifetime; all switches start off.
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
    ~FaultyRegistry() { Faults::createKeyEndingWith.clear(); }

private:
    Profile::ScopedRegistryOverride scope_;
};

// ---- The program's state: settings key, group store and verb table.
class ProgramState : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool controls = [] {
            INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS};
            return ::InitCommonControlsEx(&icc) != FALSE;
        }();
        (void)controls;
        testutil::DeleteSettingsKey();
        globals = std::make_unique<CVerbsGlobals>();
        Profile::RegProfile& store = globals->m_profile;
        store.SetName(L"CURRENT_USER");
        store.SetSection(L"Software");
        store.EnterSection(L"Tarnik");
        store.EnterSection(L"Verbs");
        ASSERT_TRUE(LoadSettings()); // the nine defaults and the first-run groups
        LoadVerbTable(globals->m_verbs, ::GetModuleHandleW(nullptr));
    }
    void TearDown() override
    {
        globals.reset();
        testutil::DeleteSettingsKey();
    }

    Profile::RegProfile& Store() { return globals->m_profile; }
    static std::wstring Group(const std::wstring& name)
    {
        std::wstring value;
        return testutil::ReadRegString(kGroupsKey, name, value) ? value : L"<missing>";
    }
    static void PutGroup(const std::wstring& name, const std::wstring& text)
    {
        testutil::WriteRegString(kGroupsKey, name, text);
    }
    static std::wstring Setting(const wchar_t* name)
    {
        std::wstring value;
        return testutil::ReadRegString(testutil::kSettingsKey, name, value) ? value : L"<missing>";
    }
    // The store is back at the settings key, with a key open for writing.
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
// Sets an edit's text as typing would end up (the edit notifies EN_CHANGE).
inline void Type(HWND dialog, int id, const std::wstring& text) { ::SetWindowTextW(Item(dialog, id), text.c_str()); }
inline int FocusId() { return ::GetDlgCtrlID(::GetFocus()); }

inline CCheckListBox& List(HWND dialog)
{
    return *dynamic_cast<CCheckListBox*>(CWnd::FromHandle(Item(dialog, IDC_CHECK_LIST)));
}

struct Line {
    std::wstring text;
    bool checked;
    bool operator==(const Line& o) const { return text == o.text && checked == o.checked; }
};
inline std::ostream& operator<<(std::ostream& os, const Line& line)
{
    return os << fw::Narrow(line.text, CP_UTF8) << (line.checked ? " [x]" : " [ ]");
}

inline std::vector<Line> Lines(HWND dialog)
{
    CCheckListBox& list = List(dialog);
    std::vector<Line> lines;
    for (int i = 0; i < list.GetCount(); ++i)
        lines.push_back({list.GetText(i), list.GetCheck(i)});
    return lines;
}

inline int LineOf(HWND dialog, const std::wstring& text)
{
    CCheckListBox& list = List(dialog);
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetText(i) == text)
            return i;
    ADD_FAILURE() << "no line " << fw::Narrow(text, CP_UTF8);
    return -1;
}

// Runs what the dialog manager would do with the messages now queued.
inline void PumpDialog(HWND dialog)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!::IsWindow(dialog) || !::IsDialogMessageW(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// A mouse click on a line: on its check box, or on its text.
inline void Click(HWND dialog, int line, bool onBox, bool twice = false)
{
    CCheckListBox& list = List(dialog);
    list.SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(line));
    RECT rc = list.GetItemRect(line);
    LPARAM at = MAKELPARAM(onBox ? rc.left + list.CheckColumnWidth() / 2 : rc.left + list.CheckColumnWidth() + 10,
                           (rc.top + rc.bottom) / 2);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    list.SendMessage(WM_LBUTTONUP, 0, at);
    if (twice) {
        list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        list.SendMessage(WM_LBUTTONUP, 0, at);
    }
}

// A key pressed on the focused control, through the dialog manager.
inline void Key(HWND dialog, UINT vk)
{
    HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, vk, 1);
    ::PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    PumpDialog(dialog);
}

// Alt and a letter: the dialog manager follows the labels' accelerators.
inline void AltKey(HWND dialog, wchar_t letter)
{
    ::PostMessageW(::GetFocus(), WM_SYSCHAR, letter, 0x20000001);
    PumpDialog(dialog);
}

} // namespace dlgtest
