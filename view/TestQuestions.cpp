#include "view/TestQuestions.h"
#include <cstdlib>
#include <vector>

int DrawBelow(int n)
{
    return static_cast<int>(static_cast<long long>(std::rand()) * n / 32768);
}

void ChooseQuestions(const VerbTable& verbs, int count, QuestionOrder& order)
{
    std::vector<int> available;
    available.reserve(verbs.size());
    for (int i = 0; i < kVerbCount; ++i)
        if (verbs[static_cast<size_t>(i)].selectionMark == 0)
            available.push_back(i);
    for (int j = 0; j < count && !available.empty() && j < kVerbCount; ++j) {
        int k = DrawBelow(static_cast<int>(available.size()));
        order[static_cast<size_t>(j)] = available[static_cast<size_t>(k)];
        available.erase(available.begin() + k);
    }
}

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
