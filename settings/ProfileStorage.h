#pragma once
// Root interface of the profile stores: a named store of text values that
// typed values are rendered into.
#include <string>

namespace Profile {

class Storage {
public:
    Storage() = default;
    virtual ~Storage();

    virtual void SetName(const std::wstring& name);
    virtual std::wstring GetName() const;

    virtual void SetInt(const std::wstring& name, int value) = 0;
    virtual int GetInt(const std::wstring& name, int def) = 0;
    // The value's text, or def when it cannot be read. Never throws.
    virtual std::wstring GetString(const std::wstring& name, const std::wstring& def) = 0;
    virtual bool SetString(const std::wstring& name, const std::wstring& value) = 0;

protected:
    Storage(const Storage&) = default;
    Storage& operator=(const Storage&) = default;

private:
    std::wstring name_;
};

} // namespace Profile
