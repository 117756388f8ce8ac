#pragma once
// Whether a learner's typed form matches a stored form of the verb table.
#include "data/VerbRecord.h"
#include <string>

// A stored form is either one text ("went") or variants separated by ";" and
// a blank ("was; were"). A typed text is correct when it equals the whole
// form, or with variants one whole variant: exactly, letter case and blanks
// included. The whole variant list and an empty text are never correct.
bool IsAnswerCorrect(const std::wstring& typed, const std::wstring& stored);

// The two forms a test asks for.
enum class VerbForm { PastTense, PastParticiple };

// How a typed form was taken: wrong, as a form of the table, or as one of
// the standard forms the verb's record also accepts (a review of mistakes
// may show the table's form beside it).
enum class AnswerMatch { Wrong, TableForm, AlsoAccepted };

// The typed text against the verb's form in the table first, then against
// the forms also accepted for that form of that verb, by the same rule.
AnswerMatch MatchAnswer(const VerbRecord& verb, VerbForm form, const std::wstring& typed);

// Whether a test takes the typed text as the verb's form: a form of the
// table or one also accepted.
bool IsAnswerAccepted(const VerbRecord& verb, VerbForm form, const std::wstring& typed);

// Whether the verb has a past participle to ask for. The modal verbs can and
// may have none: the table repeats their past tense in that column only
// because it has no empty cells, so a test asks their past tense instead.
bool HasPastParticiple(const VerbRecord& verb);
