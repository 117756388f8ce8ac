#include "app/PersistedSettings.h"
#include "app/OldSettingsFile.h"
#include "app/ReportProfileError.h"
#include "app/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <cstdlib>
#include <string>

namespace {

struct SettingInfo {
    const wchar_t* name;
    int CVerbsGlobals::*member;
    int registryDefault;
    int iniDefault;
};

// Values of the settings key: the fingerprint of the shared old settings file
// whose settings this user has (kept for the other accounts), and of this
// user's own copy of it when it was taken over but could not be deleted.
constexpr const wchar_t* kTakenOverNote = L"OldSettingsTakenOver";
constexpr const wchar_t* kVirtualTakenOverNote = L"OldVirtualSettingsTakenOver";

// In the order in which they are read and written.
const SettingInfo kSettings[] = {
    {L"ShowTranslate", &CVerbsGlobals::ShowTranslate, 1, 1},
    {L"MustLimitTime", &CVerbsGlobals::MustLimitTime, 0, 0},
    {L"LimitTime", &CVerbsGlobals::LimitTime, 10, 10},
    {L"ShowRightAnswer", &CVerbsGlobals::ShowRightAnswer, 1, 1},
    {L"NumWords", &CVerbsGlobals::NumWords, 10, 10},
    {L"OnlyOneForm", &CVerbsGlobals::OnlyOneForm, 0, 1},
    {L"WhichForm", &CVerbsGlobals::WhichForm, 0, 0},
    {L"Language", &CVerbsGlobals::Language, 1, 1},
    {L"MaxAttempt", &CVerbsGlobals::MaxAttempt, 3, 3},
};

bool Is(const SettingInfo& s, int CVerbsGlobals::*member)
{
    return s.member == member;
}

// Range corrections shared by the registry load and the INI migration; the
// value to use instead, or the value itself when it is valid.
int CorrectLimitTime(int v) { return (v == 0 || static_cast<unsigned>(v) > 60u) ? 10 : v; }
int CorrectNumWords(int v) { return (v < 1 || v > kVerbCount) ? 10 : v; }
int CorrectMaxAttempt(int v) { return (v < 1 || v > 10) ? 3 : v; }

// Corrections applied when loading from the registry (the others are taken as stored).
int CorrectLoaded(const SettingInfo& s, int v)
{
    if (Is(s, &CVerbsGlobals::LimitTime))
        return CorrectLimitTime(v);
    if (Is(s, &CVerbsGlobals::NumWords))
        return CorrectNumWords(v);
    if (Is(s, &CVerbsGlobals::MaxAttempt))
        return CorrectMaxAttempt(v);
    return v;
}

// Corrections of the old INI values: also the form and the language.
int CorrectMigrated(const SettingInfo& s, int v)
{
    if (Is(s, &CVerbsGlobals::WhichForm))
        return (v < 0 || v > 2) ? 0 : v;
    if (Is(s, &CVerbsGlobals::Language))
        return (v < 0 || v > 1) ? 1 : v;
    return CorrectLoaded(s, v);
}

std::wstring Decimal(int v)
{
    return std::to_wstring(v);
}

// The stored text of a setting; "" (missing) when the value is absent or not
// text, such as a number a registry editor stored as REG_DWORD.
std::wstring StoredText(Profile::RegProfile& store, const wchar_t* name)
{
    std::optional<DWORD> type = store.ValueType(name);
    if (!type || (*type != REG_SZ && *type != REG_EXPAND_SZ))
        return {};
    return store.GetString(name, L"");
}

} // namespace

