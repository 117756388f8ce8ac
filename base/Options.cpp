#include "base/Options.h"
#include "data/VerbRecord.h"
#include "resources/resource.h"
#include <iterator>

namespace {

constexpr int kMaxLimitTime = 60;
constexpr int kMaxAttempts = 10;

const OptionInfo kOptions[] = {
    {L"ShowTranslate", &CVerbsGlobals::ShowTranslate, 1, 1, 0, 1, Correction::None, OptionControl::Check,
     {IDC_SHOW_TRANSLATE}, {{{IDC_SHOW_TRANSLATE, L"S&how translation"}}}, &TestOptions::showTranslate},
    {L"MustLimitTime", &CVerbsGlobals::MustLimitTime, 0, 0, 0, 1, Correction::None, OptionControl::Check,
     {IDC_MUST_LIMIT_TIME}, {{{IDC_MUST_LIMIT_TIME, L"&Time limit"}}}, &TestOptions::mustLimitTime},
    {L"LimitTime", &CVerbsGlobals::LimitTime, 10, 10, 1, kMaxLimitTime, Correction::Always, OptionControl::Number,
     {IDC_LIMIT_TIME, IDC_LIMIT_TIME_SPIN}, {{{IDC_MINUTES_LABEL, L"minutes"}}}, &TestOptions::limitTime},
    {L"ShowRightAnswer", &CVerbsGlobals::ShowRightAnswer, 1, 1, 0, 1, Correction::None, OptionControl::Check,
     {IDC_SHOW_RIGHT_ANSWER}, {{{IDC_SHOW_RIGHT_ANSWER, L"Show &correct answer"}}}, &TestOptions::showRightAnswer},
    {L"NumWords", &CVerbsGlobals::NumWords, 10, 10, 1, kVerbCount, Correction::Always, OptionControl::Number,
     {IDC_NUM_WORDS, IDC_NUM_WORDS_SPIN}, {{{IDC_NUM_WORDS_LABEL, L"Number of &questions"}}}, &TestOptions::numWords},
    {L"OnlyOneForm", &CVerbsGlobals::OnlyOneForm, 0, 1, 0, 1, Correction::None, OptionControl::Check,
     {IDC_ONLY_ONE_FORM}, {{{IDC_ONLY_ONE_FORM, L"A&sk only one verb form"}}}, &TestOptions::onlyOneForm},
    {L"WhichForm", &CVerbsGlobals::WhichForm, 0, 0, 0, 2, Correction::OnMigration, OptionControl::Choice,
     {IDC_FORM_PAST, IDC_FORM_PARTICIPLE, IDC_FORM_RANDOM},
     {{{IDC_FORM_PAST, L"O&nly past"}, {IDC_FORM_PARTICIPLE, L"Onl&y past participle"}, {IDC_FORM_RANDOM, L"At rando&m"}}}, &TestOptions::whichForm},
    // The radio texts are the languages' own names.
    {L"Language", &CVerbsGlobals::Language, 1, 1, 0, 1, Correction::OnMigration, OptionControl::Choice,
     {IDC_LANGUAGE_RUSSIAN, IDC_LANGUAGE_ENGLISH}, {}, nullptr},
    {L"MaxAttempt", &CVerbsGlobals::MaxAttempt, 3, 3, 1, kMaxAttempts, Correction::Always, OptionControl::Number,
     {IDC_MAX_ATTEMPT, IDC_MAX_ATTEMPT_SPIN}, {{{IDC_MAX_ATTEMPT_LABEL, L"Number of &attempts"}}},
     &TestOptions::maxAttempt},

    // Learning options (shown in a dialog of their own, not in the options
    // dialog, which has no control for them).
    {L"WeakVerbsFirst", &CVerbsGlobals::WeakVerbsFirst, 0, 0, 0, 1, Correction::Always, OptionControl::Check,
     {}, {}, nullptr},
};

} // namespace

OptionList Options()
{
    return {std::begin(kOptions), std::end(kOptions)};
}

int OptionInfo::ChoiceCount() const
{
    int count = 0;
    for (int id : controlIds)
        count += id != 0 ? 1 : 0;
    return count;
}

int OptionInfo::Corrected(int value, bool fromIni) const
{
    const bool checked = correction == Correction::Always || (correction == Correction::OnMigration && fromIni);
    if (!checked || (value >= low && value <= high))
        return value;
    return fromIni ? iniDefault : registryDefault;
}

TestOptions CurrentTestOptions()
{
    const CVerbsGlobals& g = Globals();
    TestOptions o;
    for (const OptionInfo& option : Options())
        if (option.testField)
            o.*option.testField = g.*option.member;
    return o;
}
