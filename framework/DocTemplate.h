#pragma once
// Single-document template: creates the document, the frame and the view in
// that order, from factories given by the program.
#include "framework/CreateContext.h"
#include <windows.h>

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
public:
    using DocumentFactory = CDocument* (*)();
    using FrameFactory = CFrameWnd* (*)();
    using ViewFactory = CView* (*)();

    CSingleDocTemplate(UINT resourceId, DocumentFactory newDocument, FrameFactory newFrame, ViewFactory newView);
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    // Makes the one document with its frame and view (the frame stays hidden:
    // the application shows it). Returns the frame, or null on failure.
    CFrameWnd* OpenNewDocument();
    void RemoveDocument(CDocument* document);

    UINT ResourceId() const { return resourceId_; }

private:
    UINT resourceId_;
    DocumentFactory newDocument_;
    FrameFactory newFrame_;
    ViewFactory newView_;
    CDocument* document_ = nullptr; // owned; deleted when its frame closes
};
