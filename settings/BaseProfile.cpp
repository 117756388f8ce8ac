#include "settings/BaseProfile.h"
#include "settings/ProfileException.h"
#include <windows.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cwchar>

namespace Profile {

namespace {

// Scratch size for numbers rendered as text; FormatDouble's longest output
// (kMaxDigits digits in fixed notation) stays well inside it.
constexpr std::size_t kNumberBufferSize = 256;
constexpr int kMaxDigits = 64;
constexpr int kDefaultDoubleDigits = 15;

std::wstring RenderLong(long value)
{
    wchar_t buffer[kNumberBufferSize];
    std::swprintf(buffer, kNumberBufferSize, L"%ld", value);
    return buffer;
}

std::wstring RenderULong(unsigned long value)
{
    wchar_t buffer[kNumberBufferSize];
    std::swprintf(buffer, kNumberBufferSize, L"%lu", value);
    return buffer;
}

// Negative numbers as their 32-bit two's complement, whatever the width of long.
std::wstring RenderHex(long value)
{
    wchar_t buffer[kNumberBufferSize];
    std::swprintf(buffer, kNumberBufferSize, L"%lx",
                  static_cast<unsigned long>(static_cast<std::uint32_t>(value)));
    return buffer;
}

long ParseLong(const std::wstring& text)
{
    return std::wcstol(text.c_str(), nullptr, 10);
}

// Reads both what RenderHex writes ("ffffffff" is -1) and signed text ("-1f");
// a plain signed parse would clamp every negative number written to LONG_MAX.
long ParseHex(const std::wstring& text)
{
    unsigned long bits = std::wcstoul(text.c_str(), nullptr, 16);
    return static_cast<long>(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
}

void TrimFractionZeros(std::wstring& text)
{
    if (text.find(L'.') == std::wstring::npos)
        return;
    while (!text.empty() && text.back() == L'0')
        text.pop_back();
}

} // namespace

BaseProfile::~BaseProfile() = default;

std::wstring BaseProfile::JoinSection(const std::wstring& section, const std::wstring& name)
{
    return section.empty() ? name : section + kSeparator + name;
}

std::wstring BaseProfile::FormatDouble(double x, int digits)
{
    if (std::isnan(x))
        return L"nan";
    if (std::isinf(x))
        return x < 0 ? L"-inf" : L"inf";
    digits = std::clamp(digits, 1, kMaxDigits);

    // The exponent of the scientific form is the one after rounding to digits.
    wchar_t buffer[kNumberBufferSize];
    std::swprintf(buffer, kNumberBufferSize, L"%.*e", digits - 1, x);
    const wchar_t* e = std::wcschr(buffer, L'e');
    if (!e)
        return buffer;
    int exponent = static_cast<int>(std::wcstol(e + 1, nullptr, 10));

    if (exponent < -1 || exponent >= digits) {
        std::wstring text(static_cast<const wchar_t*>(buffer), e);
        if (text.find(L'.') == std::wstring::npos)
            text += L'.';
        TrimFractionZeros(text);
        wchar_t tail[16];
        std::swprintf(tail, 16, L"%03d", exponent < 0 ? -exponent : exponent);
        return text + (exponent < 0 ? L"e-" : L"e+") + tail;
    }
    std::swprintf(buffer, kNumberBufferSize, L"%#.*f", digits - 1 - exponent, x);
    std::wstring text = buffer;
    TrimFractionZeros(text);
    return text;
}

void BaseProfile::SetInt(const std::wstring& name, int value)
{
    SetString(name, RenderLong(value));
}

int BaseProfile::GetInt(const std::wstring& name, int def)
{
    return static_cast<int>(GetLong(name, def));
}

void BaseProfile::SetSection(const std::wstring& path)
{
    section_ = path;
}

void BaseProfile::SetBool(const std::wstring& name, bool value)
{
    SetInt(name, value ? 1 : 0);
}

void BaseProfile::SetLong(const std::wstring& name, long value)
{
    SetString(name, RenderLong(value));
}

void BaseProfile::SetULong(const std::wstring& name, unsigned long value)
{
    SetString(name, RenderULong(value));
}

void BaseProfile::SetFloat(const std::wstring& name, float value, int digits)
{
    SetDouble(name, static_cast<double>(value), digits);
}

void BaseProfile::SetDouble(const std::wstring& name, double value, int digits)
{
    SetString(name, FormatDouble(value, digits));
}

bool BaseProfile::GetBool(const std::wstring& name, bool def)
{
    return GetLong(name, def ? 1 : 0) != 0;
}

unsigned long BaseProfile::GetULong(const std::wstring& name, unsigned long def)
{
    return std::wcstoul(GetString(name, RenderULong(def)).c_str(), nullptr, 10);
}

long BaseProfile::GetLong(const std::wstring& name, long def)
{
    return ParseLong(GetString(name, RenderLong(def)));
}

float BaseProfile::GetFloat(const std::wstring& name, float def)
{
    return static_cast<float>(GetDouble(name, static_cast<double>(def)));
}

double BaseProfile::GetDouble(const std::wstring& name, double def)
{
    return std::wcstod(GetString(name, FormatDouble(def, kDefaultDoubleDigits)).c_str(), nullptr);
}

int BaseProfile::GetHexInt(const std::wstring& name, int def)
{
    return static_cast<int>(GetHexLong(name, def));
}

long BaseProfile::GetHexLong(const std::wstring& name, long def)
{
    return ParseHex(GetString(name, RenderHex(def)));
}

void BaseProfile::SetHexInt(const std::wstring& name, int value)
{
    SetString(name, RenderHex(value));
}

void BaseProfile::SetHexLong(const std::wstring& name, long value)
{
    SetString(name, RenderHex(value));
}

bool BaseProfile::EnterSection(const std::wstring& name)
{
    SetSection(JoinSection(section_, name));
    return true;
}

bool BaseProfile::GetSectionName(std::wstring& out)
{
    std::size_t last = section_.rfind(kSeparator);
    if (last == std::wstring::npos) {
        out = section_;
        return false;
    }
    out = section_.substr(last + 1);
    return true;
}

bool BaseProfile::LeaveSection()
{
    std::size_t last = section_.rfind(kSeparator);
    if (last == std::wstring::npos)
        return false;
    // Only the text changes here; a store with open keys re-opens afterwards.
    BaseProfile::SetSection(section_.substr(0, last));
    return true;
}

void BaseProfile::SetList(const std::wstring& name, const std::vector<std::wstring>& items, wchar_t separator,
                          int maxCount)
{
    std::size_t count = items.size();
    if (maxCount > 0)
        count = std::min(count, static_cast<std::size_t>(maxCount));
    std::wstring text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += separator;
        text += items[i];
    }
    SetString(name, text);
}

void BaseProfile::GetList(const std::wstring& name, std::vector<std::wstring>& out, wchar_t separator)
{
    std::wstring text = GetString(name, std::wstring());
    std::size_t start = 0;
    for (std::size_t pos = text.find(separator); pos != std::wstring::npos; pos = text.find(separator, start)) {
        out.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    if (start < text.size())
        out.push_back(text.substr(start));
}

void BaseProfile::SetNumberedValues(const std::wstring& prefix, const std::vector<std::wstring>& items)
{
    // Written before anything is removed, so a failed write loses nothing.
    std::vector<std::wstring> written;
    for (std::size_t i = 0; i < items.size(); ++i) {
        written.push_back(prefix + RenderULong(static_cast<unsigned long>(i + 1)));
        SetString(written.back(), items[i]);
    }
    std::vector<std::wstring> names;
    GetValueNames(names);
    for (const std::wstring& name : names) {
        bool keep = std::any_of(written.begin(), written.end(), [&](const std::wstring& item) {
            return ::CompareStringOrdinal(item.c_str(), static_cast<int>(item.size()), name.c_str(),
                                          static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
        });
        if (!keep && !DeleteValue(name))
            throw RegException(RegException::kCannotPerform, L"Key: " + name);
    }
}

void BaseProfile::GetValues(const std::wstring& prefix, std::vector<std::wstring>& out, bool numbered)
{
    out.clear();
    if (numbered) {
        static const std::wstring kMissing = L"NoKey";
        for (unsigned long i = 1;; ++i) {
            std::wstring text = GetString(prefix + RenderULong(i), kMissing);
            if (text == kMissing)
                break;
            out.push_back(std::move(text));
        }
        return;
    }
    static const std::wstring kFailed = L"Failed";
    std::vector<std::wstring> names;
    GetValueNames(names);
    for (const std::wstring& name : names) {
        std::wstring text = GetString(name, kFailed);
        if (text != kFailed)
            out.push_back(std::move(text));
    }
}

bool BaseProfile::HasSection(const std::wstring& name)
{
    std::vector<std::wstring> names;
    GetSectionNames(names);
    return std::any_of(names.begin(), names.end(), [&](const std::wstring& candidate) {
        return ::CompareStringOrdinal(candidate.c_str(), static_cast<int>(candidate.size()), name.c_str(),
                                      static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
    });
}

} // namespace Profile
