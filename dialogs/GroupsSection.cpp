#include "dialogs/GroupsSection.h"
#include "app/ReportProfileError.h"
#include "data/VerbGroups.h"
#include "settings/BaseProfile.h"
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
    // Whatever the section text says now (a failed enter may or may not have
    // changed it), the outer section is opened by its full path.
    try {
        if (store_.Section() == outer_ + Profile::BaseProfile::kSeparator + VerbGroups::kSection)
            store_.LeaveSection();
        else
            store_.SetSection(outer_);
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        // The text is right even when the key cannot be opened now; the next
        // change of section opens keys afresh.
        if (store_.Section() != outer_) {
            try {
                store_.SetSection(outer_);
            } catch (const Profile::RegException&) {
            }
        }
    }
}
