#include "dialogs/MistakesReviewDlg.h"
#include "base/DialogTexts.h"
#include "base/Language.h"
#include "base/TestResultText.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"
#include "resources/resource.h"
#include "session/TestSession.h"
#include <commctrl.h>
#include <algorithm>

namespace {

const DialogText kEnglishTexts[] = {
    {0, L"Review mistakes"},
    {IDC_DRILL, L"&Drill mistakes"},
    {IDCANCEL, L"Close"},
};

constexpr int kColumns = 5;
constexpr int kTypedColumn = 3, kCorrectColumn = 4;
const wchar_t kArrow[] = L" \u2192 ";

void AppendPlain(std::vector<MarkedPiece>& pieces, const std::wstring& text)
{
    if (!pieces.empty() && !pieces.back().differs)
        pieces.back().text += text;
    else
        pieces.push_back({text, false});
}

// Restores the text colours and background mode of a DC it was given.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~SavedDc() { ::RestoreDC(m_dc, m_saved); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator)
{
    std::vector<std::wstring> parts(1);
    for (wchar_t c : text)
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    return parts;
}

// "Past Tense:" without its colon.
std::wstring FormName(VerbForm form)
{
    std::wstring name = LoadLangString(form == VerbForm::PastTense ? IDS_PAST_TENSE : IDS_PAST_PARTICIPLE);
    if (!name.empty() && name.back() == L':')
        name.pop_back();
    return name;
}

} // namespace

BEGIN_MESSAGE_MAP(CMistakesReviewDlg, CDialog)
    ON_BN_CLICKED(IDC_DRILL, OnDrill)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_REVIEW_LIST, OnListCustomDraw)
END_MESSAGE_MAP()

CMistakesReviewDlg::CMistakesReviewDlg(const TestSession& test, const VerbTable& verbs, HWND parent)
    : CDialog(IDD_MISTAKES_REVIEW, parent), m_reviews(ReviewMistakes(test, verbs)), m_marked(MarkedRows(m_reviews)),
      m_summary(TestResultText(Summarize(test)))
{
}

