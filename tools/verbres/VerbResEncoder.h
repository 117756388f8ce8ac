// Turns the text of the verb table (data/resources/verbs.txt) into the bytes
// of the scrambled verb-table resource. Standard C++ only: the encoder runs in
// the build-machine tool and in the program's tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/VerbResourceFormat.h"

namespace VerbResource {

struct EncodeResult {
    bool ok = false;
    std::vector<std::uint8_t> bytes;  // the resource data, when ok
    std::size_t records = 0;          // records encoded, when ok
    std::size_t line = 0;             // 1-based line of the problem, when not ok
    std::string problem;              // what is wrong on that line, when not ok

    // "line <n>: <problem>", or "" when ok.
    std::string Message() const;
};

// Input format, one line per verb:
//     infinitive | past tense | past participle | translation
// Lines whose first non-blank character is '#' and blank lines are skipped;
// line ends may be LF or CRLF, and a UTF-8 byte order mark before the first
// line is skipped. Blanks around fields are removed. The English forms must be
// printable ASCII; variants are written "A; B". The translation is UTF-8 and is
// stored in code page 866.
//
// The key is a parameter only so that the refusal of the unstorable byte can
// be exercised; the program reads with kKey.
EncodeResult EncodeVerbTable(const std::string& text, std::uint8_t key = kKey);

// Input format of the forms a test also accepts beside the table's, one line
// per verb:
//     infinitive | past tense forms | past participle forms
// with "-" for none and variants written "A; B"; comments, blank lines, line
// ends and the byte order mark as for the table. The infinitive must name a
// verb of `table` (the verb table encoded with the same key), once; a line
// gives at least one form, and no form the table already gives for that form
// of the verb. Each line becomes three fields: the verb number in decimal
// digits, the past tense forms, the past participle forms (empty for "-").
EncodeResult EncodeAlsoAccepted(const std::string& text, const EncodeResult& table, std::uint8_t key = kKey);

// Converts UTF-8 text to code page 866, limited to ASCII (printable and
// blank) and the Russian alphabet. On failure returns false and describes the
// offending input in `problem`.
bool Utf8ToCp866(const std::string& utf8, std::string& out, std::string& problem);

}  // namespace VerbResource
