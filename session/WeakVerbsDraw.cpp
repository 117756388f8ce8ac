#include "session/WeakVerbsDraw.h"
#include "session/RandomDraw.h"
#include <cstddef>

namespace {

// A fraction 0 <= u < 1 from two draws of the generator, fine enough to
// pick among weights that add up to far more than its 32768 steps.
double DrawFraction()
{
    const double high = DrawBelow(32768);
    const double low = DrawBelow(32768);
    return (high + low / 32768.0) / 32768.0;
}

} // namespace

WeakVerbsDraw::WeakVerbsDraw(std::vector<int> weights) : m_weights(std::move(weights))
{
}

int WeakVerbsDraw::WeightOf(int verb) const
{
    if (verb < 0 || static_cast<size_t>(verb) >= m_weights.size())
        return 1;
    const int w = m_weights[static_cast<size_t>(verb)];
    return w > 0 ? w : 1;
}

std::vector<int> WeakVerbsDraw::Choose(const std::vector<int>& eligible, int count) const
{
    std::vector<int> available = eligible;
    std::vector<long long> weights;
    long long total = 0;
    for (int verb : available) {
        weights.push_back(WeightOf(verb));
        total += weights.back();
    }
    std::vector<int> order;
    for (int j = 0; j < count && !available.empty(); ++j) {
        const long long target = static_cast<long long>(DrawFraction() * static_cast<double>(total));
        size_t k = 0;
        for (long long sum = weights[0]; sum <= target && k + 1 < available.size(); sum += weights[++k]) {
        }
        order.push_back(available[k]);
        total -= weights[k];
        available.erase(available.begin() + static_cast<std::ptrdiff_t>(k));
        weights.erase(weights.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return order;
}
