#include "framework/CommandLineInfo.h"

void CCommandLineInfo::ParseArguments(int argc, const wchar_t* const* argv)
{
    for (int i = 0; i < argc; ++i) {
        std::wstring arg = argv[i];
        bool isFlag = !arg.empty() && (arg[0] == L'/' || arg[0] == L'-');
        ParseParam(isFlag ? arg.substr(1) : arg, isFlag);
    }
}

void CCommandLineInfo::ParseParam(const std::wstring& param, bool isFlag)
{
    auto is = [&](const wchar_t* name) { return ::lstrcmpiW(param.c_str(), name) == 0; };
    if (!isFlag) {
        if (m_strFileName.empty())
            m_strFileName = param;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        return;
    }
    if (is(L"Embedding") || is(L"Automation")) {
        m_bShowSplash = false;
        (is(L"Embedding") ? m_bRunEmbedded : m_bRunAutomated) = true;
    } else if (is(L"dde")) {
        m_bShowSplash = false;
        m_nShellCommand = FileDDE;
    } else if (is(L"Unregister") || is(L"Unregserver")) {
        m_nShellCommand = AppUnregister;
    } else if (is(L"p") || is(L"pt")) {
        m_nShellCommand = FilePrint;
    }
}
