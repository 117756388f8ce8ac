#pragma once
// Reads the verb table from the program's scrambled "VRB" resource.
#include "data/VerbRecord.h"
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Fills the table from resource "VRB" 154 of the module (the caller shows
// the wait cursor), and then the forms also accepted from resource "VRA" 155.
// A missing resource leaves the table as it is.
void LoadVerbTable(VerbTable& table, HMODULE module);

// Fills empty slots of the table from resource bytes. Fields longer than the
// format allows are cut, a field's text ends at a zero byte, records beyond
// the table are ignored, and bytes after the last separator are dropped.
void FillVerbTable(const std::uint8_t* data, std::size_t size, VerbTable& table);

// Sets the forms also accepted of the records that resource bytes name: three
// fields a record (verb number, past tense forms, past participle forms).
// A record whose number names no verb, or that ends without its separators,
// changes nothing; fields are cut as the table's are.
void FillAlsoAccepted(const std::uint8_t* data, std::size_t size, VerbTable& table);

// A translation stored in the DOS Cyrillic code page, converted as the
// platform's OEM-to-ANSI conversion does on a Russian system.
std::wstring OemToAnsiText(std::string_view oemBytes);
