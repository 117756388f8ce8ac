// verb_case_writer <folder>
//
// Build-time tool for the reader tests in tests/data: writes one verb-table
// resource per case into the folder; each becomes resource "VRB" of its own
// test module. The bytes are made here rather than by tools/verbres because
// several cases are resources that the writer rightly refuses to produce
// (fields too long, too many records, no final separator). Translations are
// converted to code page 866 by its fixed letter layout, independently of the
// writer's converter. The expected tables are in tests/data/VerbReaderTest.cpp.
#include "data/VerbResourceFormat.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

using Bytes = std::string;

// Code page 866 from UTF-8: ASCII and the Russian alphabet only.
Bytes Cp866(const std::string& utf8)
{
    Bytes out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        // Two-byte sequences cover U+0401..U+0451.
        unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        i += 2;
        unsigned char c = 0;
        if (cp >= 0x410 && cp <= 0x42F)
            c = static_cast<unsigned char>(0x80 + (cp - 0x410)); // А..Я
        else if (cp >= 0x430 && cp <= 0x43F)
            c = static_cast<unsigned char>(0xA0 + (cp - 0x430)); // а..п
        else if (cp >= 0x440 && cp <= 0x44F)
            c = static_cast<unsigned char>(0xE0 + (cp - 0x440)); // р..я
        else if (cp == 0x401)
            c = 0xF0; // Ё
        else if (cp == 0x451)
            c = 0xF1; // ё
        else {
            std::cerr << "verb_case_writer: no code page 866 letter for U+" << std::hex << cp << "\n";
            std::exit(1);
        }
        out += static_cast<char>(c);
    }
    return out;
}

Bytes Scramble(const Bytes& plain)
{
    Bytes out;
    for (char c : plain) {
        if (static_cast<std::uint8_t>(c) == VerbResource::kUnstorableByte) {
            std::cerr << "verb_case_writer: a case holds the byte the key cannot store\n";
            std::exit(1);
        }
        out += static_cast<char>(static_cast<std::uint8_t>(c) ^ VerbResource::kKey);
    }
    return out;
}

// One field with its separator.
Bytes Field(const Bytes& plain)
{
    return Scramble(plain) + static_cast<char>(VerbResource::kSeparator);
}

Bytes Record(const Bytes& infinitive, const Bytes& past, const Bytes& participle, const std::string& russian)
{
    return Field(infinitive) + Field(past) + Field(participle) + Field(Cp866(russian));
}

// n letters a, b, c, ... z, a, ... (the tests build the same text).
Bytes Letters(std::size_t n)
{
    Bytes out;
    for (std::size_t i = 0; i < n; ++i)
        out += static_cast<char>('a' + i % 26);
    return out;
}

std::string Repeat(const std::string& text, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += text;
    return out;
}

bool Write(const std::string& folder, const char* name, const Bytes& bytes)
{
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "verb_case_writer: cannot write " << folder << "/" << name << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: verb_case_writer <folder>\n";
        return 1;
    }
    const std::string folder = argv[1];
    bool ok = true;

    // Blanks stored as underscores and as scrambled blanks read the same.
    ok &= Write(folder, "underscore.vrb",
                Record("look_after", "looked_after", "looked after", "присматривать_за") +
                    Record("give up", "gave_up", "given_up", "сдаваться"));

    // English bytes are taken as stored (code page 1251: these four read
    // "идти"), the translation is code page 866; the whole alphabet, with Ё,
    // digits and punctuation.
    ok &= Write(folder, "codepages.vrb",
                Record("\xE8\xE4\xF2\xE8", "went", "gone", "идти, ёж") +
                    Record("a", "b", "c", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ") +
                    Record("d", "e", "f", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя") +
                    Record("g", "h", "i", "(устар.) 1-2, \"x\"; y!"));

    // Empty fields: an empty past tense, an empty translation, an empty infinitive.
    ok &= Write(folder, "empty_fields.vrb",
                Field("go") + Field("") + Field("went") + Field("gone") + Field(Cp866("идти")) +
                    Record("be", "was", "been", "") + Field("") + Record("do", "did", "done", "делать") +
                    Record("see", "saw", "seen", "видеть"));

    // Bytes after the last separator.
    ok &= Write(folder, "trailing.vrb", Record("go", "went", "gone", "идти") + Scramble("junk") + "\x01\x02");

    // The last field has no separator.
    ok &= Write(folder, "unterminated.vrb",
                Record("go", "went", "gone", "идти") + Field("be") + Field("was") + Field("been") +
                    Scramble(Cp866("быть")));

    // Fields of 51 (the most the format holds), 52 and 1000 bytes, and a
    // translation of 60 letters; then an ordinary record.
    ok &= Write(folder, "long_fields.vrb",
                Field(Letters(51)) + Field(Letters(52)) + Field(Letters(1000)) +
                    Field(Cp866(Repeat("ж", 60))) +
                    Record("go", "went", "gone", "идти"));

    // 300 records, six more than the table holds.
    Bytes many;
    for (int n = 1; n <= 300; ++n) {
        std::string number = std::to_string(n);
        many += Record("inf" + number, "past" + number, "part" + number, "перевод " + number);
    }
    ok &= Write(folder, "over_294.vrb", many);

    // A well-formed record under another identifier than the table's.
    ok &= Write(folder, "other_id.vrb", Record("go", "went", "gone", "идти"));

    // A resource without any data.
    ok &= Write(folder, "empty.vrb", Bytes());

    return ok ? 0 : 1;
}
