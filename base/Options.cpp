#include "base/Options.h"
#include "data/VerbRecord.h"

const OptionInfo kOptions[9] = {
    {L"ShowTranslate", &CVerbsGlobals::ShowTranslate, 1, 1},
    {L"MustLimitTime", &CVerbsGlobals::MustLimitTime, 0, 0},
    {L"LimitTime", &CVerbsGlobals::LimitTime, 10, 10},
    {L"ShowRightAnswer", &CVerbsGlobals::ShowRightAnswer, 1, 1},
    {L"NumWords", &CVerbsGlobals::NumWords, 10, 10},
    {L"OnlyOneForm", &CVerbsGlobals::OnlyOneForm, 0, 1},
    {L"WhichForm", &CVerbsGlobals::WhichForm, 0, 0},
    {L"Language", &CVerbsGlobals::Language, 1, 1},
    {L"MaxAttempt", &CVerbsGlobals::MaxAttempt, 3, 3},
};

namespace {

bool Is(const OptionInfo& s, int CVerbsGlobals::*member)
{
    return s.member == member;
}

int CorrectLimitTime(int v) { return (v == 0 || static_cast<unsigned>(v) > 60u) ? 10 : v; }
int CorrectNumWords(int v) { return (v < 1 || v > kVerbCount) ? 10 : v; }
int CorrectMaxAttempt(int v) { return (v < 1 || v > 10) ? 3 : v; }

} // namespace

int CorrectLoadedOption(const OptionInfo& s, int v)
{
    if (Is(s, &CVerbsGlobals::LimitTime))
        return CorrectLimitTime(v);
    if (Is(s, &CVerbsGlobals::NumWords))
        return CorrectNumWords(v);
    if (Is(s, &CVerbsGlobals::MaxAttempt))
        return CorrectMaxAttempt(v);
    return v;
}

int CorrectMigratedOption(const OptionInfo& s, int v)
{
    if (Is(s, &CVerbsGlobals::WhichForm))
        return (v < 0 || v > 2) ? 0 : v;
    if (Is(s, &CVerbsGlobals::Language))
        return (v < 0 || v > 1) ? 1 : v;
    return CorrectLoadedOption(s, v);
}

TestOptions CurrentTestOptions()
{
    const CVerbsGlobals& g = Globals();
    TestOptions o;
    o.numWords = g.NumWords;
    o.maxAttempt = g.MaxAttempt;
    o.mustLimitTime = g.MustLimitTime;
    o.limitTime = g.LimitTime;
    o.onlyOneForm = g.OnlyOneForm;
    o.whichForm = g.WhichForm;
    o.showTranslate = g.ShowTranslate;
    o.showRightAnswer = g.ShowRightAnswer;
    return o;
}
