#pragma once
// One parser of outside data under the fuzzer: its real inputs, how a new
// input is made from them, and the check of what the parser makes of it.
#include "Mutator.h"
#include <memory>
#include <string>
#include <vector>

namespace fuzz {

class FuzzTarget {
public:
    virtual ~FuzzTarget() = default;

    virtual const char* Name() const = 0;
    // Collects the real inputs (built resources, test modules, canonical
    // texts) and the dictionary; false when a real input cannot be found,
    // which is a fault of the build, not of the parser.
    virtual bool Prepare(std::string& problem) = 0;
    // The input of one iteration; by default a real input, mutated.
    virtual std::string Generate(Rng& rng);
    // Runs the parser on the input: empty when what it made is right,
    // otherwise what is wrong. A crash or a hang is caught from outside.
    virtual std::string Check(const std::string& input) = 0;

protected:
    std::vector<std::string> seeds_;
    std::vector<std::string> dictionary_;
    size_t maxSize_ = 1 << 16;
};

// Every target, in the order they run.
std::vector<std::unique_ptr<FuzzTarget>> AllTargets();

std::unique_ptr<FuzzTarget> MakeVerbTableTarget();
std::unique_ptr<FuzzTarget> MakeVerbGroupsTarget();
std::unique_ptr<FuzzTarget> MakeOldSettingsTarget();
std::unique_ptr<FuzzTarget> MakeUserFontTarget();
std::unique_ptr<FuzzTarget> MakeThemeLibraryTarget();
std::unique_ptr<FuzzTarget> MakeHtmlExportTarget();

} // namespace fuzz
