#pragma once
// The draw that asks weak verbs first: each question takes one of the verbs
// left with a chance in proportion to its weight (the learning boxes of the
// answer history give the weights: data/HistoryStats.h).
#include "session/QuestionDraw.h"
#include <vector>

class WeakVerbsDraw final : public QuestionDraw {
public:
    // weights by verb-table index; a verb beyond them, or of weight 0 or
    // less, weighs 1.
    explicit WeakVerbsDraw(std::vector<int> weights);
    std::vector<int> Choose(const std::vector<int>& eligible, int count) const override;

private:
    int WeightOf(int verb) const;

    std::vector<int> m_weights;
};
