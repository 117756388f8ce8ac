// Layout of the scrambled verb-table resource.
//
// Shared by the reader inside the program and by the build-machine tool that
// writes the resource, so it must stay free of any platform header.
//
// The resource is a plain run of fields: every byte of a field's text is
// stored XOR kKey, and every field ends with one kSeparator byte. Four fields
// make a record (infinitive, past tense, past participle, translation); there
// is no header and no count.
#pragma once

#include <cstddef>
#include <cstdint>

namespace VerbResource {

// Scrambling key. A plain byte equal to kKey ^ kSeparator would scramble to
// the separator and cannot be stored; with this key that byte is 0xB5, a
// box-drawing character of code page 866 that never occurs in verb text.
constexpr std::uint8_t kKey = 0x4A;

// Ends every field. Never produced by scrambling an allowed byte.
constexpr std::uint8_t kSeparator = 0xFF;

// The one plain byte that cannot be stored.
constexpr std::uint8_t kUnstorableByte = static_cast<std::uint8_t>(kKey ^ kSeparator);

// The reader collects a field in a 52-byte buffer (51 bytes and the
// terminating zero), so no field may be longer.
constexpr std::size_t kMaxFieldBytes = 51;

// Infinitive, past tense, past participle, translation.
constexpr std::size_t kFieldsPerRecord = 4;

// The verb table has exactly this many slots; the reader has no bound check,
// so the writer refuses anything larger.
constexpr std::size_t kMaxRecords = 294;

// The resource is found by type name and integer identifier.
constexpr const char kTypeName[] = "VRB";
constexpr const wchar_t kTypeNameW[] = L"VRB";
constexpr int kResourceId = 154;

// The forms a test also accepts beside the table's own live in a resource of
// their own, so that the table's bytes stay as they are. Same scrambling and
// separator; three fields a record: the verb number in decimal digits, the
// past tense forms and the past participle forms (either may be empty).
constexpr const char kAlsoTypeName[] = "VRA";
constexpr const wchar_t kAlsoTypeNameW[] = L"VRA";
constexpr int kAlsoResourceId = 155;
constexpr std::size_t kAlsoFieldsPerRecord = 3;

// The reader turns this character back into a blank, so texts cannot hold it.
constexpr char kUnderscore = '_';

}  // namespace VerbResource
