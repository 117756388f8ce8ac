#pragma once
// Looking at a library file before any of its code runs: memory that can be
// read without a fault, and the exports of a library mapped as an image
// resource (LoadLibraryEx with LOAD_LIBRARY_AS_DATAFILE and
// LOAD_LIBRARY_AS_IMAGE_RESOURCE), read from its own export directory and
// section table.
#include <windows.h>
#include <cstddef>

// How many bytes from at on can be read without touching memory that is not
// committed or not readable, up to limit.
size_t ReadableBytes(const void* at, size_t limit);

// Whether the system can look up the image's exports by name without a
// fault: its export directory and tables lie inside the image and every
// exported name is text that ends there. False also without exports. Works
// on a mapped image and on a loaded library.
bool HasSearchableExports(HMODULE image);

// Whether the image exports a function of exactly this name: its address
// lies in an executable section of the image itself, so it is neither data
// nor a forwarder to another library, and its exports can be searched (see
// HasSearchableExports). Works on a mapped image and on a loaded library.
// Damaged headers or tables give false, never a fault.
bool MappedImageExports(HMODULE mapped, const char* name);

// Whether the address lies in an executable section of the image: code of
// that library, which can be called without an execute fault.
bool IsImageCode(HMODULE image, const void* address);
