#pragma once
// The review of a test's mistakes: for each question not answered right at
// the first attempt, its infinitive, translation, the forms asked, every
// text typed with its extra and wrong letters in brackets and red, and the
// correct form with the letters the last wrong text lacks in brackets and
// green. The brackets are what a copy or a screen reader reads; the colours
// are drawn over the list's own cells. Sized to its rows; Esc closes it,
// Drill ends it with IDC_DRILL for the caller to start a test of those verbs.
#include "framework/Dialog.h"
#include "session/MistakeReview.h"
#include <commctrl.h>
#include <string>
#include <vector>

class TestSession;

class CMistakesReviewDlg : public CDialog {
public:
    CMistakesReviewDlg(const TestSession& test, const VerbTable& verbs, HWND parent);

    // The two marked cells of a row, in runs: what was typed and the correct form.
    struct MarkedCells {
        std::vector<MarkedPiece> typed;
        std::vector<MarkedPiece> correct;
    };
    static std::vector<MarkedCells> MarkedRows(const std::vector<QuestionReview>& reviews);
    // The list's rows as shown, one per asked form: its cells.
    using Row = std::vector<std::wstring>;
    static std::vector<Row> Rows(const std::vector<QuestionReview>& reviews);

    // The colours of marked letters: the learner's wrong or extra ones and
    // the correct form's, each on a light tint of its own.
    static constexpr COLORREF kWrongText = RGB(192, 0, 0), kWrongTint = RGB(255, 224, 224);
    static constexpr COLORREF kRightText = RGB(0, 112, 0), kRightTint = RGB(216, 244, 216);

protected:
    BOOL OnInitDialog() override;
    void OnDrill();
    LRESULT OnListCustomDraw(NMHDR& header);

    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    // The list as wide as its columns and as tall as its rows (within the
    // screen), the dialog around it.
    void FitToContent();

    // Draws a marked cell in its runs; false when it has none marked.
    bool DrawMarkedCell(const NMLVCUSTOMDRAW& draw);

    std::vector<QuestionReview> m_reviews;
    std::vector<MarkedCells> m_marked;
    std::wstring m_summary;
};
