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
    for (size_t i = 0; i < m_count; ++i)
        m_templateTexts[m_texts[i].id] = fw::WindowText(Control(dialog, m_texts[i].id));
}

void CDialogTexts::Show(HWND dialog, bool english)
{
    const bool table = english != (m_template == Template::English);
    if (table == m_showingTable)
        return; // the dialog shows these already
    if (m_templateTexts.empty())
        ReadTemplate(dialog);
    for (size_t i = 0; i < m_count; ++i) {
        const DialogText& t = m_texts[i];
        std::wstring text = !table ? m_templateTexts[t.id] : t.stringId ? fw::LoadResString(t.stringId) : t.text;
        ::SetWindowTextW(Control(dialog, t.id), text.c_str());
    }
    m_showingTable = table;
}
