#pragma once
// Holds the store's "Groups" section as the current section for the life of
// the object, as the group dialogs need it: entered at construction, and at
// destruction the section that was current before is put back on every path,
// also when entering or leaving failed. Failures are reported and the owner
// goes on; its reads then find nothing and its writes fail one by one.
#include <string>

namespace Profile {
class RegProfile;
}

class CGroupsSection {
public:
    explicit CGroupsSection(Profile::RegProfile& store);
    ~CGroupsSection();
    CGroupsSection(const CGroupsSection&) = delete;
    CGroupsSection& operator=(const CGroupsSection&) = delete;

    Profile::RegProfile& Store() const { return store_; }

private:
    Profile::RegProfile& store_;
    std::wstring outer_; // the section to go back to
};
