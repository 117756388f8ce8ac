#include "base/PersistedSettings.h"
#include "base/Options.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "data/VerbGroups.h"
#include "framework/Text.h"
#include "settings/ProfileException.h"
#include <cstdlib>
#include <string>

namespace {

std::wstring Decimal(int v)
{
    return std::to_wstring(v);
}

// The stored text of a setting; "" (missing) when the value is absent or not
// text, such as a number a registry editor stored as REG_DWORD.
std::wstring StoredText(Profile::RegProfile& store, const wchar_t* name)
{
    std::optional<DWORD> type = store.ValueType(name);
    if (!type || (*type != REG_SZ && *type != REG_EXPAND_SZ))
        return {};
    return store.GetString(name, L"");
}

} // namespace

void SaveAllSettings()
{
    CVerbsGlobals& g = Globals();
    for (const OptionInfo& s : Options())
        g.m_profile.SetString(s.name, Decimal(g.*s.member));
}

void SaveSettingsOf(OptionDialog dialog)
{
    CVerbsGlobals& g = Globals();
    for (const OptionInfo& s : Options())
        if (s.dialog == dialog)
            g.m_profile.SetString(s.name, Decimal(g.*s.member));
}

bool LoadSettings()
{
    CVerbsGlobals& g = Globals();
    try {
        for (const OptionInfo& s : Options()) {
            std::wstring text = StoredText(g.m_profile, s.name);
            if (text.empty()) {
                g.m_profile.SetString(s.name, Decimal(s.registryDefault));
                continue; // the member keeps its initial value, which is that default
            }
            int v = static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
            int corrected = s.Corrected(v, false);
            g.*s.member = corrected;
            if (corrected != v)
                g.m_profile.SetString(s.name, Decimal(corrected));
        }
        VerbGroups::EnsureVerbGroups(g.m_profile, fw::ResourceModule());
    } catch (const Profile::RegException& e) {
        ReportProfileError(e);
        return false;
    }
    return true;
}
