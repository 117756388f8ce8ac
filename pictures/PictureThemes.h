#pragma once
// Picture theme libraries: dynamic libraries in the program's folder that
// export the name functions e (English name) and r (Russian name, code page
// 1251) and hold sixteen pictures as resources of type "JPG", ids 129-144.
// They are loaded once per run into the theme list of the global state and
// stay loaded until the program ends.
#include "base/VerbsGlobals.h"
#include <string>

// File name of the theme library shipped with the program, the default theme.
extern const wchar_t* const kShippedThemeFile;
// Settings value that names the current theme's file.
extern const wchar_t* const kLastThemeValue;

// The folder of the program's own file, without a trailing backslash.
std::wstring ProgramFolder();

// The file name of the current theme as stored in "LastLibPict"; when
// missing, the shipped theme's, which is then stored. A store failure is
// reported and the name read so far (or the shipped theme's) is given.
std::wstring StoredThemeFile();

// Loads every theme library of the folder into Globals().m_themes, in the
// order the folder lists them, and makes current the one whose file name is
// exactly current. An empty folder (the program's own could not be found)
// loads nothing.
void LoadPictureThemes(const std::wstring& folder, const std::wstring& current);

// The same with the stored name (StoredThemeFile), read first.
void LoadPictureThemes(const std::wstring& folder);

// The libraries of the program's own folder, as the program loads them once
// start-up has read the stored name.
void LoadProgramPictureThemes(const std::wstring& current);

// Loads one file by its full path; true and the filled entry when it is a
// theme library. Only a file named *.dll whose mapping shows both name
// functions, each in an executable section of the library itself, and
// picture 129 is loaded to run; anything else is unloaded again, and a name
// that cannot be read makes no theme.
bool LoadPictureTheme(const std::wstring& folder, const std::wstring& fileName, PictureTheme& theme);
