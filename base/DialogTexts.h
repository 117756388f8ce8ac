#pragma once
// The one way a dialog shows its fixed texts in both languages: its template
// carries one language, a table of the dialog's own the other. Texts made up
// at run time (a group's name, the version) the dialog sets itself.
#include <windows.h>
#include <map>
#include <string>
#include <vector>

// A text in the language the template lacks: the control (0 for the dialog's
// title) and the text, or the string resource that holds it. Without either
// it stands for no text.
struct DialogText {
    int id = 0;
    const wchar_t* text = nullptr;
    UINT stringId = 0;

    bool IsSet() const { return text || stringId; }
};

class CDialogTexts {
public:
    enum class Template { Russian, English };

    template <size_t N>
    explicit CDialogTexts(const DialogText (&texts)[N], Template language = Template::Russian)
        : CDialogTexts(std::vector<DialogText>(texts, texts + N), language)
    {
    }
    explicit CDialogTexts(std::vector<DialogText> texts, Template language = Template::Russian)
        : m_texts(std::move(texts)), m_template(language)
    {
    }

    // Shows the texts of one language. The template's own are read the first
    // time, before anything changes, so that they can come back.
    void Show(HWND dialog, bool english);

private:
    void ReadTemplate(HWND dialog);

    std::vector<DialogText> m_texts;
    Template m_template;
    std::map<int, std::wstring> m_templateTexts;
    bool m_showingTable = false;
};

// For a dialog whose texts stay in the interface language while it is open.
template <size_t N>
void ShowDialogTexts(HWND dialog, const DialogText (&texts)[N], bool english,
                     CDialogTexts::Template language = CDialogTexts::Template::Russian)
{
    CDialogTexts(texts, language).Show(dialog, english);
}
