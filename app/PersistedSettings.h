#pragma once
// The nine option settings between runs: reading them at start-up with
// their corrections, and taking over an old Verbs.ini.
#include <string>

// Path of the old settings file: the Windows directory and "\Verbs.ini".
std::wstring OldSettingsFilePath();

// Moves the settings of an old Verbs.ini into the registry and deletes the
// file. False when writing to the registry failed (already reported); the
// file then stays, so nothing is lost and the next start tries again.
bool MigrateIniSettings();

// Reads the nine settings into the global state, writes back defaults for
// missing values and corrections for invalid ones, and creates the group
// store on the first run. False after a reported registry failure.
bool LoadSettings();

// Writes all nine settings from the global state to the registry, in order.
// May throw Profile::RegException.
void SaveAllSettings();
