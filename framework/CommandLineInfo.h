#pragma once
// The framework's standard command line: an optional file name and the
// switches /Embedding, /Automation, /dde, /p, /pt, /Unregister.
#include <windows.h>
#include <string>

class CCommandLineInfo {
public:
    enum Shell { FileNew, FileOpen, FileDDE, AppUnregister, FilePrint };

    // Parses the arguments after the program name.
    void ParseArguments(int argc, const wchar_t* const* argv);

    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    Shell m_nShellCommand = FileNew;
    std::wstring m_strFileName;

private:
    void ParseParam(const std::wstring& param, bool isFlag);
};
