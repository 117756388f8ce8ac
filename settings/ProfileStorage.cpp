#include "settings/ProfileStorage.h"

namespace Profile {

Storage::~Storage() = default;

void Storage::SetName(const std::wstring& name)
{
    name_ = name;
}

std::wstring Storage::GetName() const
{
    return name_;
}

} // namespace Profile
