#include "session/MistakeReview.h"
#include "session/TestSession.h"

namespace {

bool IsMistake(QuestionOutcome outcome)
{
    switch (outcome) {
    case QuestionOutcome::RightLater:
    case QuestionOutcome::Skipped:
    case QuestionOutcome::Missed:
    case QuestionOutcome::TimeOver:
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsMistake(const QuestionRecord& question)
{
    return IsMistake(question.outcome) || (question.outcome == QuestionOutcome::Unfinished && question.attempts > 0);
}

TestSummary Summarize(const TestSession& test)
{
    TestSummary summary;
    for (const QuestionRecord& q : test.Questions()) {
        switch (q.outcome) {
        case QuestionOutcome::RightFirstTime: ++summary.rightFirstTime; break;
        case QuestionOutcome::RightLater: ++summary.rightLater; break;
        case QuestionOutcome::Skipped:
        case QuestionOutcome::Missed:
        case QuestionOutcome::TimeOver: ++summary.notRight; break;
        default: break;
        }
    }
    for (const AnswerRecord& a : test.Answers())
        summary.milliseconds += a.milliseconds;
    return summary;
}

namespace {

FormReview ReviewForm(const VerbRecord& verb, VerbForm form, const std::vector<const AnswerRecord*>& answers)
{
    FormReview review;
    review.form = form;
    const bool past = form == VerbForm::PastTense;
    review.correct = past ? verb.pastTense : verb.pastParticiple;
    std::wstring lastWrong;
    for (const AnswerRecord* a : answers) {
        if (a->verdict == Verdict::Skipped)
            continue;
        const std::wstring& text = past ? a->typed.pastTense : a->typed.participle;
        review.typed.push_back(text);
        review.right = IsAnswerAccepted(verb, form, text);
        std::vector<MarkedPiece> marked;
        if (review.right) {
            if (!text.empty())
                marked.push_back({text, false});
        } else {
            lastWrong = text;
            marked = MarkTypedAgainstForm(text, review.correct);
        }
        review.typedMarked.push_back(std::move(marked));
    }
    if (!answers.empty() && answers.back()->verdict == Verdict::Skipped)
        review.right = false;
    review.marked = MarkAgainstForm(lastWrong, review.correct);
    return review;
}

} // namespace

std::vector<QuestionReview> ReviewMistakes(const TestSession& test, const VerbTable& verbs)
{
    std::vector<QuestionReview> reviews;
    const auto& questions = test.Questions();
    for (size_t i = 0; i < questions.size(); ++i) {
        const QuestionRecord& q = questions[i];
        if (!IsMistake(q))
            continue;
        std::vector<const AnswerRecord*> answers;
        for (const AnswerRecord& a : test.Answers())
            if (a.question == static_cast<int>(i))
                answers.push_back(&a);
        const VerbRecord& verb = verbs[static_cast<size_t>(q.verb)];
        QuestionReview review;
        review.verb = q.verb;
        review.infinitive = verb.infinitive;
        review.translation = verb.translation;
        review.outcome = q.outcome;
        review.skipped = !answers.empty() && answers.back()->verdict == Verdict::Skipped;
        review.unfinished = q.outcome == QuestionOutcome::Unfinished;
        if (q.forms.pastTense)
            review.forms.push_back(ReviewForm(verb, VerbForm::PastTense, answers));
        if (q.forms.pastParticiple)
            review.forms.push_back(ReviewForm(verb, VerbForm::PastParticiple, answers));
        reviews.push_back(std::move(review));
    }
    return reviews;
}

std::vector<int> MistakenVerbs(const TestSession& test)
{
    std::vector<int> verbs;
    for (const QuestionRecord& q : test.Questions())
        if (IsMistake(q))
            verbs.push_back(q.verb);
    return verbs;
}
