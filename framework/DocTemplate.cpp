#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory newDocument, FrameFactory newFrame,
                                       ViewFactory newView)
    : resourceId_(resourceId), newDocument_(newDocument), newFrame_(newFrame), newView_(newView)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    delete document_;
}

CFrameWnd* CSingleDocTemplate::OpenNewDocument()
{
    if (document_)
        return nullptr; // a single-document program has one document
    CDocument* doc = newDocument_();
    if (!doc)
        return nullptr;
    doc->m_ppTemplateSlot = &document_;
    document_ = doc;

    CCreateContext context;
    context.document = doc;
    context.newView = newView_;
    CFrameWnd* frame = newFrame_();
    if (!frame || !frame->LoadFrame(resourceId_, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        // A frame whose window never came to life still needs deleting; one
        // that was created deleted itself when its window went.
        if (frame && !frame->m_hWnd)
            delete frame;
        RemoveDocument(doc);
        return nullptr;
    }
    if (!doc->OnNewDocument()) {
        frame->DestroyWindow();
        return nullptr;
    }
    if (CView* view = frame->GetActiveView())
        view->OnInitialUpdate();
    frame->RecalcLayout();
    return frame;
}

void CSingleDocTemplate::RemoveDocument(CDocument* document)
{
    if (document && document == document_) {
        document_ = nullptr;
        delete document;
    }
}
