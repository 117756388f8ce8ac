#pragma once
// A profile store with one current section (a path of components joined by
// a backslash). Typed numbers and lists are stored as text through
// GetString/SetString; sections and enumeration come from the concrete store.
#include "settings/ProfileStorage.h"
#include <string>
#include <vector>

namespace Profile {

class BaseProfile : public Storage {
public:
    static constexpr wchar_t kSeparator = L'\\';

    BaseProfile() = default;
    ~BaseProfile() override;

    void SetInt(const std::wstring& name, int value) override;
    int GetInt(const std::wstring& name, int def) override;

    // Replaces the whole section (relative to the store's root).
    virtual void SetSection(const std::wstring& path);
    virtual void SetBool(const std::wstring& name, bool value);
    virtual void SetLong(const std::wstring& name, long value);
    virtual void SetULong(const std::wstring& name, unsigned long value);
    virtual void SetFloat(const std::wstring& name, float value, int digits);
    virtual void SetDouble(const std::wstring& name, double value, int digits);
    virtual bool GetBool(const std::wstring& name, bool def);
    virtual unsigned long GetULong(const std::wstring& name, unsigned long def);
    virtual long GetLong(const std::wstring& name, long def);
    virtual float GetFloat(const std::wstring& name, float def);
    virtual double GetDouble(const std::wstring& name, double def);
    virtual int GetHexInt(const std::wstring& name, int def);
    virtual long GetHexLong(const std::wstring& name, long def);
    virtual void SetHexInt(const std::wstring& name, int value);
    virtual void SetHexLong(const std::wstring& name, long value);
    // Appends name to the section; always true.
    virtual bool EnterSection(const std::wstring& name);
    // The last component of the section; false when the section has only one.
    virtual bool GetSectionName(std::wstring& out);
    // Drops the last component; false (section unchanged) when there is only one.
    virtual bool LeaveSection();
    // Items joined by separator; maxCount <= 0 means all items.
    virtual void SetList(const std::wstring& name, const std::vector<std::wstring>& items, wchar_t separator,
                         int maxCount);
    virtual void GetList(const std::wstring& name, std::vector<std::wstring>& out, wchar_t separator);
    // Replaces every value of the section with prefix1, prefix2, ...: the new
    // values are written first, then the others removed, so that a failure
    // never leaves fewer values than either list had. A write that fails
    // throws with the values before it new and the rest old; a leftover that
    // cannot be removed throws (RegException) with the new list complete.
    virtual void SetNumberedValues(const std::wstring& prefix, const std::vector<std::wstring>& items);
    virtual void GetValues(const std::wstring& prefix, std::vector<std::wstring>& out, bool numbered);
    virtual bool DeleteSection(const std::wstring& path) = 0;
    virtual bool DeleteSectionTree(bool includeCurrent) = 0;
    virtual bool DeleteValue(const std::wstring& name) = 0;
    virtual bool GetValueNames(std::vector<std::wstring>& out) = 0;
    virtual bool GetAllValues(std::vector<std::wstring>& out) = 0;
    virtual bool GetSubkeyNames(std::vector<std::wstring>& out) = 0;
    virtual bool GetSectionNames(std::vector<std::wstring>& out) = 0;
    // Case-insensitive, as the registry compares key names.
    virtual bool HasSection(const std::wstring& name);

    const std::wstring& Section() const { return section_; }

    // x rounded to digits significant digits: fixed notation unless the
    // decimal exponent is below -1 or not below digits; trailing zeros of the
    // fraction dropped, the point kept ("2.", "1.5e+020").
    static std::wstring FormatDouble(double x, int digits);

protected:
    BaseProfile(const BaseProfile&) = default;
    BaseProfile& operator=(const BaseProfile&) = default;

    static std::wstring JoinSection(const std::wstring& section, const std::wstring& name);

private:
    std::wstring section_;
};

} // namespace Profile
