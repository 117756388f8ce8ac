#pragma once
// One test from Start to its end, with no window: the questions in asking
// order and the forms each asks, the attempts or the countdown, the verdict
// of every answer, how much of the reward picture has been earned, and a
// record of every answer. The view shows what it says and hands it the
// learner's input.
//
// A question runs like this: Answer() or Skip() says what happened; after a
// finished question the view uncovers the picture (its cells are drawn from
// the same generator) and, unless AllAsked(), calls NextQuestion(), which
// draws the next form in the random mode. Once AllAsked() or IsLocked(), the
// next Answer() or Skip() says EndOfTest and judges nothing.
#include "data/VerbRecord.h"
#include "session/AskedForms.h"
#include "session/PictureCells.h"
#include "session/QuestionDraw.h"
#include "session/SessionClock.h"
#include "session/TestOptions.h"
#include "session/TestRecord.h"
#include <vector>

class TestSession {
public:
    enum class Step {
        EndOfTest,       // at the closing display or on a locked question: the test ends
        Correct,         // the question is finished, answered right
        Skipped,         // the question is finished without a right answer
        Wrong,           // the question stays (attempts left, or a time limit)
        OutOfAttempts,   // wrong, and that was the last attempt: the question is locked
        None,            // the question is finished and the next one has not come yet
    };
    struct Result {
        Step step = Step::EndOfTest;
        int cells = 0; // picture cells the step uncovers
    };

    // Starts a test on the eligible verbs (verb-table indices, ascending):
    // draws its questions, then the forms of the first. The verbs and the
    // clock must outlive the session. A draw that gives no question, or one
    // outside the table, throws (std::invalid_argument, std::out_of_range).
    TestSession(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible,
                const QuestionDraw& draw = RandomQuestionDraw(), const SessionClock& clock = SteadyClock());

    // Ready with the typed texts, and Skip.
    Result Answer(const TypedAnswer& typed);
    Result Skip();
    // Brings the next question after a finished one.
    void NextQuestion();
    // One second of a timed test has passed; true when the time has just run out.
    bool Tick();
    // Stop: the test is over; its record stays.
    void End();

    bool IsRunning() const { return m_running; }
    bool AllAsked() const { return m_finished >= QuestionCount(); }
    // The attempts or the time ran out on the current question.
    bool IsLocked() const;
    // With a time limit: whether the countdown runs now (not once a question
    // is finished until the next one comes).
    bool CountsDown() const
    {
        return m_running && m_options.TimeLimited() && m_timeLeft > 0 && !BetweenQuestions();
    }

    // The question on screen.
    int CurrentVerb() const { return m_questions[m_current].verb; }
    const VerbRecord& Verb() const { return m_verbs[static_cast<size_t>(CurrentVerb())]; }
    AskedForms Forms() const { return m_questions[m_current].forms; }
    // Its stored forms for the asked fields, shown when the answer is revealed.
    TypedAnswer CorrectForms() const;
    // Answers given to it, Skip included.
    int Attempt() const { return m_attempt; }

    int QuestionCount() const { return static_cast<int>(m_questions.size()); }
    int FinishedQuestions() const { return m_finished; }
    int CorrectAnswers() const { return m_correct; }
    int UncoveredCells() const { return m_uncovered; }
    int TimeLeft() const { return m_timeLeft; }
    const TestOptions& Options() const { return m_options; }
    // The verbs the questions were drawn from.
    const std::vector<int>& TestSet() const { return m_testSet; }

    // Every question in asking order, and every answer in the order given.
    const std::vector<QuestionRecord>& Questions() const { return m_questions; }
    const std::vector<AnswerRecord>& Answers() const { return m_answers; }
    // Told of each answer from now on (null: nobody).
    void SetAnswerListener(AnswerListener* listener) { m_listener = listener; }

private:
    bool AnswerIsCorrect(const TypedAnswer& typed) const;
    bool BetweenQuestions() const { return static_cast<size_t>(m_finished) > m_current; }
    // Asks the current question; the forms are those the options chose.
    void BeginQuestion(AskedForms chosen);
    void RecordAnswer(const TypedAnswer& typed, Verdict verdict);
    // Counts the current question as finished; returns the cells it uncovers.
    int FinishQuestion(QuestionOutcome outcome);
    void Lock(QuestionOutcome outcome);
    QuestionRecord& Current() { return m_questions[m_current]; }

    const VerbTable& m_verbs;
    const TestOptions m_options;
    const std::vector<int> m_testSet;
    const SessionClock& m_clock;
    std::vector<QuestionRecord> m_questions;
    std::vector<AnswerRecord> m_answers;
    AnswerListener* m_listener = nullptr;
    bool m_running = true;
    size_t m_current = 0;
    // The forms the options chose for the current question, whatever its
    // verb has: the next question keeps them unless drawn again.
    AskedForms m_chosenForms;
    int m_finished = 0;
    int m_correct = 0;
    int m_attempt = 0;
    int m_timeLeft = 0;
    int m_uncovered = 0;
    long long m_askedAt = 0; // when the current question came, or its last answer was given
};
