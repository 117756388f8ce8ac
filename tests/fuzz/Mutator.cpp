#include "Mutator.h"
#include <algorithm>

namespace fuzz {

namespace {

std::uint64_t SplitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Bytes that parsers tend to treat specially.
const unsigned char kInterestingBytes[] = {0x00, 0x01, 0x0A, 0x0D, 0x20, 0x2D, 0x30, 0x39, 0x3B, 0x3D,
                                           0x5B, 0x5D, 0x5F, 0x7F, 0x80, 0xB5, 0xFE, 0xFF};

const std::string& PickSeed(Rng& rng, const MutationSources& sources, const std::string& fallback)
{
    if (!sources.seeds || sources.seeds->empty())
        return fallback;
    return (*sources.seeds)[rng.Below(sources.seeds->size())];
}

void MutateOnce(std::string& s, Rng& rng, const MutationSources& sources)
{
    const size_t pos = rng.Below(s.size() + 1);
    switch (rng.Below(11)) {
    case 0: // flip one bit
        if (!s.empty())
            s[pos % s.size()] ^= static_cast<char>(1u << rng.Below(8));
        break;
    case 1: // a random byte
        if (!s.empty())
            s[pos % s.size()] = static_cast<char>(rng.Below(256));
        break;
    case 2: // a byte parsers care about
        if (!s.empty())
            s[pos % s.size()] = static_cast<char>(kInterestingBytes[rng.Below(sizeof kInterestingBytes)]);
        break;
    case 3: { // insert random bytes
        std::string bytes(1 + rng.Below(16), '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng.Below(256));
        s.insert(pos, bytes);
        break;
    }
    case 4: // delete a run
        if (!s.empty())
            s.erase(pos % s.size(), 1 + rng.Below(std::min<size_t>(64, s.size())));
        break;
    case 5: { // repeat a run (long fields, many records)
        if (s.empty())
            break;
        size_t from = rng.Below(s.size());
        size_t length = 1 + rng.Below(std::min<size_t>(s.size() - from, 256));
        std::string run = s.substr(from, length);
        size_t times = 1 + rng.Below(rng.OneIn(8) ? 64 : 4);
        for (size_t i = 0; i < times; ++i)
            s.insert(pos, run);
        break;
    }
    case 6: // insert a dictionary word
    case 7: // overwrite with a dictionary word
        if (sources.dictionary && !sources.dictionary->empty()) {
            const std::string& word = (*sources.dictionary)[rng.Below(sources.dictionary->size())];
            if (rng.OneIn(2) || s.size() < word.size())
                s.insert(pos, word);
            else
                s.replace(std::min(pos, s.size() - word.size()), word.size(), word);
        }
        break;
    case 8: { // splice: the tail taken from another real input
        const std::string& other = PickSeed(rng, sources, s);
        size_t from = rng.Below(other.size() + 1);
        s = s.substr(0, pos) + other.substr(from, rng.Below(other.size() - from + 1));
        break;
    }
    case 9: { // a run of another real input inserted
        const std::string& other = PickSeed(rng, sources, s);
        if (other.empty())
            break;
        size_t from = rng.Below(other.size());
        s.insert(pos, other.substr(from, 1 + rng.Below(std::min<size_t>(other.size() - from, 512))));
        break;
    }
    default: // cut the end
        s.resize(pos);
        break;
    }
}

} // namespace

Rng Rng::ForIteration(std::uint64_t seed, const char* target, std::uint64_t iteration)
{
    std::uint64_t h = 14695981039346656037ULL; // FNV-1a of the target's name
    for (const char* c = target; *c; ++c)
        h = (h ^ static_cast<unsigned char>(*c)) * 1099511628211ULL;
    return Rng(SplitMix(SplitMix(seed ^ h) ^ iteration));
}

std::uint64_t Rng::Next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return SplitMix(state_);
}

void Mutate(std::string& input, Rng& rng, const MutationSources& sources)
{
    const size_t count = 1 + rng.Below(8);
    for (size_t i = 0; i < count; ++i)
        MutateOnce(input, rng, sources);
    if (input.size() > sources.maxSize)
        input.resize(sources.maxSize);
}

} // namespace fuzz
