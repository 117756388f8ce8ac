#pragma once
// Failures of the profile store. The code says why, the detail says what was
// being accessed; Description() combines both for people.
#include <string>

namespace Profile {

class BaseException {
public:
    BaseException(int code, std::wstring detail);
    virtual ~BaseException();

    // Message(code), followed by " { detail }" when there is a detail.
    virtual std::wstring Description() const;
    virtual std::wstring Message(int code) const = 0;

    int Code() const { return code_; }
    const std::wstring& Detail() const { return detail_; }

protected:
    BaseException(const BaseException&) = default;
    BaseException& operator=(const BaseException&) = default;

private:
    int code_;
    std::wstring detail_;
};

// Raised by the registry store. Codes: see the constants.
class RegException : public BaseException {
public:
    enum : int {
        kCannotOpenKey = 0,
        kInvalidKeyName = 1,
        kCannotPerform = 2,
        kCannotConnect = 3,
        kCannotSetValue = 4,
    };

    RegException(int code, std::wstring detail);
    RegException(const RegException&) = default;
    RegException& operator=(const RegException&) = default;
    ~RegException() override;

    std::wstring Message(int code) const override;
};

} // namespace Profile
