#pragma once
// The program's one global state object: option settings, the settings
// store, the verb table, the picture themes, the user font and the shared
// GDI objects. Constructed before the application object, destroyed after it.
#include "data/VerbRecord.h"
#include "framework/Handles.h"
#include "settings/RegProfile.h"
#include <string>
#include <vector>

// One loaded picture theme library.
struct PictureTheme {
    std::wstring fileName;    // without folder, as listed
    std::wstring russianName;
    std::wstring englishName;
    fw::UniqueModule library; // loaded until the program ends
};

class CVerbsGlobals {
public:
    CVerbsGlobals();
    ~CVerbsGlobals();
    CVerbsGlobals(const CVerbsGlobals&) = delete;
    CVerbsGlobals& operator=(const CVerbsGlobals&) = delete;

    // Frees every listed theme library (the list keeps the names); no theme
    // is current afterwards.
    void FreePictureThemes();

    // The option settings, at their registry defaults until loaded
    // (base/Options.h declares them).
    int ShowTranslate = 0;
    int MustLimitTime = 0;
    int LimitTime = 0;
    int ShowRightAnswer = 0;
    int NumWords = 0;
    int OnlyOneForm = 0;
    int WhichForm = 0;
    int Language = 0;
    int MaxAttempt = 0;

    // The option of the learning options: weak verbs asked first.
    int WeakVerbsFirst = 0;

    Profile::RegProfile m_profile;
    HCURSOR m_hHandCursor = nullptr;
    fw::UniqueBrush m_brButtonFace;
    HMODULE m_hCurrentTheme = nullptr;
    fw::UniqueFont m_userFont;
    COLORREF m_clrUserFont = 0;
    VerbTable m_verbs;
    std::vector<PictureTheme> m_themes;
};

// The global state object of the running program (or of the test that made one).
CVerbsGlobals& Globals();

// Interface language: 0 Russian, any other value English.
inline bool IsEnglish()
{
    return Globals().Language != 0;
}
