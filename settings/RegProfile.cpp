#include "settings/RegProfile.h"
#include "settings/ProfileException.h"
#include "settings/RegistryApi.h"
#include <algorithm>
#include <iterator>

namespace Profile {

namespace {

struct RootName {
    const wchar_t* name;
    HKEY key;
};

const RootName kRootNames[] = {
    {L"CLASSES_ROOT", HKEY_CLASSES_ROOT},   {L"CURRENT_USER", HKEY_CURRENT_USER},
    {L"LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"USERS", HKEY_USERS},
    {L"CURRENT_CONFIG", HKEY_CURRENT_CONFIG}, {L"DYN_DATA", HKEY_DYN_DATA},
    {L"PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
};

constexpr DWORD kFirstReadBytes = 1024;
// A value that keeps growing between two queries is given up after this many.
constexpr int kMaxReadAttempts = 16;
// Value names reach 16383 characters; key names 255.
constexpr std::size_t kMaxNameChars = 32768;
constexpr std::size_t kMinNameChars = 256;

// Calls enumerate(index, buffer, &length) for index 0, 1, ... and appends the
// names. The buffer starts at the size the key reports for its longest name
// and grows when a name does not fit (a name added since the query), so no
// entry ends the walk early; no data is fetched, so large values cannot either.
template <typename Enumerate>
bool EnumerateNames(DWORD longestName, std::vector<std::wstring>& out, Enumerate enumerate)
{
    std::vector<wchar_t> buffer(std::min(std::max<std::size_t>(longestName + 1, kMinNameChars), kMaxNameChars));
    bool appended = false;
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        LSTATUS status = enumerate(index, buffer.data(), &length);
        if (status == ERROR_MORE_DATA && buffer.size() < kMaxNameChars) {
            buffer.resize(std::min(buffer.size() * 2, kMaxNameChars));
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        out.emplace_back(buffer.data(), std::min<std::size_t>(length, buffer.size()));
        appended = true;
        ++index;
    }
    return appended;
}

// Whether section lies in the tree of path (registry names ignore case).
bool IsSameOrBelow(const std::wstring& section, const std::wstring& path)
{
    if (section.size() < path.size() ||
        ::CompareStringOrdinal(section.c_str(), static_cast<int>(path.size()), path.c_str(),
                               static_cast<int>(path.size()), TRUE) != CSTR_EQUAL)
        return false;
    return section.size() == path.size() || section[path.size()] == BaseProfile::kSeparator;
}

// The path with empty components dropped: no separator at either end, none
// doubled. The registry reads "A\B\" as "A\B", but stepping up from it
// by text would land on "A\B" again.
std::wstring CanonicalSection(const std::wstring& path)
{
    std::wstring canonical;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = std::min(path.find(BaseProfile::kSeparator, start), path.size());
        if (end > start) {
            if (!canonical.empty())
                canonical += BaseProfile::kSeparator;
            canonical.append(path, start, end - start);
        }
        start = end + 1;
    }
    return canonical;
}

} // namespace

RegProfile::~RegProfile()
{
    key_.reset();
    remote_.reset();
}

void RegProfile::SetName(const std::wstring& name)
{
    Storage::SetName(name);
    auto found = std::find_if(std::begin(kRootNames), std::end(kRootNames),
                              [&](const RootName& root) { return name == root.name; });
    // A rejected name leaves no root selected, so nothing is opened under a
    // root that no longer matches the store's name.
    root_ = found != std::end(kRootNames) ? found->key : nullptr;
    if (!root_)
        throw RegException(RegException::kInvalidKeyName, L"KeyName: " + name);
}

void RegProfile::OpenSection()
{
    key_.reset();
    HKEY base = remote_ ? remote_.get() : root_;
    REGSAM access = remote_ ? (KEY_READ | KEY_WRITE) : KEY_ALL_ACCESS;
    HKEY key = nullptr;
    if (!base || Registry().CreateKeyEx(base, Section().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                        &key, nullptr) != ERROR_SUCCESS)
        throw RegException(RegException::kCannotOpenKey, L"Section: " + Section());
    key_.reset(key);
}

void RegProfile::SetSection(const std::wstring& path)
{
    BaseProfile::SetSection(path);
    OpenSection();
}

bool RegProfile::EnterSection(const std::wstring& name)
{
    BaseProfile::EnterSection(name); // opens through SetSection
    OpenSection();
    return true;
}

bool RegProfile::LeaveSection()
{
    bool left = BaseProfile::LeaveSection();
    OpenSection();
    return left;
}

std::wstring RegProfile::GetString(const std::wstring& name, const std::wstring& def)
{
    if (!key_)
        return def;
    // Whole wide characters; the byte count the registry returns decides how
    // many of them hold data.
    std::vector<wchar_t> buffer(kFirstReadBytes / sizeof(wchar_t));
    DWORD size = 0;
    LSTATUS status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < kMaxReadAttempts && status == ERROR_MORE_DATA; ++attempt) {
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = Registry().QueryValueEx(key_.get(), name.c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_MORE_DATA) {
            std::size_t needed = (static_cast<std::size_t>(size) + 1) / sizeof(wchar_t);
            buffer.resize(std::max(needed, buffer.size() * 2));
        }
    }
    if (status != ERROR_SUCCESS)
        return def;
    // Text ends at the first zero character or with the data, whatever the
    // value's type; an odd last byte is no character.
    std::size_t count = std::min<std::size_t>(size / sizeof(wchar_t), buffer.size());
    const wchar_t* begin = buffer.data();
    return std::wstring(begin, std::find(begin, begin + count, L'\0'));
}

bool RegProfile::SetString(const std::wstring& name, const std::wstring& value)
{
    std::size_t bytes = (value.size() + 1) * sizeof(wchar_t);
    if (!key_ || bytes > MAXDWORD ||
        Registry().SetValueEx(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(bytes)) != ERROR_SUCCESS)
        throw RegException(RegException::kCannotSetValue, L"Key: " + name + L" Value:" + value);
    return true;
}

bool RegProfile::DeleteValue(const std::wstring& name)
{
    return key_ && Registry().DeleteValue(key_.get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<DWORD> RegProfile::ValueType(const std::wstring& name)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!key_ || Registry().QueryValueEx(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return type;
}

bool RegProfile::GetValueNames(std::vector<std::wstring>& out)
{
    if (!key_)
        return false;
    HKEY key = key_.get();
    DWORD longest = 0;
    if (Registry().QueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                                nullptr, nullptr) != ERROR_SUCCESS)
        longest = 0;
    return EnumerateNames(longest, out, [key](DWORD index, wchar_t* name, DWORD* length) {
        return Registry().EnumValue(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

bool RegProfile::GetSubkeyNames(std::vector<std::wstring>& out)
{
    if (!key_)
        return false;
    HKEY key = key_.get();
    DWORD longest = 0;
    if (Registry().QueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr) != ERROR_SUCCESS)
        longest = 0;
    return EnumerateNames(longest, out, [key](DWORD index, wchar_t* name, DWORD* length) {
        return Registry().EnumKeyEx(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

bool RegProfile::GetSectionNames(std::vector<std::wstring>& out)
{
    return GetSubkeyNames(out);
}

bool RegProfile::GetAllValues(std::vector<std::wstring>& out)
{
    std::vector<std::wstring> names;
    GetValueNames(names);
    for (const std::wstring& name : names)
        out.push_back(GetString(name, std::wstring()));
    return true;
}

bool RegProfile::DeleteSection(const std::wstring& path)
{
    if (!path.empty()) {
        std::wstring target = CanonicalSection(path);
        if (target.empty())
            return false; // separators alone name no key, and never the root
        std::wstring saved = Section();
        SetSection(target);
        bool deleted = DeleteSection(std::wstring());
        // Going back into the deleted key, or below it, would create it again:
        // the store then stays at the deleted key's parent.
        if (!(deleted && IsSameOrBelow(CanonicalSection(saved), target)))
            SetSection(saved);
        return deleted;
    }
    // The current key deletes itself; an empty section is the root key, which
    // is never deleted.
    bool deleted = key_ && !Section().empty() && Registry().DeleteKey(key_.get(), L"") == ERROR_SUCCESS;
    LeaveSection();
    return deleted;
}

void RegProfile::CollectLeafSections(std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> names;
    if (!GetSectionNames(names)) {
        paths.push_back(Section());
        return;
    }
    for (const std::wstring& name : names) {
        SetSection(JoinSection(Section(), name));
        CollectLeafSections(paths);
        LeaveSection();
    }
}

bool RegProfile::DeleteSectionTree(bool includeCurrent)
{
    const std::wstring start = Section();
    // Below the root, leaving a one-component section cannot reach the start,
    // and a whole root is never wiped.
    if (start.empty())
        return false;

    // Only keys without subkeys are recorded; deleting upwards from each of
    // them removes a parent once its last child is gone (earlier attempts on
    // the parent fail harmlessly while children remain).
    std::vector<std::wstring> leaves;
    CollectLeafSections(leaves);
    for (const std::wstring& leaf : leaves) {
        SetSection(leaf);
        while (Section() != start) {
            std::size_t before = Section().size();
            DeleteSection(std::wstring());
            if (Section().size() >= before)
                break;
        }
    }
    SetSection(start);
    // Counted, not enumerated: an enumeration that fails lists nothing too.
    DWORD subkeys = 0;
    bool below = key_ && Registry().QueryInfoKey(key_.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                 subkeys == 0;
    if (!includeCurrent)
        return below;
    return DeleteSection(std::wstring()) && below;
}

void RegProfile::Connect(const std::wstring& machine)
{
    HKEY remote = nullptr;
    if (!root_ || Registry().ConnectRegistry(machine.empty() ? nullptr : machine.c_str(), root_, &remote) !=
                      ERROR_SUCCESS)
        throw RegException(RegException::kCannotConnect, L"MachineName: " + machine);
    remote_.reset(remote);
}

} // namespace Profile
