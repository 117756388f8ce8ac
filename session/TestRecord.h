#pragma once
// What a test keeps of every question and every answer, to be read during
// the test and after its end.
#include "session/AskedForms.h"
#include <string>

// The texts typed into the answer fields; a field that is not asked stays empty.
struct TypedAnswer {
    std::wstring pastTense;
    std::wstring participle;
    bool operator==(const TypedAnswer& o) const { return pastTense == o.pastTense && participle == o.participle; }
};

enum class Verdict { Correct, Wrong, Skipped };

// One Ready or Skip that was judged (one given at the closing display or on
// a locked question ends the test and is not an answer).
struct AnswerRecord {
    int question = 0; // place in the asking order, from 0
    int verb = 0;     // verb-table index
    std::wstring infinitive;
    AskedForms forms;
    TypedAnswer typed; // empty for a skip
    Verdict verdict = Verdict::Wrong;
    int attempt = 0; // 1 for the first answer to the question
    // Since the question came on screen, or since the previous answer to it.
    long long milliseconds = 0;
};

enum class QuestionOutcome {
    NotAsked,       // the test ended before it
    Unfinished,     // being asked, or the test was stopped on it
    RightFirstTime,
    RightLater,     // right after one or more wrong answers
    Skipped,
    Missed,         // the attempts ran out
    TimeOver,       // the test's time ran out on it
};

struct QuestionRecord {
    int verb = 0;
    AskedForms forms; // as asked (set when it comes on screen)
    QuestionOutcome outcome = QuestionOutcome::NotAsked;
    bool revealed = false; // the correct forms were shown after a miss or the time-out
    int attempts = 0;
    int cells = 0; // picture cells its right answer uncovered
};

class TestSession;

// Told of every answer as soon as the test has taken it into account.
class AnswerListener {
public:
    virtual ~AnswerListener() = default;
    virtual void OnAnswerRecorded(const TestSession& session, const AnswerRecord& answer) = 0;
};
