#include "tools/verbres/VerbResEncoder.h"

#include <cstdio>
#include <utility>

namespace VerbResource {

namespace {

const char* const kFieldNames[kFieldsPerRecord] = {"infinitive", "past tense", "past participle",
                                                   "translation"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

std::string CodePointName(std::uint32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

std::string ByteName(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned>(b));
    return buf;
}

// Code page 866 holds the Russian alphabet in three runs and Ё/ё apart.
bool CyrillicTo866(std::uint32_t cp, unsigned char& out) {
    if (cp >= 0x0410 && cp <= 0x042F) {  // А..Я
        out = static_cast<unsigned char>(0x80 + (cp - 0x0410));
        return true;
    }
    if (cp >= 0x0430 && cp <= 0x043F) {  // а..п
        out = static_cast<unsigned char>(0xA0 + (cp - 0x0430));
        return true;
    }
    if (cp >= 0x0440 && cp <= 0x044F) {  // р..я
        out = static_cast<unsigned char>(0xE0 + (cp - 0x0440));
        return true;
    }
    if (cp == 0x0401) {  // Ё
        out = 0xF0;
        return true;
    }
    if (cp == 0x0451) {  // ё
        out = 0xF1;
        return true;
    }
    return false;
}

// Reads one UTF-8 sequence starting at s[pos]. Returns its length, or 0 when
// the bytes there are not well-formed UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included).
std::size_t DecodeUtf8(const std::string& s, std::size_t pos, std::uint32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    std::size_t len;
    std::uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size()) return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// The answer check splits a stored form at "; " (semicolon and exactly one
// blank), so a form must follow that shape or some variant could never match.
bool CheckVariants(const std::string& field, std::string& problem) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t semi = field.find(';', start);
        const std::string variant = field.substr(start, semi == std::string::npos ? std::string::npos
                                                                                   : semi - start);
        if (variant.empty() || IsBlank(variant.front()) || IsBlank(variant.back())) {
            problem = "variants must be written \"A; B\" (semicolon and one blank)";
            return false;
        }
        if (semi == std::string::npos) return true;
        if (semi + 1 >= field.size() || field[semi + 1] != ' ') {
            problem = "variants must be written \"A; B\" (semicolon and one blank)";
            return false;
        }
        start = semi + 2;
    }
}

// The lines of a source text that hold data, split at "|" into trimmed
// fields. A byte order mark (what some editors put before the first line) is
// skipped, line ends may be LF or CRLF, and blank lines and lines whose first
// non-blank character is '#' are skipped but counted.
class SourceLines {
public:
    explicit SourceLines(const std::string& text)
        : text_(text), pos_(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0) {}

    bool NextFields(std::vector<std::string>& fields) {
        while (pos_ < text_.size()) {
            std::size_t eol = text_.find('\n', pos_);
            if (eol == std::string::npos) eol = text_.size();
            std::string line = text_.substr(pos_, eol - pos_);
            pos_ = eol + 1;
            ++number_;
            if (!line.empty() && line.back() == '\r') line.pop_back();

            const std::string trimmed = Trim(line);
            if (trimmed.empty() || trimmed[0] == '#') continue;

            fields.clear();
            std::size_t start = 0;
            for (;;) {
                const std::size_t bar = line.find('|', start);
                fields.push_back(Trim(line.substr(start, bar == std::string::npos ? std::string::npos
                                                                                   : bar - start)));
                if (bar == std::string::npos) break;
                start = bar + 1;
            }
            return true;
        }
        return false;
    }

    // 1-based number of the line last read.
    std::size_t Number() const { return number_; }

private:
    const std::string& text_;
    std::size_t pos_;
    std::size_t number_ = 0;
};

// The whole variants of a form written "A; B".
std::vector<std::string> Variants(const std::string& form) {
    std::vector<std::string> variants;
    for (std::size_t start = 0;;) {
        const std::size_t end = form.find("; ", start);
        variants.push_back(form.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return variants;
        start = end + 2;
    }
}

// The plain fields of encoded bytes, each ended by its separator.
std::vector<std::string> DecodeFields(const std::vector<std::uint8_t>& bytes, std::uint8_t key) {
    std::vector<std::string> fields(1);
    for (std::uint8_t b : bytes) {
        if (b == kSeparator)
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(b ^ key));
    }
    fields.pop_back();
    return fields;
}

}  // namespace

std::string EncodeResult::Message() const {
    if (ok) return std::string();
    return "line " + std::to_string(line) + ": " + problem;
}

bool Utf8ToCp866(const std::string& utf8, std::string& out, std::string& problem) {
    out.clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::uint32_t cp = 0;
        const std::size_t len = DecodeUtf8(utf8, pos, cp);
        if (len == 0) {
            problem = "invalid UTF-8 (byte " + ByteName(static_cast<unsigned char>(utf8[pos])) +
                      " at column " + std::to_string(pos + 1) + ")";
            return false;
        }
        unsigned char b = 0;
        if (cp >= 0x20 && cp < 0x7F) {
            b = static_cast<unsigned char>(cp);
        } else if (cp < 0x80) {
            problem = "control character " + CodePointName(cp) + " in text";
            return false;
        } else if (!CyrillicTo866(cp, b)) {
            problem = "character " + CodePointName(cp) + " \"" + utf8.substr(pos, len) +
                      "\" has no place in code page 866 text (only ASCII and Russian letters)";
            return false;
        }
        out.push_back(static_cast<char>(b));
        pos += len;
    }
    return true;
}

