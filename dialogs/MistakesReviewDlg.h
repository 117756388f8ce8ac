#pragma once
// The review of a test's mistakes: for each question not answered right at
// the first attempt, its infinitive, translation, the forms asked, every
// text typed and the correct form with the letters the last wrong text
// lacks in brackets. Sized to its rows; Esc closes it, Drill ends it with
// IDC_DRILL for the caller to start a test of those verbs.
#include "framework/Dialog.h"
#include "session/MistakeReview.h"
#include <string>
#include <vector>

class TestSession;

class CMistakesReviewDlg : public CDialog {
public:
    CMistakesReviewDlg(const TestSession& test, const VerbTable& verbs, HWND parent);

    // The list's rows as shown, one per asked form: its cells.
    using Row = std::vector<std::wstring>;
    static std::vector<Row> Rows(const std::vector<QuestionReview>& reviews);

protected:
    BOOL OnInitDialog() override;
    void OnDrill();

    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    // The list as wide as its columns and as tall as its rows (within the
    // screen), the dialog around it.
    void FitToContent();

    std::vector<QuestionReview> m_reviews;
    std::wstring m_summary;
};
