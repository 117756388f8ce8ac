#pragma once
// Taking over the settings of an old Verbs.ini at start-up, and removing the
// file at the end of the run.

// What start-up found in an old Verbs.ini, and so what the end of the run
// may do with the file.
enum class OldSettings {
    Unexamined,  // start-up did not get that far (or a second copy ran)
    None,        // there was no such file, or one without old settings
    TakenOver,   // its settings are in the registry; the user's own copy may go
    Unreadable,  // it could not be read: kept, the user was told
    WriteFailed, // the registry refused the settings (reported): kept
};

// Moves the settings of an old Verbs.ini into the registry: of this user's
// copy in the VirtualStore when there is one (an older version without rights
// to the Windows folder used that), else of the file in the Windows folder.
// The user's copy is deleted; one that cannot be deleted is noted in the
// store by its content and the user told once. The Windows folder's file is
// shared by every account: it stays, noted by its content, so that every
// account takes it over once. A file is not taken over again until it
// changes. A file without the old settings (the framework's own profile) is
// deleted and nothing taken over.
OldSettings MigrateIniSettings();

// The end of a run: deletes either file when it holds no old settings, and
// the user's copy once its settings are taken over.
void RemoveOldSettingsFile(OldSettings migration);
