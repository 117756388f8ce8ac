#pragma once
// Whether a learner's typed form matches a stored form of the verb table.
#include <string>

// A stored form is either one text ("went") or variants separated by ";" and
// a blank ("was; were"). A typed text is correct when it equals the whole
// form, or with variants one whole variant: exactly, letter case and blanks
// included. The whole variant list and an empty text are never correct.
bool IsAnswerCorrect(const std::wstring& typed, const std::wstring& stored);
