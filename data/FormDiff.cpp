#include "data/FormDiff.h"
#include <algorithm>

namespace {

void Append(std::vector<MarkedPiece>& pieces, wchar_t c, bool differs)
{
    if (pieces.empty() || pieces.back().differs != differs)
        pieces.push_back({std::wstring(), differs});
    pieces.back().text += c;
}

void AppendText(std::vector<MarkedPiece>& pieces, const std::wstring& text)
{
    for (wchar_t c : text)
        Append(pieces, c, false);
}

// The variants of a stored form as [start, end) ranges within it, the way
// the answer check splits them: at ";", one blank after it skipped.
std::vector<std::pair<size_t, size_t>> Variants(const std::wstring& stored)
{
    std::vector<std::pair<size_t, size_t>> ranges;
    size_t start = 0;
    for (;;) {
        size_t end = stored.find(L';', start);
        ranges.push_back({start, end == std::wstring::npos ? stored.size() : end});
        if (end == std::wstring::npos)
            return ranges;
        start = end + 1;
        if (start < stored.size() && stored[start] == L' ')
            ++start;
    }
}

// The variant of a stored form with the fewest letters to change into the
// typed text, the first of equals.
std::pair<size_t, size_t> NearestVariant(const std::wstring& typed, const std::wstring& stored)
{
    const auto variants = Variants(stored);
    size_t nearest = 0;
    int best = -1;
    for (size_t k = 0; k < variants.size(); ++k) {
        int distance = EditDistance(typed, stored.substr(variants[k].first, variants[k].second - variants[k].first));
        if (best < 0 || distance < best) {
            best = distance;
            nearest = k;
        }
    }
    return variants[nearest];
}

// Which letters of each side lie outside one longest common subsequence of
// the two (letter case counts).
struct Alignment {
    std::vector<bool> correctDiffers;
    std::vector<bool> typedDiffers;
};

Alignment Align(const std::wstring& typed, const std::wstring& correct)
{
    // Longest common subsequence table over the suffixes.
    const size_t n = correct.size(), m = typed.size();
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            lcs[i][j] = correct[i] == typed[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    Alignment result{std::vector<bool>(n, true), std::vector<bool>(m, true)};
    size_t i = 0, j = 0;
    while (i < n && j < m) {
        if (correct[i] == typed[j] && lcs[i][j] == lcs[i + 1][j + 1] + 1) {
            result.correctDiffers[i++] = false;
            result.typedDiffers[j++] = false;
        } else if (lcs[i][j + 1] >= lcs[i + 1][j]) {
            ++j; // a letter only the typed text has
        } else {
            ++i; // a letter only the correct form has
        }
    }
    return result;
}

std::vector<MarkedPiece> Pieces(const std::wstring& text, const std::vector<bool>& differs)
{
    std::vector<MarkedPiece> pieces;
    for (size_t k = 0; k < text.size(); ++k)
        Append(pieces, text[k], differs[k]);
    return pieces;
}

} // namespace

std::vector<MarkedPiece> MarkDifferences(const std::wstring& typed, const std::wstring& correct)
{
    return Pieces(correct, Align(typed, correct).correctDiffers);
}

std::vector<MarkedPiece> MarkTyped(const std::wstring& typed, const std::wstring& correct)
{
    return Pieces(typed, Align(typed, correct).typedDiffers);
}

std::vector<MarkedPiece> MarkAgainstForm(const std::wstring& typed, const std::wstring& stored)
{
    std::vector<MarkedPiece> pieces;
    if (typed.empty()) {
        AppendText(pieces, stored);
        return pieces;
    }
    const auto nearest = NearestVariant(typed, stored);
    AppendText(pieces, stored.substr(0, nearest.first));
    for (const MarkedPiece& piece : MarkDifferences(typed, stored.substr(nearest.first, nearest.second - nearest.first)))
        for (wchar_t c : piece.text)
            Append(pieces, c, piece.differs);
    AppendText(pieces, stored.substr(nearest.second));
    return pieces;
}

std::vector<MarkedPiece> MarkTypedAgainstForm(const std::wstring& typed, const std::wstring& stored)
{
    const auto nearest = NearestVariant(typed, stored);
    return MarkTyped(typed, stored.substr(nearest.first, nearest.second - nearest.first));
}

std::wstring Bracketed(const std::vector<MarkedPiece>& pieces)
{
    std::wstring text;
    for (const MarkedPiece& piece : pieces)
        text += piece.differs ? L"[" + piece.text + L"]" : piece.text;
    return text;
}

int EditDistance(const std::wstring& a, const std::wstring& b)
{
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}
