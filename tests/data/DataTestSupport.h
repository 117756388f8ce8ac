#pragma once
// Helpers of the verb data tests: modules opened as data files (verbs.exe,
// the reader's test modules) and the expectation on one verb record.
#include "data/VerbRecord.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace datatest {

// A module beside the test executable, mapped for its resources only.
class DataModule {
public:
    explicit DataModule(const std::wstring& fileName)
        : handle_(::LoadLibraryExW((testutil::ExecutableFolder() + L"\\" + fileName).c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~DataModule()
    {
        if (handle_)
            ::FreeLibrary(handle_);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    HMODULE Get() const { return handle_; }

private:
    HMODULE handle_;
};

inline void ExpectRecord(const VerbRecord& record, const std::wstring& infinitive, const std::wstring& pastTense,
                         const std::wstring& pastParticiple, const std::wstring& translation)
{
    EXPECT_EQ(record.infinitive, infinitive);
    EXPECT_EQ(record.pastTense, pastTense);
    EXPECT_EQ(record.pastParticiple, pastParticiple);
    EXPECT_EQ(record.translation, translation);
}

inline bool IsEmpty(const VerbRecord& record)
{
    return record.infinitive.empty() && record.pastTense.empty() && record.pastParticiple.empty() &&
           record.translation.empty();
}

} // namespace datatest
