#pragma once
// The option settings, declared once: each with its name (in memory and in
// the registry), defaults, range and control in the options dialog. The
// global state, loading, saving, the migration of old settings, the options
// dialog and a test's snapshot of the options all walk this table.
#include "base/DialogTexts.h"
#include "base/VerbsGlobals.h"
#include "session/TestOptions.h"
#include <array>

// When a value outside the option's range falls back to its default.
enum class Correction {
    None,        // taken as stored
    OnMigration, // only a value of an old Verbs.ini (the INI default)
    Always,      // also one loaded from the registry (the registry default)
};

// How the options dialog shows an option.
enum class OptionControl {
    Check,  // a check box: checked is 1
    Number, // a read-only number edit with its up-down control
    Choice, // radio buttons, the value being the index of the checked one
};

// The dialog that shows an option.
enum class OptionDialog {
    Program,  // the options dialog
    Learning, // the learning options dialog
};

struct OptionInfo {
    const wchar_t* name;          // registry value name
    int CVerbsGlobals::*member;   // the global of the same name
    int registryDefault;          // also the global's value before loading
    int iniDefault;               // taken when an old Verbs.ini lacks it
    int low, high;                // range
    Correction correction;
    OptionControl control;
    std::array<int, 3> controlIds; // check box; edit and up-down; the radio buttons (0 for none)
    std::array<DialogText, 3> englishTexts; // of its controls, beside the Russian template's
    int TestOptions::*testField;  // its place in a test's snapshot (null when the test does not use it)
    OptionDialog dialog = OptionDialog::Program;

    // The radio buttons of a choice.
    int ChoiceCount() const;
    // The value a setting takes after its correction (registry or old INI).
    int Corrected(int value, bool fromIni) const;
};

// The table, in the order in which the options are read and written.
struct OptionList {
    const OptionInfo* first;
    const OptionInfo* last;
    const OptionInfo* begin() const { return first; }
    const OptionInfo* end() const { return last; }
};
OptionList Options();

// The option of that registry name, null when there is none.
const OptionInfo* FindOption(const wchar_t* name);

// The options as they are set now, for a test that starts.
TestOptions CurrentTestOptions();
