#pragma once
// Where a typed form differs from the correct one, letter by letter, for a
// review of mistakes.
#include <string>
#include <vector>

// A run of letters of one side, the typed text or the correct form: those
// both sides share in order (differs false), or those only this side has,
// missing, extra or other letters in the other's place (differs true).
struct MarkedPiece {
    std::wstring text;
    bool differs = false;
    bool operator==(const MarkedPiece& o) const { return text == o.text && differs == o.differs; }
};

// The correct form in runs, its letters outside a longest common subsequence
// with the typed text marked (letter case counts). Letters only the typed
// text has mark nothing here; MarkTyped marks them on the typed side.
std::vector<MarkedPiece> MarkDifferences(const std::wstring& typed, const std::wstring& correct);

// A stored form ("went", or variants "was; were") in runs: the variant
// nearest to the typed text (fewest letters to change) is marked against it,
// the others and the separators are shown as they are. An empty typed text
// marks nothing.
std::vector<MarkedPiece> MarkAgainstForm(const std::wstring& typed, const std::wstring& stored);

// The runs as plain text, marked letters in brackets: "s[a]ng".
std::wstring Bracketed(const std::vector<MarkedPiece>& pieces);

// The typed text in runs, its letters outside a longest common subsequence
// with the correct form marked: extra letters and wrong ones in a correct
// letter's place.
std::vector<MarkedPiece> MarkTyped(const std::wstring& typed, const std::wstring& correct);

// The typed text in runs, marked against the variant of a stored form
// nearest to it, the one MarkAgainstForm marks.
std::vector<MarkedPiece> MarkTypedAgainstForm(const std::wstring& typed, const std::wstring& stored);

// Letters to insert, delete or replace to turn one text into the other.
int EditDistance(const std::wstring& a, const std::wstring& b);