namespace {

// Takes over the settings of one old file. The shared file stays where it is
// for the other accounts, and its fingerprint marks it as taken over for this
// one; the user's own copy is deleted, and only noted when that fails.
OldSettings TakeOver(OldSettingsFile& file, const wchar_t* note, bool shared)
{
    switch (file.Examine()) {
    case OldSettingsFile::State::Missing:
        return OldSettings::None;
    case OldSettingsFile::State::Unreadable:
        // Read anyway it would give the old defaults, which would overwrite
        // the settings of the registry.
        AppMessageBox(fw::FormatString1(fw::LoadResString(IDS_OLD_SETTINGS_UNREADABLE), file.Path()));
        return OldSettings::Unreadable;
    case OldSettingsFile::State::Readable:
        break;
    }

    CVerbsGlobals& g = Globals();
    Profile::RegProfile& store = g.m_profile;
    if (store.GetString(note, L"") == file.Fingerprint()) {
        // Taken over at an earlier start; the settings changed since then stay.
        if (!shared)
            file.Delete();
        return OldSettings::TakenOver;
    }
    if (!file.HoldsOptions()) {
        // Only the framework's own profile entries: nothing to take over
        // (read anyway, the old defaults would overwrite the registry).
        file.Delete();
        return OldSettings::None;
    }
    for (const SettingInfo& s : kSettings)
        g.*s.member = CorrectMigrated(s, file.ReadOption(s.name, s.iniDefault));
    try {
        SaveAllSettings();
        if (shared) {
            store.SetString(note, file.Fingerprint());
        } else if (!file.Delete()) {
            store.SetString(note, file.Fingerprint());
            AppMessageBox(fw::FormatString1(fw::LoadResString(IDS_OLD_SETTINGS_NOT_DELETED), file.Path()));
        }
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return OldSettings::WriteFailed;
    }
    return OldSettings::TakenOver;
}

// A file without settings of the old version (the framework's own profile)
// may always go.
void DeleteIfWithoutSettings(OldSettingsFile& file)
{
    if (file.Examine() == OldSettingsFile::State::Readable && !file.HoldsOptions())
        file.Delete();
}

} // namespace

OldSettings MigrateIniSettings()
{
    // An older version that could not write the Windows folder read and
    // wrote the user's copy in the VirtualStore instead, wherever it was.
    OldSettingsFile own = OldSettingsFile::VirtualCopy();
    OldSettingsFile shared;
    if (own.Examine() == OldSettingsFile::State::Missing)
        return TakeOver(shared, kTakenOverNote, true);
    OldSettings result = TakeOver(own, kVirtualTakenOverNote, false);
    if (result != OldSettings::TakenOver && result != OldSettings::None)
        return result;
    // What the shared file holds now was hidden from this user's older
    // version: it is not taken over at a later start either.
    if (shared.Examine() == OldSettingsFile::State::Readable) {
        try {
            Globals().m_profile.SetString(kTakenOverNote, shared.Fingerprint());
        } catch (const Profile::RegException& e) {
            ReportProfileError(e);
            return OldSettings::WriteFailed;
        }
    }
    return result;
}

void RemoveOldSettingsFile(OldSettings migration)
{
    // The shared file stays while it holds settings, for the other accounts;
    // either file goes when it holds none.
    OldSettingsFile shared, own = OldSettingsFile::VirtualCopy();
    DeleteIfWithoutSettings(shared);
    DeleteIfWithoutSettings(own);
    // The user's own copy goes once its settings are in the registry (a run
    // that never looked at it, or a copy that came during the run, stays).
    if (migration == OldSettings::TakenOver && own.Examine() == OldSettingsFile::State::Readable &&
        Globals().m_profile.GetString(kVirtualTakenOverNote, L"") == own.Fingerprint())
        own.Delete();
}

void SaveAllSettings()
{
    CVerbsGlobals& g = Globals();
    for (const SettingInfo& s : kSettings)
        g.m_profile.SetString(s.name, Decimal(g.*s.member));
}

bool LoadSettings()
{
    CVerbsGlobals& g = Globals();
    try {
        for (const SettingInfo& s : kSettings) {
            std::wstring text = StoredText(g.m_profile, s.name);
            if (text.empty()) {
                g.m_profile.SetString(s.name, Decimal(s.registryDefault));
                continue; // the member keeps its initial value, which is that default
            }
            int v = static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
            int corrected = CorrectLoaded(s, v);
            g.*s.member = corrected;
            if (corrected != v)
                g.m_profile.SetString(s.name, Decimal(corrected));
        }
        VerbGroups::EnsureVerbGroups(g.m_profile, fw::ResourceModule());
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return false;
    }
    return true;
}
