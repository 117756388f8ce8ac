#pragma once
// The verbs list: one tab for all verbs and one per stored group, the
// selected tab's verbs in a four-column table sorted by the infinitive,
// with the HTML export of the shown table and the help on learning verbs.
// The list holds no texts of its own: it asks for the cells of the rows it
// draws, so that a tab of all verbs is shown at once.
#include "dialogs/HtmlExport.h"
#include "framework/Dialog.h"
#include <array>
#include <string>
#include <vector>

class CVerbsListDlg : public CDialog {
public:
    explicit CVerbsListDlg(HWND parent = nullptr);
    ~CVerbsListDlg() override;

    // Shows the verbs of the given tab (0: all verbs).
    void SelectTab(int index);
    // The table as shown: group name, header titles, rows in display order.
    VerbListTable ShownTable() const;

    const std::wstring& AllVerbsName() const { return m_strAllVerbsName; }
    const std::wstring& CurrentTabName() const { return m_strCurrentTabName; }

protected:
    BOOL OnInitDialog() override;
    LRESULT OnTabChange(NMHDR& header);
    LRESULT OnGetCellText(NMHDR& header);
    LRESULT OnFindRow(NMHDR& header);
    void OnExport();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void InsertColumns();
    // Room beside the columns for the list's edges and vertical scroll bar.
    int ScrollBarRoom() const;
    // Each column as wide as its title and the longest text it can show
    // need in the list's font, and no narrower than the given width.
    std::array<int, 4> FittedWidths(const std::array<std::wstring, 4>& titles, int narrowest) const;
    // Makes the list tall enough for a dozen rows in a font of the user's.
    void GrowToRows();
    // Makes the list, and the dialog with it, wider and taller by up to so
    // many pixels, as far as the work area allows.
    void GrowBy(int wider, int taller);
    void InsertTabs();
    // Fills the list with the verbs of the selected tab.
    void FillList();
    // Shows the verbs, sorted by the infinitive, as the list's rows.
    void ShowRows(std::vector<int> verbNumbers);
    void RankVerbs();

    HWND m_hTabs = nullptr;
    HWND m_hList = nullptr;
    std::wstring m_strAllVerbsName;
    std::wstring m_strCurrentTabName;
    // The group of each tab after the first, by its full name.
    std::vector<std::wstring> m_tabGroups;
    // Place of each verb (by number - 1) in the order of infinitives.
    std::vector<int> m_rank;
    // The verb number of each row, top to bottom.
    std::vector<int> m_rows;
};
