#include "settings/ProfileException.h"
#include <utility>

namespace Profile {

BaseException::BaseException(int code, std::wstring detail) : code_(code), detail_(std::move(detail)) {}

BaseException::~BaseException() = default;

std::wstring BaseException::Description() const
{
    std::wstring text = Message(code_);
    if (!detail_.empty())
        text += L" { " + detail_ + L" }";
    return text;
}

RegException::RegException(int code, std::wstring detail) : BaseException(code, std::move(detail)) {}

RegException::~RegException() = default;

std::wstring RegException::Message(int code) const
{
    switch (code) {
    case kCannotOpenKey:
        return L"Cannot open key";
    case kInvalidKeyName:
        return L"Invalid key name";
    case kCannotPerform:
        return L"Cannot perform operation";
    case kCannotConnect:
        return L"Cannot connect";
    case kCannotSetValue:
        return L"Cannot set value";
    default:
        return L"Unknown";
    }
}

} // namespace Profile
