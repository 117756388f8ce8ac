#pragma once
// The option settings between runs: reading them at start-up with their
// corrections, and writing them all.
#include <string>

enum class OptionDialog;

// Reads the option settings into the global state, writes back defaults for
// missing values and corrections for invalid ones, and creates the group
// store on the first run. False after a reported registry failure.
bool LoadSettings();

// Writes all option settings from the global state to the registry, in order.
// May throw Profile::RegException.
void SaveAllSettings();

// Writes the settings of one dialog's options, in order. May throw
// Profile::RegException.
void SaveSettingsOf(OptionDialog dialog);
