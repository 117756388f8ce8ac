#pragma once
// Facts about the product shown in the about box and written into exported pages.

// The product's web page.
constexpr const wchar_t* kProductWebAddress = L"https://lexoria.example.org/";
// The notice line of the about box.
constexpr const wchar_t* kNoticeLine = L"Copyright \u00A9 2004-2026 Tarnik";
constexpr const wchar_t* kVersion = L"2.0.001";
