#pragma once
#include "VerbsVersion.h"
// Facts about the product shown in the about box and written into exported pages.

// The product's web page.
constexpr const wchar_t* kProductWebAddress = L"https://lexoria.example.org/";
// The notice line of the about box.
constexpr const wchar_t* kNoticeLine = L"Copyright \u00A9 2004-2026 Tarnik";
// The version, as the build writes it from CMakeLists.txt.
constexpr const wchar_t* kVersion = VERBS_VERSION_WIDE;
// The program's folder below the user's application data (as the settings
// key is below the registry's Software key).
constexpr const wchar_t* kUserDataSubfolder = L"Tarnik\\Verbs";
