#pragma once
// Opening documents and links with their associated program. Tests replace
// the opener so that nothing starts a browser.
#include <string>

namespace fw {

using ShellOpenFunction = void (*)(const std::wstring& path);
// The function used to open files and shortcuts (default: the shell's
// default action, shown normally; its result is not examined).
ShellOpenFunction& ShellOpener();
void ShellOpen(const std::wstring& path);

// Full path of the running executable.
std::wstring ModulePath();
// Folder of the running executable, with a trailing backslash.
std::wstring ModuleFolder();
bool FileExists(const std::wstring& path);

} // namespace fw
