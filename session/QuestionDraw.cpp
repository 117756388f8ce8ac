#include "session/QuestionDraw.h"
#include "session/RandomDraw.h"
#include <cstddef>

std::vector<int> ChooseQuestions(const std::vector<int>& eligible, int count)
{
    std::vector<int> available = eligible;
    std::vector<int> order;
    order.reserve(available.size());
    for (int j = 0; j < count && !available.empty(); ++j) {
        int k = DrawBelow(static_cast<int>(available.size()));
        order.push_back(available[static_cast<std::size_t>(k)]);
        available.erase(available.begin() + k);
    }
    return order;
}

std::vector<int> RandomQuestionDraw::Choose(const std::vector<int>& eligible, int count) const
{
    return ChooseQuestions(eligible, count);
}

std::vector<int> ListedQuestionDraw::Choose(const std::vector<int>&, int) const
{
    return ChooseQuestions(m_verbs, static_cast<int>(m_verbs.size()));
}
