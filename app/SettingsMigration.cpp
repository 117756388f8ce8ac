#include "app/SettingsMigration.h"
#include "app/OldSettingsFile.h"
#include "base/Options.h"
#include "base/PersistedSettings.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"

namespace {

// Values of the settings key: the fingerprint of the shared old settings file
// whose settings this user has (kept for the other accounts), and of this
// user's own copy of it when it was taken over but could not be deleted.
constexpr const wchar_t* kTakenOverNote = L"OldSettingsTakenOver";
constexpr const wchar_t* kVirtualTakenOverNote = L"OldVirtualSettingsTakenOver";

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
    for (const OptionInfo& s : Options())
        g.*s.member = s.Corrected(file.ReadOption(s.name, s.iniDefault), true);
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
