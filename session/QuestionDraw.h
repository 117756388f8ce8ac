#pragma once
// How the verbs of a test and their order are chosen from the test set.
#include <utility>
#include <vector>

// count distinct verbs of the eligible ones (verb-table indices in ascending
// order) in random order: each question takes the k-th of the verbs left,
// k drawn below their number. Fewer when there are fewer eligible verbs.
std::vector<int> ChooseQuestions(const std::vector<int>& eligible, int count);

// A way of choosing the questions of a test from its test set.
class QuestionDraw {
public:
    virtual ~QuestionDraw() = default;
    // At most count verbs of the eligible ones, in asking order.
    virtual std::vector<int> Choose(const std::vector<int>& eligible, int count) const = 0;
};

// The draw of an ordinary test: ChooseQuestions.
class RandomQuestionDraw final : public QuestionDraw {
public:
    std::vector<int> Choose(const std::vector<int>& eligible, int count) const override;
};

// The draw of a drill: exactly the listed verbs, whatever the test's count
// and test set, in random order.
class ListedQuestionDraw final : public QuestionDraw {
public:
    explicit ListedQuestionDraw(std::vector<int> verbs) : m_verbs(std::move(verbs)) {}
    std::vector<int> Choose(const std::vector<int>& eligible, int count) const override;

private:
    std::vector<int> m_verbs;
};
