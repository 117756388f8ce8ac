#pragma once
// The nine option settings, declared once: name (in memory and in the
// registry), defaults, the ranges that corrections keep them in. Loading,
// saving, the migration of old settings and a test's snapshot all walk this
// table.
#include "base/VerbsGlobals.h"
#include "session/TestOptions.h"

struct OptionInfo {
    const wchar_t* name;         // registry value name
    int CVerbsGlobals::*member;  // the global of the same name
    int registryDefault;         // written when the registry lacks the value
    int iniDefault;              // taken when an old Verbs.ini lacks it
};

// In the order in which they are read and written.
extern const OptionInfo kOptions[9];

// The value a setting takes when loaded from the registry: out-of-range
// numbers fall back to their default, the others are taken as stored.
int CorrectLoadedOption(const OptionInfo& option, int value);
// The value a setting of an old Verbs.ini takes: the registry's corrections,
// and also the verb form and the language.
int CorrectMigratedOption(const OptionInfo& option, int value);

// The options as they are set now, for a test that starts.
TestOptions CurrentTestOptions();
