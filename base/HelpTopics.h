#pragma once
// Help pages: HTML files in the "help" folder beside the program.
#include <string>

// Opens the page of a topic ("verbs", "verbs_learn", "verbs_test",
// "verbs_options") or says that it is missing.
void OpenHelpTopic(const std::wstring& topic);
// Where the page of a topic is expected.
std::wstring HelpTopicPath(const std::wstring& topic);