std::vector<CMistakesReviewDlg::MarkedCells> CMistakesReviewDlg::MarkedRows(const std::vector<QuestionReview>& reviews)
{
    std::vector<MarkedCells> rows;
    for (const QuestionReview& review : reviews) {
        for (const FormReview& form : review.forms) {
            MarkedCells row;
            for (size_t k = 0; k < form.typedMarked.size(); ++k) {
                if (k > 0)
                    AppendPlain(row.typed, kArrow);
                if (form.typedMarked[k].empty())
                    AppendPlain(row.typed, L"\u2014"); // an empty field
                for (const MarkedPiece& piece : form.typedMarked[k])
                    if (piece.differs)
                        row.typed.push_back(piece);
                    else
                        AppendPlain(row.typed, piece.text);
            }
            if (review.skipped || review.unfinished) {
                if (!row.typed.empty())
                    AppendPlain(row.typed, kArrow);
                AppendPlain(row.typed, LoadLangString(review.skipped ? IDS_REVIEW_SKIPPED : IDS_REVIEW_UNFINISHED));
            }
            row.correct = form.marked;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<CMistakesReviewDlg::Row> CMistakesReviewDlg::Rows(const std::vector<QuestionReview>& reviews)
{
    const std::vector<MarkedCells> marked = MarkedRows(reviews);
    std::vector<Row> rows;
    size_t r = 0;
    for (const QuestionReview& review : reviews) {
        bool first = true;
        for (const FormReview& form : review.forms) {
            rows.push_back({first ? review.infinitive : L"", first ? review.translation : L"", FormName(form.form),
                            Bracketed(marked[r].typed), Bracketed(marked[r].correct)});
            ++r;
            first = false;
        }
    }
    return rows;
}

BOOL CMistakesReviewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowDialogTexts(m_hWnd, kEnglishTexts, IsEnglish());
    ::SetDlgItemTextW(m_hWnd, IDC_REVIEW_SUMMARY, m_summary.c_str());
    FillList();
    FitToContent();
    ::EnableWindow(GetDlgItem(IDC_DRILL), !m_reviews.empty());
    ::SetFocus(GetDlgItem(IDC_REVIEW_LIST));
    return FALSE; // the focus is set
}

void CMistakesReviewDlg::FillList()
{
    HWND list = GetDlgItem(IDC_REVIEW_LIST);
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                                        LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    std::vector<std::wstring> titles = Split(LoadLangString(IDS_REVIEW_COLUMNS), L'|');
    titles.resize(kColumns);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = titles[static_cast<size_t>(c)].data();
        column.cx = 80;
        column.iSubItem = c;
        ListView_InsertColumn(list, c, &column);
    }
    const std::vector<Row> rows = Rows(m_reviews);
    for (size_t r = 0; r < rows.size(); ++r) {
        Row row = rows[r];
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.pszText = row[0].data();
        ListView_InsertItem(list, &item);
        for (int c = 1; c < kColumns; ++c)
            ListView_SetItemText(list, static_cast<int>(r), c, row[static_cast<size_t>(c)].data());
    }
    // Each column as wide as its widest cell or its title, whichever is wider.
    for (int c = 0; c < kColumns; ++c) {
        ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE);
        const int cells = ListView_GetColumnWidth(list, c);
        const int title = ListView_GetStringWidth(list, titles[static_cast<size_t>(c)].c_str());
        ListView_SetColumnWidth(list, c, std::max(cells, title + 16) + 4);
    }
    if (!rows.empty())
        ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

void CMistakesReviewDlg::FitToContent()
{
    HWND list = GetDlgItem(IDC_REVIEW_LIST);
    RECT listRect{};
    ::GetWindowRect(list, &listRect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&listRect), 2);
    int width = 0;
    for (int c = 0; c < kColumns; ++c)
        width += ListView_GetColumnWidth(list, c);
    const int rows = std::max(1, ListView_GetItemCount(list));
    RECT item{};
    ListView_GetItemRect(list, 0, &item, LVIR_BOUNDS);
    RECT header{};
    ::GetWindowRect(ListView_GetHeader(list), &header);
    const int rowsHeight = (header.bottom - header.top) + rows * std::max(1L, item.bottom - item.top);
    const int border = 2 * ::GetSystemMetrics(SM_CXEDGE) + 4;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT dialog = GetWindowRect();
    RECT client = GetClientRect();
    const int frameX = (dialog.right - dialog.left) - client.right;
    const int frameY = (dialog.bottom - dialog.top) - client.bottom;
    const int margin = listRect.left;
    // Below the list: the buttons, as far from it as the template has them.
    RECT drill{};
    ::GetWindowRect(GetDlgItem(IDC_DRILL), &drill);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&drill), 2);
    const int gap = drill.top - listRect.bottom;
    const int buttonHeight = drill.bottom - drill.top;

    int listWidth = std::max(static_cast<int>(client.right) - 2 * margin, width + border + ::GetSystemMetrics(SM_CXVSCROLL));
    int listHeight = std::max(rowsHeight + border, 3 * buttonHeight);
    listWidth = std::min(listWidth, static_cast<int>(work.right - work.left) - frameX - 2 * margin);
    const int maxHeight =
        static_cast<int>(work.bottom - work.top) - frameY - listRect.top - gap - buttonHeight - margin;
    listHeight = std::min(listHeight, maxHeight);
    ::MoveWindow(list, margin, listRect.top, listWidth, listHeight, FALSE);
    const int clientWidth = listWidth + 2 * margin;
    const int buttonsTop = listRect.top + listHeight + gap;
    // The buttons keep their sizes at the right, the summary spans the width.
    RECT close{};
    ::GetWindowRect(GetDlgItem(IDCANCEL), &close);
    const int closeWidth = close.right - close.left, drillWidth = drill.right - drill.left;
    const int between = ::MulDiv(6, buttonHeight, 14);
    ::MoveWindow(GetDlgItem(IDCANCEL), clientWidth - margin - closeWidth, buttonsTop, closeWidth, buttonHeight, FALSE);
    ::MoveWindow(GetDlgItem(IDC_DRILL), clientWidth - margin - closeWidth - between - drillWidth, buttonsTop,
                 drillWidth, buttonHeight, FALSE);
    RECT summary{};
    ::GetWindowRect(GetDlgItem(IDC_REVIEW_SUMMARY), &summary);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&summary), 2);
    ::MoveWindow(GetDlgItem(IDC_REVIEW_SUMMARY), margin, summary.top, listWidth, summary.bottom - summary.top, FALSE);
    const int w = clientWidth + frameX, h = buttonsTop + buttonHeight + margin + frameY;
    ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - w) / 2,
                   work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CMistakesReviewDlg::OnListCustomDraw(NMHDR& header)
{
    auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        return DrawMarkedCell(draw) ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

bool CMistakesReviewDlg::DrawMarkedCell(const NMLVCUSTOMDRAW& draw)
{
    const size_t row = static_cast<size_t>(draw.nmcd.dwItemSpec);
    if (row >= m_marked.size() || (draw.iSubItem != kTypedColumn && draw.iSubItem != kCorrectColumn))
        return false;
    const bool typed = draw.iSubItem == kTypedColumn;
    const std::vector<MarkedPiece>& pieces = typed ? m_marked[row].typed : m_marked[row].correct;
    if (std::none_of(pieces.begin(), pieces.end(), [](const MarkedPiece& p) { return p.differs; }))
        return false;
    HWND list = draw.nmcd.hdr.hwndFrom;
    RECT cell{};
    if (!ListView_GetSubItemRect(list, static_cast<int>(row), draw.iSubItem, LVIR_LABEL, &cell))
        return false;
    HDC dc = draw.nmcd.hdc;
    SavedDc saved(dc);
    // The row's own background: the selection's where the list shows it.
    const bool selected = (ListView_GetItemState(list, static_cast<int>(row), LVIS_SELECTED) & LVIS_SELECTED) &&
                          ::GetFocus() == list;
    ::SetBkColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
    // Inset as the list insets the text of its own cells.
    const int inset = 3 * ::GetSystemMetrics(SM_CXEDGE);
    int x = cell.left + inset;
    ::IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    ::SetBkMode(dc, TRANSPARENT);
    for (const MarkedPiece& piece : pieces) {
        const std::wstring text = piece.differs ? L"[" + piece.text + L"]" : piece.text;
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        RECT box{x, cell.top, x + size.cx, cell.bottom};
        if (piece.differs) {
            // The tint a little inside the cell, so that the grid lines stay.
            RECT tint{box.left, box.top + 1, box.right, box.bottom - 1};
            ::SetBkColor(dc, typed ? kWrongTint : kRightTint);
            ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &tint, nullptr, 0, nullptr);
            ::SetTextColor(dc, typed ? kWrongText : kRightText);
        } else {
            ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        }
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        x += size.cx;
    }
    return true;
}

void CMistakesReviewDlg::OnDrill()
{
    EndDialog(IDC_DRILL);
}
