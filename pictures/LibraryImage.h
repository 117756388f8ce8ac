#pragma once
// Looking at a library file before any of its code runs: memory that can be
// read without a fault, and the export names of a library mapped as an image
// resource (LoadLibraryEx with LOAD_LIBRARY_AS_DATAFILE and
// LOAD_LIBRARY_AS_IMAGE_RESOURCE), read from its own export directory.
#include <windows.h>
#include <cstddef>

// How many bytes from at on can be read without touching memory that is not
// committed or not readable, up to limit.
size_t ReadableBytes(const void* at, size_t limit);

// Whether the mapped image exports a function of exactly this name. Damaged
// headers or tables give false, never a fault.
bool MappedImageExports(HMODULE mapped, const char* name);
