#pragma once
// Where a typed form differs from the correct one, letter by letter, for a
// review of mistakes.
#include <string>
#include <vector>

// A run of the correct form's letters: those the typed text has at their
// place (differs false) or lacks or has otherwise (differs true).
struct MarkedPiece {
    std::wstring text;
    bool differs = false;
    bool operator==(const MarkedPiece& o) const { return text == o.text && differs == o.differs; }
};

// The correct form in runs, its letters outside a longest common subsequence
// with the typed text marked (letter case counts). Letters only the typed
// text has mark nothing: the correct form is what is shown.
std::vector<MarkedPiece> MarkDifferences(const std::wstring& typed, const std::wstring& correct);

// A stored form ("went", or variants "was; were") in runs: the variant
// nearest to the typed text (fewest letters to change) is marked against it,
// the others and the separators are shown as they are. An empty typed text
// marks nothing.
std::vector<MarkedPiece> MarkAgainstForm(const std::wstring& typed, const std::wstring& stored);

// The runs as plain text, marked letters in brackets: "s[a]ng".
std::wstring Bracketed(const std::vector<MarkedPiece>& pieces);

// Letters to insert, delete or replace to turn one text into the other.
int EditDistance(const std::wstring& a, const std::wstring& b);
