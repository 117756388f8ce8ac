#include "base/DialogTexts.h"
#include "framework/Text.h"

namespace {
HWND Control(HWND dialog, int id)
{
    return id ? ::GetDlgItem(dialog, id) : dialog;
}
} // namespace

void CDialogTexts::ReadTemplate(HWND dialog)
{
    for (const DialogText& t : m_texts)
        m_templateTexts[t.id] = fw::WindowText(Control(dialog, t.id));
}

void CDialogTexts::Show(HWND dialog, bool english)
{
    const bool table = english != (m_template == Template::English);
    if (table == m_showingTable)
        return; // the dialog shows these already
    if (m_templateTexts.empty())
        ReadTemplate(dialog);
    for (const DialogText& t : m_texts) {
        std::wstring text = !table ? m_templateTexts[t.id] : t.stringId ? fw::LoadResString(t.stringId) : t.text;
        ::SetWindowTextW(Control(dialog, t.id), text.c_str());
    }
    m_showingTable = table;
}
