#pragma once
// The options a test runs with, taken when it starts: the commands that
// change options are disabled while it runs.

struct TestOptions {
    int numWords = 10;
    int maxAttempt = 3;
    int mustLimitTime = 0;
    int limitTime = 10;
    int onlyOneForm = 0;
    int whichForm = 0;
    int showTranslate = 1;
    int showRightAnswer = 1;

    bool TimeLimited() const { return mustLimitTime != 0; }
};
