#pragma once
// The statistics of the answer history: answers and their share of right
// ones per day over the last 30 or 90 days, the groups learned, the 20
// weakest verbs with their most frequent wrong answers, the days practised
// in a row, and the history and a summary per verb exported as CSV for a
// teacher. The history is read when the dialog opens.
#include "base/DialogTexts.h"
#include "data/AnswerHistoryFile.h"
#include "data/HistoryStats.h"
#include "framework/Dialog.h"
#include <string>
#include <vector>

class CStatisticsDlg : public CDialog {
public:
    explicit CStatisticsDlg(HWND parent);

    // Days the chart shows: 30 or 90.
    int ChartDays() const { return m_days; }

protected:
    BOOL OnInitDialog() override;
    LRESULT OnDrawItem(WPARAM wp, LPARAM lp);
    void On30Days();
    void On90Days();
    void OnExportHistory();
    void OnExportSummary();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void ShowSummary();
    void FillGroups();
    void FillWeakest();
    void SetDays(int days);
    // Asks for the file and writes the bytes through a temporary file; a
    // failure is reported and an older file there stays.
    void Export(const std::wstring& suggestedName, const std::string& bytes);

    HistoryContents m_history;
    std::vector<VerbProgress> m_progress;
    long long m_today = 0;
    int m_days = 30;
    CDialogTexts m_texts;
};
