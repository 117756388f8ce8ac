#pragma once
// Document of the single-document window.
#include "framework/CmdTarget.h"
#include <vector>

class CView;
class CDocument;

// What made a document: told when the document's last frame has gone, so
// that it can let the document go.
class CDocTemplate {
public:
    virtual void RemoveDocument(CDocument* document) = 0;

protected:
    ~CDocTemplate() = default;
};

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override = default;

    virtual BOOL OnNewDocument() { return TRUE; }
    virtual bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    // Asks whether the document may close (never asks for a document that
    // holds no changes).
    virtual BOOL SaveModified() { return TRUE; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return views_; }

    CDocTemplate* m_pDocTemplate = nullptr;

private:
    std::vector<CView*> views_;
    bool modified_ = false;
};
