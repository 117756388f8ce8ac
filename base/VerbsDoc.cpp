#include "base/VerbsDoc.h"

BOOL CVerbsDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
