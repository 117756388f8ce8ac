#include "data/AnswerCheck.h"

bool IsAnswerCorrect(const std::wstring& typed, const std::wstring& stored)
{
    // An empty field is never right, not even against the empty variant a
    // trailing ";" leaves.
    if (typed.empty())
        return false;
    if (stored.find(L';') == std::wstring::npos)
        return typed == stored;

    // Variants: each ends at the next ";" or at the end of the text; after a
    // ";" one blank is skipped where the table writes one. A form ending in
    // ";" or with no blank after it is still split within the text.
    size_t start = 0;
    for (;;) {
        size_t end = stored.find(L';', start);
        size_t length = (end == std::wstring::npos ? stored.size() : end) - start;
        if (stored.compare(start, length, typed) == 0)
            return true;
        if (end == std::wstring::npos)
            return false;
        start = end + 1;
        if (start < stored.size() && stored[start] == L' ')
            ++start;
    }
}

AnswerMatch MatchAnswer(const VerbRecord& verb, VerbForm form, const std::wstring& typed)
{
    const bool past = form == VerbForm::PastTense;
    if (IsAnswerCorrect(typed, past ? verb.pastTense : verb.pastParticiple))
        return AnswerMatch::TableForm;
    if (IsAnswerCorrect(typed, past ? verb.alsoPastTense : verb.alsoPastParticiple))
        return AnswerMatch::AlsoAccepted;
    return AnswerMatch::Wrong;
}

bool IsAnswerAccepted(const VerbRecord& verb, VerbForm form, const std::wstring& typed)
{
    return MatchAnswer(verb, form, typed) != AnswerMatch::Wrong;
}

bool HasPastParticiple(const VerbRecord& verb)
{
    return verb.infinitive != L"can" && verb.infinitive != L"may";
}
