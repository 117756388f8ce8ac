#include "session/AskedForms.h"

bool RandomDrawAsksPastTense(int r)
{
    return r <= 5;
}

bool IsRandomFormMode(int onlyOneForm, int whichForm)
{
    return onlyOneForm != 0 && whichForm == 2;
}

AskedForms DecideAskedForms(int onlyOneForm, int whichForm, int r)
{
    AskedForms forms;
    if (onlyOneForm == 0) {
        forms.pastTense = forms.pastParticiple = true;
    } else if (whichForm == 1) {
        forms.pastParticiple = true;
    } else if (whichForm == 2) {
        forms.pastTense = RandomDrawAsksPastTense(r);
        forms.pastParticiple = !forms.pastTense;
    } else {
        forms.pastTense = true; // 0, and any value the options never write
    }
    return forms;
}

AskedForms FormsForVerbWithoutParticiple(AskedForms asked)
{
    AskedForms forms;
    forms.pastTense = true;
    forms.noParticiple = asked.pastTense && asked.pastParticiple;
    return forms;
}
