#include "FuzzTarget.h"

namespace fuzz {

std::string FuzzTarget::Generate(Rng& rng)
{
    std::string input = seeds_.empty() ? std::string() : seeds_[rng.Below(seeds_.size())];
    MutationSources sources;
    sources.seeds = &seeds_;
    sources.dictionary = &dictionary_;
    sources.maxSize = maxSize_;
    Mutate(input, rng, sources);
    return input;
}

std::vector<std::unique_ptr<FuzzTarget>> AllTargets()
{
    std::vector<std::unique_ptr<FuzzTarget>> targets;
    targets.push_back(MakeVerbTableTarget());
    targets.push_back(MakeVerbGroupsTarget());
    targets.push_back(MakeOldSettingsTarget());
    targets.push_back(MakeUserFontTarget());
    targets.push_back(MakeThemeLibraryTarget());
    targets.push_back(MakeHtmlExportTarget());
    return targets;
}

} // namespace fuzz
