#include "dialogs/GroupsSection.h"
#include "base/ReportProfileError.h"
#include "data/VerbGroups.h"
#include "settings/ProfileException.h"
#include "settings/RegProfile.h"

CGroupsSection::CGroupsSection(Profile::RegProfile& store) : store_(store), outer_(store.Section())
{
    try {
        store_.EnterSection(VerbGroups::kSection);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
    }
}

CGroupsSection::~CGroupsSection()
{
    // The outer section is opened by its full path, whatever a failed enter
    // left. The store sets its section text before it opens the key, so even
    // when opening fails here the text is the outer section again, and the
    // next change of section opens the key afresh.
    try {
        store_.SetSection(outer_);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
    }
}
