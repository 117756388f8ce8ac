#pragma once
// The fuzzer's random source and its mutations of byte strings: bit flips,
// byte changes, inserts, deletes, repeats, dictionary words and splices of
// other real inputs. Everything follows from the seed, so an input is made
// again from its seed and iteration alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    // The generator of one iteration of one target.
    static Rng ForIteration(std::uint64_t seed, const char* target, std::uint64_t iteration);

    std::uint64_t Next();
    // 0 .. n - 1 (0 when n is 0).
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(Next() % n); }
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    std::uint64_t state_;
};

struct MutationSources {
    // Real inputs of the target, for splices.
    const std::vector<std::string>* seeds = nullptr;
    // Words that mean something to the parser (separators, keys, markers).
    const std::vector<std::string>* dictionary = nullptr;
    size_t maxSize = 1 << 16;
};

// One to eight mutations stacked on the input.
void Mutate(std::string& input, Rng& rng, const MutationSources& sources);

} // namespace fuzz