EncodeResult EncodeVerbTable(const std::string& text, std::uint8_t key) {
    EncodeResult result;
    const unsigned char unstorable = static_cast<unsigned char>(key ^ kSeparator);
    std::vector<std::uint8_t> bytes;
    std::size_t records = 0;
    SourceLines lines(text);

    const auto fail = [&](const std::string& problem) {
        result.ok = false;
        result.line = lines.Number();
        result.problem = problem;
        return result;
    };

    std::vector<std::string> fields;
    while (lines.NextFields(fields)) {
        if (fields.size() != kFieldsPerRecord) {
            return fail("expected " + std::to_string(kFieldsPerRecord) +
                        " fields separated by \"|\", found " + std::to_string(fields.size()));
        }
        if (records == kMaxRecords) {
            return fail("more than " + std::to_string(kMaxRecords) + " verbs");
        }

        for (std::size_t f = 0; f < kFieldsPerRecord; ++f) {
            const std::string& field = fields[f];
            const std::string name = kFieldNames[f];
            if (field.find(kUnderscore) != std::string::npos) {
                return fail(name + ": underscore is not allowed (the reader turns it into a blank)");
            }
            std::string plain;
            if (f < 3) {
                if (field.empty()) return fail(name + " is empty");
                for (std::size_t i = 0; i < field.size(); ++i) {
                    const unsigned char c = static_cast<unsigned char>(field[i]);
                    if (c < 0x20 || c > 0x7E) {
                        return fail(name + ": byte " + ByteName(c) + " at column " +
                                    std::to_string(i + 1) + " is not printable ASCII");
                    }
                }
                std::string problem;
                if (!CheckVariants(field, problem)) return fail(name + ": " + problem);
                plain = field;
            } else {
                std::string problem;
                if (!Utf8ToCp866(field, plain, problem)) return fail(name + ": " + problem);
            }
            if (plain.size() > kMaxFieldBytes) {
                return fail(name + " is " + std::to_string(plain.size()) + " bytes long, at most " +
                            std::to_string(kMaxFieldBytes) + " are allowed");
            }
            for (char ch : plain) {
                const unsigned char c = static_cast<unsigned char>(ch);
                if (c == unstorable) {
                    return fail(name + ": byte " + ByteName(c) +
                                " cannot be stored (it would scramble to the separator)");
                }
                bytes.push_back(static_cast<std::uint8_t>(c ^ key));
            }
            bytes.push_back(kSeparator);
        }
        ++records;
    }

    result.ok = true;
    result.bytes = std::move(bytes);
    result.records = records;
    return result;
}

EncodeResult EncodeAlsoAccepted(const std::string& text, const EncodeResult& table, std::uint8_t key) {
    EncodeResult result;
    SourceLines lines(text);
    const auto fail = [&](const std::string& problem) {
        result.ok = false;
        result.line = lines.Number();
        result.problem = problem;
        return result;
    };
    if (!table.ok) return fail("the verb table is refused (" + table.Message() + ")");

    const std::vector<std::string> tableFields = DecodeFields(table.bytes, key);
    const unsigned char unstorable = static_cast<unsigned char>(key ^ kSeparator);
    std::vector<bool> given(table.records, false);
    std::vector<std::uint8_t> bytes;
    std::size_t records = 0;
    const auto put = [&](const std::string& plain) {
        for (char c : plain) bytes.push_back(static_cast<std::uint8_t>(static_cast<unsigned char>(c) ^ key));
        bytes.push_back(kSeparator);
    };

    std::vector<std::string> fields;
    while (lines.NextFields(fields)) {
        if (fields.size() != kAlsoFieldsPerRecord) {
            return fail("expected " + std::to_string(kAlsoFieldsPerRecord) +
                        " fields separated by \"|\", found " + std::to_string(fields.size()));
        }
        std::size_t verb = 0;
        while (verb < table.records && tableFields[verb * kFieldsPerRecord] != fields[0]) ++verb;
        if (verb == table.records) return fail("no verb \"" + fields[0] + "\" in the verb table");
        if (given[verb]) return fail("verb \"" + fields[0] + "\" is given twice");
        given[verb] = true;

        std::string forms[2];
        for (std::size_t f = 0; f < 2; ++f) {
            const std::string& field = fields[f + 1];
            const std::string name = kFieldNames[f + 1];
            if (field == "-") continue;
            if (field.empty()) return fail(name + " is empty (write \"-\" for none)");
            for (std::size_t i = 0; i < field.size(); ++i) {
                const unsigned char c = static_cast<unsigned char>(field[i]);
                if (c < 0x20 || c > 0x7E || c == static_cast<unsigned char>(kUnderscore) || c == unstorable) {
                    return fail(name + ": byte " + ByteName(c) + " at column " + std::to_string(i + 1) +
                                " is not printable ASCII that can be stored");
                }
            }
            std::string problem;
            if (!CheckVariants(field, problem)) return fail(name + ": " + problem);
            if (field.size() > kMaxFieldBytes) {
                return fail(name + " is " + std::to_string(field.size()) + " bytes long, at most " +
                            std::to_string(kMaxFieldBytes) + " are allowed");
            }
            const std::vector<std::string> own = Variants(tableFields[verb * kFieldsPerRecord + f + 1]);
            for (const std::string& variant : Variants(field)) {
                for (const std::string& tableVariant : own) {
                    if (variant == tableVariant)
                        return fail(name + ": \"" + variant + "\" is already a form of the verb table");
                }
            }
            forms[f] = field;
        }
        if (forms[0].empty() && forms[1].empty()) return fail("no form given (\"-\" twice)");

        put(std::to_string(verb + 1));
        put(forms[0]);
        put(forms[1]);
        ++records;
    }

    result.ok = true;
    result.bytes = std::move(bytes);
    result.records = records;
    return result;
}

}  // namespace VerbResource
