#pragma once
// Which forms of a verb a question asks for.

// The answer fields a question has.
struct AskedForms {
    bool pastTense = false;
    bool pastParticiple = false;
    // Both forms are asked of a verb without a participle: its field stays,
    // marked as not asked.
    bool noParticiple = false;
    bool operator==(const AskedForms& o) const
    {
        return pastTense == o.pastTense && pastParticiple == o.pastParticiple && noParticiple == o.noParticiple;
    }
};

// Forms asked for the options and one draw r (0..9) of the random mode:
// both forms, or the past tense (WhichForm 0), the past participle (1), or
// one of them at random (2: r <= 5 the past tense). A WhichForm outside 0..2
// asks the past tense, so a question always has a field to answer.
AskedForms DecideAskedForms(int onlyOneForm, int whichForm, int r);

// The forms the options ask, for a verb without a participle: the past
// tense is asked in its place, and where both forms are asked the
// participle's field shows that it is not asked.
AskedForms FormsForVerbWithoutParticiple(AskedForms asked);

// Whether the asked form is drawn again before every question.
bool IsRandomFormMode(int onlyOneForm, int whichForm);

// The random-mode draw: true asks the past tense (six chances in ten).
bool RandomDrawAsksPastTense(int r);
