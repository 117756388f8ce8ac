#pragma once
// Status bar over the common control: a stretching message pane followed by
// indicator panes whose texts come from their string resources and show
// while their key (Caps Lock, Num Lock, Scroll Lock) is on.
#include "framework/ControlBar.h"
#include <string>
#include <vector>

class CStatusBar : public CControlBar {
public:
    BOOL Create(HWND parent, DWORD style, UINT id);
    // Pane ids: 0 for the message pane, string ids for indicators.
    BOOL SetIndicators(const UINT* ids, int count);
    std::wstring GetPaneText(int index) const;
    void SetPaneText(int index, const std::wstring& text);
    int PaneCount() const { return static_cast<int>(m_panes.size()); }

    int CalcHeight() const override;
    bool DocksAtBottom() const override { return true; }
    void UpdateCommandUI(CCmdTarget& target) override;

protected:
    LRESULT OnSize(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT id;
        std::wstring text;
        int width;
    };
    void LayoutPanes();

    std::vector<Pane> m_panes;
};
