#include "dialogs/LearningOptionsDlg.h"
#include "base/HelpTopics.h"
#include "base/Options.h"
#include "base/PersistedSettings.h"
#include "base/ReportProfileError.h"
#include "base/VerbsGlobals.h"
#include "resources/resource.h"
#include "settings/ProfileException.h"
#include <iterator>
#include <vector>

namespace {

const DialogText kEnglishTexts[] = {
    {0, L"Learning options"},
    {IDCANCEL, L"Cancel"},
    {IDHELP, L"&Help"},
};

std::vector<DialogText> AllEnglishTexts()
{
    std::vector<DialogText> texts(std::begin(kEnglishTexts), std::end(kEnglishTexts));
    for (const OptionInfo& option : Options())
        if (option.dialog == OptionDialog::Learning)
            for (const DialogText& text : option.englishTexts)
                if (text.IsSet())
                    texts.push_back(text);
    return texts;
}

} // namespace

BEGIN_MESSAGE_MAP(CLearningOptionsDlg, CDialog)
    ON_BN_CLICKED(IDHELP, OnHelp)
END_MESSAGE_MAP()

CLearningOptionsDlg::CLearningOptionsDlg(HWND parent)
    : CDialog(IDD_LEARNING_OPTIONS, parent), m_texts(AllEnglishTexts())
{
}

BOOL CLearningOptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The learning options are all check boxes.
    for (const OptionInfo& option : Options())
        if (option.dialog == OptionDialog::Learning)
            ::CheckDlgButton(m_hWnd, option.controlIds[0], Globals().*option.member ? BST_CHECKED : BST_UNCHECKED);
    m_texts.Show(m_hWnd, IsEnglish());
    return TRUE;
}

void CLearningOptionsDlg::OnOK()
{
    for (const OptionInfo& option : Options())
        if (option.dialog == OptionDialog::Learning)
            Globals().*option.member = ::IsDlgButtonChecked(m_hWnd, option.controlIds[0]) == BST_CHECKED ? 1 : 0;
    try {
        SaveSettingsOf(OptionDialog::Learning);
    } catch (const Profile::RegException& e) {
        // The new values are in use already; the store keeps what it had.
        ReportProfileError(e);
    }
    EndDialog(IDOK);
}

void CLearningOptionsDlg::OnHelp()
{
    OpenHelpTopic(L"verbs_options", L"learning");
}
