#pragma once
// Document of the single-document window.
#include "framework/CmdTarget.h"
#include <vector>

class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual BOOL OnNewDocument() { return TRUE; }
    virtual bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    // Asks whether the document may close (never asks for a document that
    // holds no changes).
    virtual BOOL SaveModified() { return TRUE; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return views_; }

    // Set by the template that made the document: its pointer to it, which
    // the document clears when it goes. Such a document is deleted when its
    // last frame closes.
    CDocument** m_ppTemplateSlot = nullptr;

private:
    std::vector<CView*> views_;
    bool modified_ = false;
};
