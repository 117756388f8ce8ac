#pragma once
// Files the program keeps between runs: where the system puts them for this
// user and this kind of process, and writing one so that its older content
// stays whole until the new content is complete.
#include <windows.h>
#include <string>

namespace fw {

// A folder below the user's roaming application data ("" when the system
// names none); it need not exist yet.
std::wstring UserDataFolder(const std::wstring& subfolder);

// The system folder as a program of the system's own word size sees it: a
// 32-bit program on 64-bit Windows reaches it through "Sysnative", where
// "System32" would be redirected to the 32-bit system folder.
std::wstring NativeSystemFolder();
// The 32-bit system folder of 64-bit Windows, where a 32-bit program's files
// for "System32" end up; "" on 32-bit Windows.
std::wstring Wow64SystemFolder();

// Where Windows put the file at this path for a program without a manifest
// that could not write the path's folder: the same path below the user's
// VirtualStore folder ("" when the system names no local data folder).
std::wstring VirtualStorePath(const std::wstring& path);

// The system's WriteFile, or what a test puts in its place.
using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

// Writes the bytes to a new file beside the path and puts it in the path's
// place: a file already there keeps its content until the new one is whole.
bool ReplaceFileWhole(const std::wstring& path, const std::string& bytes, WriteFileFunction write = ::WriteFile);

} // namespace fw
