#pragma once
// The middle of the test panel: the asked verb's infinitive and one or two
// answer fields, or at the end of a test the closing text.
#include "view/AnswerEdit.h"
#include "base/FontStatic.h"
#include "session/TestOptions.h"
#include <string>

class CAnswerPanel : public CWnd {
public:
    // Creates the panel at its place in the test panel and decides the
    // asked forms (one draw of the generator, needed or not).
    BOOL Create(HWND testPanel, const TestOptions& options);

    void ShowInfinitive(const std::wstring& infinitive);
    const CFontStatic& Infinitive() const { return m_infinitive; }
    const CFontStatic& ClosingText() const { return m_closingText; }

    // The answer fields; a field is there when its window exists.
    CAnswerEdit& PastTenseField() { return m_pastField; }
    CAnswerEdit& ParticipleField() { return m_participleField; }
    bool HasPastTense() const { return m_pastField.IsWindow(); }
    bool HasParticiple() const { return m_participleField.IsWindow(); }
    // Puts the caret into the first field there is; false without fields.
    bool FocusFirstField();
    void ClearFields();

    // Draws the asked form again in the random mode; the new field takes
    // the place of the old one.
    void RedrawRandomForm();
    // The closing display: the panel grows down to bottom and shows only
    // the closing text.
    void ShowFinished(int bottom);

protected:
    LRESULT OnNextField(WPARAM wp, LPARAM lp);
    LRESULT OnReady(WPARAM wp, LPARAM lp);
    LRESULT OnStop(WPARAM wp, LPARAM lp);
    LRESULT OnChar(WPARAM wp, LPARAM lp);

    DECLARE_MESSAGE_MAP()

private:
    // Label and field of one form at the label's rectangle and the field's.
    void CreateForm(bool pastTense, const RECT& labelRect, const RECT& fieldRect, DWORD fieldStyle);
    void SendToView(UINT message);

    CWnd m_infinitiveLabel;
    CFontStatic m_infinitive;
    CWnd m_pastLabel;
    CAnswerEdit m_pastField;
    CWnd m_participleLabel;
    CAnswerEdit m_participleField;
    CFontStatic m_closingText;
};
