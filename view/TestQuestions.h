#pragma once
// The random choices of a test: which verbs are asked, in what order, and
// which forms. Every draw uses the C runtime generator scaled to the range
// (rand() * n / 32768), never its remainder.
#include "data/ClockSeed.h"
#include "data/VerbRecord.h"
#include <array>

// A number 0 .. n - 1 from the generator.
int DrawBelow(int n);

// Questions of a test in asking order: count distinct indices of verbs whose
// selection mark is 0. The caller makes sure there are at least count.
using QuestionOrder = std::array<int, kVerbCount>;
void ChooseQuestions(const VerbTable& verbs, int count, QuestionOrder& order);

// The answer fields a question has.
struct AskedForms {
    bool pastTense = false;
    bool pastParticiple = false;
};

// Forms asked for the options and one draw r (0..9) of the random mode:
// both forms, or the past tense (WhichForm 0), the past participle (1), or
// one of them at random (2: r <= 5 the past tense). A WhichForm outside 0..2
// asks the past tense, so a question always has a field to answer.
AskedForms DecideAskedForms(int onlyOneForm, int whichForm, int r);

// Whether the asked form is drawn again before every question.
bool IsRandomFormMode(int onlyOneForm, int whichForm);

// The random-mode draw: true asks the past tense (six chances in ten).
bool RandomDrawAsksPastTense(int r);
