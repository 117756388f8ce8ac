#include "base/HelpTopics.h"
#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Shell.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

std::wstring HelpTopicPath(const std::wstring& topic)
{
    return fw::ModuleFolder() + L"help\\" + topic + L".html";
}

void OpenHelpTopic(const std::wstring& topic, const std::wstring& section)
{
    std::wstring path = HelpTopicPath(topic);
    if (!fw::FileExists(path)) {
        AppMessageBox(fw::FormatString1(LoadLangString(IDS_CANNOT_OPEN_FILE, PairOrder::EnglishFirst), path), MB_OK);
        return;
    }
    CWaitCursor wait;
    if (!section.empty())
        fw::ShellOpen(path + (IsEnglish() ? L"#en-" : L"#ru-") + section);
    else // the Russian section comes first, so only English needs its anchor
        fw::ShellOpen(IsEnglish() ? path + L"#en" : path);
}
