#pragma once
// Help pages: HTML files in the "help" folder beside the program, each with
// a Russian section first and an English section at the anchor "en".
#include <string>

// Opens the page of a topic ("verbs", "verbs_learn", "verbs_test",
// "verbs_options") in the interface language, or says that it is missing:
// the page itself in Russian, its English section in English. With a
// section name ("learning"), at that section of the language: the anchor
// "ru-learning" or "en-learning".
void OpenHelpTopic(const std::wstring& topic, const std::wstring& section = std::wstring());
// Where the page of a topic is expected.
std::wstring HelpTopicPath(const std::wstring& topic);
