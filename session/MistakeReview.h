#pragma once
// What a finished test tells of itself: how its questions went, and for
// those not answered right at the first attempt, what was typed against the
// correct forms, to review them and drill their verbs again.
#include "data/AnswerCheck.h"
#include "data/FormDiff.h"
#include "session/TestRecord.h"
#include <string>
#include <vector>

class TestSession;

struct TestSummary {
    int rightFirstTime = 0;
    int rightLater = 0;
    int notRight = 0;            // skipped, missed, or the time ran out on it
    long long milliseconds = 0;  // spent on the answers, from each question's coming
};

TestSummary Summarize(const TestSession& test);

// Whether a question counts as a mistake: asked and not answered right at
// the first attempt. A question the test was stopped on counts once it had
// a wrong answer.
bool IsMistake(const QuestionRecord& question);

// One asked form of a mistaken question.
struct FormReview {
    VerbForm form = VerbForm::PastTense;
    std::vector<std::wstring> typed; // every text typed into its field, in order (a skip adds none)
    // Each typed text in runs: a text not taken with its extra and wrong
    // letters marked against the correct form, a text taken as it is.
    std::vector<std::vector<MarkedPiece>> typedMarked;
    std::wstring correct;           // the table's form
    bool right = false;             // the last text typed was taken (also-accepted forms count)
    std::vector<MarkedPiece> marked; // the correct form against the last wrong text
};

struct QuestionReview {
    int verb = 0;
    std::wstring infinitive;
    std::wstring translation;
    QuestionOutcome outcome = QuestionOutcome::NotAsked;
    bool skipped = false; // Skip was its last answer
    bool unfinished = false; // the test was stopped on it after wrong answers
    std::vector<FormReview> forms;
};

// The mistaken questions of a test in asking order.
std::vector<QuestionReview> ReviewMistakes(const TestSession& test, const VerbTable& verbs);

// The verbs of the mistaken questions, in asking order.
std::vector<int> MistakenVerbs(const TestSession& test);
