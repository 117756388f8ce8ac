#pragma once
// The middle of the test panel: the asked verb's infinitive and one or two
// answer fields, or at the end of a test the closing text.
#include "view/AnswerEdit.h"
#include "view/ReviewButton.h"
#include "base/FontStatic.h"
#include "session/AskedForms.h"
#include "view/PanelLayout.h"
#include "session/TestRecord.h"
#include <string>

class CAnswerPanel : public CWnd {
public:
    // The control id of the review button (a child of the view).
    static constexpr UINT kReviewButtonId = 506;

    // Creates the panel at its place in the test panel with the fields of
    // the asked forms.
    BOOL Create(HWND testPanel, AskedForms forms);
    // The panel kept from the last test made ready for the next one, whose
    // first question asks these forms: fields open, writable and empty. False
    // when it cannot look as Create would make it (the closing display, or
    // other fields), and the panel must be made anew.
    bool Reset(AskedForms forms);
    // The fields' layout balloons go (they are windows of their own).
    void HideLayoutTips();

    void ShowInfinitive(const std::wstring& infinitive);
    const CFontStatic& Infinitive() const { return m_infinitive; }
    const CFontStatic& ClosingText() const { return m_closingText; }

    // The answer fields; a field is there when its window exists.
    CAnswerEdit& PastTenseField() { return m_pastField; }
    CAnswerEdit& ParticipleField() { return m_participleField; }
    bool HasPastTense() const { return m_pastField.IsWindow(); }
    bool HasParticiple() const { return m_participleField.IsWindow(); }
    // The participle's field is there and takes an answer.
    bool ParticipleAsked() const;
    // Puts the caret into the first field there is; false without fields.
    bool FocusFirstField();
    void ClearFields();
    // What the fields hold now (empty for a field that is not there).
    TypedAnswer Typed() const;

    // Fits the fields to the question's forms: a single field becomes the
    // asked form's, and of two fields the participle's shows whether it is
    // asked.
    void ShowForms(AskedForms forms);
    // The style of a field the random mode draws again between questions.
    static constexpr DWORD kDrawnAgainStyle = WS_DLGFRAME | WS_TABSTOP;
    // In the random mode, between questions: the asked form's label and
    // field take the place of the old ones.
    void ReplaceForm(bool pastTense, DWORD fieldStyle = kDrawnAgainStyle);
    // The closing display: the panel grows down to bottom and shows only
    // the closing text.
    void ShowFinished(int bottom);
    // Under the test panel: how the test went and, when anything was not
    // right at the first attempt, the button that opens the review (also
    // Tab and Space, or its underlined letter, typed at the closing display).
    // Their windows are children of the view, which passes the click on.
    void ShowResult(const std::wstring& result, bool reviewButton);
    // The result goes with the test (its windows stand in the view).
    void DestroyResult();
    // The review button was pressed: the main window is asked for the review.
    void OnReviewClicked();
    const CWnd& ResultText() const { return m_resultText; }
    const CWnd& ReviewButton() const { return m_reviewButton; }
    // Places the panel and what it shows again, for the scale the view has
    // now, keeping the texts, the fields and the focus.
    void LayOut();

protected:
    // The labels are plain controls: their objects learn here that they went.
    void PostNcDestroy() override;

    LRESULT OnNextField(WPARAM wp, LPARAM lp);
    LRESULT OnReady(WPARAM wp, LPARAM lp);
    LRESULT OnStop(WPARAM wp, LPARAM lp);
    LRESULT OnChar(WPARAM wp, LPARAM lp);
    LRESULT OnSysChar(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // Label and field of one form at the label's rectangle and the field's.
    // The closing text fills the panel but for a margin.
    RECT ClosingRect() const;
    void CreateForm(bool pastTense, const RECT& labelRect, const RECT& fieldRect, DWORD fieldStyle);
    // The labels and fields, and the infinitive and closing text without a
    // font of the user's own, in the system font for the scale the view
    // has now.
    void UseLabelFont();
    // Requests go to the test panel, which passes them on to the view.
    void SendUp(UINT message, WPARAM wp = 0, LPARAM lp = 0);
    // Whether a typed character is the review button's underlined letter
    // (or the one its key gives in the other layout).
    bool IsReviewKey(wchar_t c) const;

    CWnd m_infinitiveLabel;
    CFontStatic m_infinitive;
    CWnd m_pastLabel;
    CAnswerEdit m_pastField;
    CWnd m_participleLabel;
    CAnswerEdit m_participleField;
    CFontStatic m_closingText;
    PanelLayout::LabelFont m_labelFont;
    CWnd m_resultText;
    CReviewButton m_reviewButton;
};
