#pragma once
// How a finished test went, in one line of the interface language.
#include "session/MistakeReview.h"
#include <string>

std::wstring TestResultText(const TestSummary& summary);
