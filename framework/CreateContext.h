#pragma once
// What a frame needs to make its view: the document and the view's factory,
// handed through the frame's creation by the document template.
class CDocument;
class CView;

struct CCreateContext {
    CDocument* document = nullptr;
    CView* (*newView)() = nullptr;
};
