#pragma once
// The document of the single window. It holds nothing: the verbs live in the
// global state and the test in the view.
#include "framework/Document.h"

class CVerbsDoc : public CDocument {
public:
    BOOL OnNewDocument() override;
};
