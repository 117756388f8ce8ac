#include "view/ReviewButton.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CReviewButton, CWnd)
    ON_MESSAGE(WM_CHAR, OnChar)
END_MESSAGE_MAP()

LRESULT CReviewButton::OnChar(WPARAM wp, LPARAM)
{
    switch (wp) {
    case L'\r':
        SendMessage(BM_CLICK, 0, 0);
        return 0;
    case 27:
        // The view takes the stop as the menu gives it.
        ::SendMessageW(GetParent(), WM_COMMAND, ID_TEST_STOP_RU, 0);
        return 0;
    case L'\t':
        if (m_panel)
            ::SetFocus(m_panel);
        return 0;
    default:
        return Default();
    }
}
