#include "view/TestOptions.h"
#include "app/VerbsGlobals.h"

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
