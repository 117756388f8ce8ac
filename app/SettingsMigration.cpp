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
// Value of the settings key: the fingerprint of an old settings file that was
// taken over but could not be deleted.
constexpr const wchar_t* kTakenOverNote = L"OldSettingsTakenOver";
} // namespace

OldSettings MigrateIniSettings()
{
    OldSettingsFile file;
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
    if (store.GetString(kTakenOverNote, L"") == file.Fingerprint()) {
        // Taken over at an earlier start that could not delete it; the
        // settings changed since then stay.
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
        if (!file.Delete()) {
            store.SetString(kTakenOverNote, file.Fingerprint());
            AppMessageBox(fw::FormatString1(fw::LoadResString(IDS_OLD_SETTINGS_NOT_DELETED), file.Path()));
        }
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return OldSettings::WriteFailed;
    }
    return OldSettings::TakenOver;
}

void RemoveOldSettingsFile(OldSettings migration)
{
    OldSettingsFile file;
    switch (migration) {
    case OldSettings::TakenOver:
        file.Delete();
        return;
    case OldSettings::Unreadable:
    case OldSettings::WriteFailed:
        return;
    case OldSettings::None:
    case OldSettings::Unexamined:
        // A file that came during the run, or that this run never looked at:
        // only one without settings of the old version may go.
        if (file.Examine() == OldSettingsFile::State::Readable && !file.HoldsOptions())
            file.Delete();
        return;
    }
}
