#include "session/TestSession.h"
#include "data/AnswerCheck.h"
#include "session/RandomDraw.h"
#include <stdexcept>

TestSession::TestSession(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible,
                         const QuestionDraw& draw, const SessionClock& clock)
    : m_verbs(verbs), m_options(options), m_testSet(eligible), m_clock(clock)
{
    for (int verb : draw.Choose(eligible, options.numWords)) {
        if (verb < 0 || verb >= kVerbCount)
            throw std::out_of_range("a question outside the verb table");
        m_questions.push_back({verb, {}, QuestionOutcome::NotAsked, false, 0, 0});
    }
    if (m_questions.empty())
        throw std::invalid_argument("a test without questions");
    if (m_options.TimeLimited())
        m_timeLeft = m_options.limitTime * 60;
    // One draw for the first question's forms, needed or not.
    BeginQuestion(DecideAskedForms(m_options.onlyOneForm, m_options.whichForm, DrawBelow(10)));
}

void TestSession::BeginQuestion(AskedForms chosen)
{
    m_attempt = 0;
    m_chosenForms = chosen;
    Current().forms = HasPastParticiple(Verb()) ? chosen : FormsForVerbWithoutParticiple(chosen);
    Current().outcome = QuestionOutcome::Unfinished;
    m_askedAt = m_clock.Milliseconds();
}

void TestSession::NextQuestion()
{
    if (!m_running || AllAsked() || !BetweenQuestions())
        return;
    AskedForms forms = m_chosenForms;
    if (IsRandomFormMode(m_options.onlyOneForm, m_options.whichForm))
        forms = DecideAskedForms(m_options.onlyOneForm, m_options.whichForm, DrawBelow(10));
    m_current = static_cast<size_t>(m_finished);
    BeginQuestion(forms);
}

bool TestSession::IsLocked() const
{
    if (BetweenQuestions())
        return false; // a right answer at the last attempt locks nothing
    return m_options.TimeLimited() ? m_timeLeft <= 0 : m_attempt >= m_options.maxAttempt;
}

TestSession::Result TestSession::Answer(const TypedAnswer& typed)
{
    if (!m_running || AllAsked() || IsLocked())
        return {Step::EndOfTest, 0};
    if (BetweenQuestions())
        return {Step::None, 0};
    ++m_attempt;
    bool right = AnswerIsCorrect(typed);
    Result result;
    if (right) {
        result = {Step::Correct, FinishQuestion(m_attempt == 1 ? QuestionOutcome::RightFirstTime
                                                                 : QuestionOutcome::RightLater)};
    } else if (!m_options.TimeLimited() && IsLocked()) {
        Lock(QuestionOutcome::Missed);
        result = {Step::OutOfAttempts, 0};
    } else {
        Current().attempts = m_attempt;
        result = {Step::Wrong, 0};
    }
    RecordAnswer(typed, right ? Verdict::Correct : Verdict::Wrong);
    return result;
}

TestSession::Result TestSession::Skip()
{
    if (!m_running || AllAsked() || IsLocked())
        return {Step::EndOfTest, 0};
    if (BetweenQuestions())
        return {Step::None, 0};
    ++m_attempt;
    Result result{Step::Skipped, FinishQuestion(QuestionOutcome::Skipped)};
    RecordAnswer({}, Verdict::Skipped);
    return result;
}

bool TestSession::AnswerIsCorrect(const TypedAnswer& typed) const
{
    // Both fields are judged, whatever the first gave.
    const VerbRecord& verb = Verb();
    const AskedForms forms = Forms();
    bool ok = true;
    if (forms.pastTense)
        ok = IsAnswerAccepted(verb, VerbForm::PastTense, typed.pastTense);
    if (forms.pastParticiple)
        ok = IsAnswerAccepted(verb, VerbForm::PastParticiple, typed.participle) && ok;
    return ok;
}

int TestSession::FinishQuestion(QuestionOutcome outcome)
{
    ++m_finished;
    if (outcome == QuestionOutcome::RightFirstTime || outcome == QuestionOutcome::RightLater)
        ++m_correct;
    // The picture follows the share of right answers: all of it after a
    // test answered all right.
    int target = m_correct * kPictureCells / QuestionCount();
    int cells = target - m_uncovered;
    m_uncovered = target;
    Current().outcome = outcome;
    Current().attempts = m_attempt;
    Current().cells = cells;
    return cells;
}

void TestSession::Lock(QuestionOutcome outcome)
{
    Current().outcome = outcome;
    Current().attempts = m_attempt;
    Current().revealed = m_options.showRightAnswer != 0;
}

void TestSession::RecordAnswer(const TypedAnswer& typed, Verdict verdict)
{
    long long now = m_clock.Milliseconds();
    const QuestionRecord& question = Current();
    AnswerRecord answer;
    answer.question = static_cast<int>(m_current);
    answer.verb = question.verb;
    answer.infinitive = m_verbs[static_cast<size_t>(question.verb)].infinitive;
    answer.forms = question.forms;
    if (verdict != Verdict::Skipped) {
        answer.typed.pastTense = question.forms.pastTense ? typed.pastTense : std::wstring();
        answer.typed.participle = question.forms.pastParticiple ? typed.participle : std::wstring();
    }
    answer.verdict = verdict;
    answer.attempt = m_attempt;
    answer.milliseconds = now - m_askedAt;
    m_askedAt = now;
    m_answers.push_back(answer);
    if (m_listener)
        m_listener->OnAnswerRecorded(*this, m_answers.back());
}

bool TestSession::Tick()
{
    if (!CountsDown())
        return false;
    --m_timeLeft;
    if (m_timeLeft != 0)
        return false;
    Lock(QuestionOutcome::TimeOver);
    return true;
}

TypedAnswer TestSession::CorrectForms() const
{
    TypedAnswer forms;
    if (Forms().pastTense)
        forms.pastTense = Verb().pastTense;
    if (Forms().pastParticiple)
        forms.participle = Verb().pastParticiple;
    return forms;
}

void TestSession::End()
{
    m_running = false;
}
