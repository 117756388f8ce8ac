#include "framework/Document.h"
#include <algorithm>

CDocument::~CDocument()
{
    if (m_ppTemplateSlot && *m_ppTemplateSlot == this)
        *m_ppTemplateSlot = nullptr;
}

void CDocument::AddView(CView* view)
{
    views_.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}
