#pragma once
// Opening documents and links with their associated program. Tests replace
// the opener so that nothing starts a browser.
#include <string>

namespace fw {

using ShellOpenFunction = void (*)(const std::wstring& path);
// The function used to open files and shortcuts (default: the shell's
// default action, shown normally; its result is not examined). A page with
// an anchor ("C:\help\page.html#en") goes to the web browser as a file:
// address, since the shell drops the anchor of a file it opens; without a
// browser to ask, the page itself is opened, at its top.
ShellOpenFunction& ShellOpener();
void ShellOpen(const std::wstring& path);

// Splits "page#anchor" into an existing page and its anchor: true only when
// the whole text names no file, the anchor follows the file name (not a
// folder) and the page exists. A '#' in a folder or file name stays where it is.
bool SplitPageAnchor(const std::wstring& target, std::wstring& page, std::wstring& anchor);

// Full path of the running executable.
std::wstring ModulePath();
// Folder of the running executable, with a trailing backslash.
std::wstring ModuleFolder();
bool FileExists(const std::wstring& path);

} // namespace fw
