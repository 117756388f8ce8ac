#pragma once
// The strip at the top of the test panel: the time left of a timed test or
// the current attempt, and once the answer is shown, its caption.
#include "base/FontStatic.h"
#include "view/PanelLayout.h"

class CStatusPanel : public CWnd {
public:
    // The caption says "time left" for a timed test, else "current attempt".
    BOOL Create(HWND testPanel, bool timeLimited);
    // The strip kept from the last test made ready for the next one, as
    // Create makes it; false when the value's window could not be made.
    bool Reset(bool timeLimited);

    void ShowTime(int seconds);      // "mm:ss"
    void ShowAttempt(int attempt);   // "- n -"
    // The value goes; the caption announces the correct answer below it.
    void ShowAnswerCaption();
    // Places the strip and its texts again, for the scale the view has now.
    void LayOut();

    const CWnd& Caption() const { return m_caption; }
    std::wstring CaptionText() const { return m_caption.GetWindowText(); }
    std::wstring ValueText() const { return m_value.IsWindow() ? m_value.GetWindowText() : std::wstring(); }
    bool HasValue() const { return m_value.IsWindow(); }

protected:
    // The caption is a plain control: its object learns here that it went.
    void PostNcDestroy() override { m_caption.DestroyWindow(); }

private:
    RECT CaptionRect(const PanelLayout::Metrics& m) const;
    RECT ValueRect(const PanelLayout::Metrics& m) const;
    // The caption, and the value without a font of the user's own, in the
    // system font for the scale the view has now.
    void UseLabelFont(UINT dpi);

    CWnd m_caption;
    CFontStatic m_value;
    PanelLayout::LabelFont m_labelFont;
};
