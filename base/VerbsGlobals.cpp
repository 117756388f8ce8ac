#include "base/VerbsGlobals.h"
#include "base/Options.h"
#include <cassert>

namespace {
CVerbsGlobals* gGlobals = nullptr;
}

CVerbsGlobals::CVerbsGlobals() : m_brButtonFace(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)))
{
    m_themes.reserve(10); // the list grows in blocks of ten entries
    for (const OptionInfo& option : Options())
        this->*option.member = option.registryDefault;
    gGlobals = this;
}

CVerbsGlobals::~CVerbsGlobals()
{
    if (gGlobals == this)
        gGlobals = nullptr;
    // Members go in reverse order of declaration, so the store, declared
    // first, closes its registry key last.
}

void CVerbsGlobals::FreePictureThemes()
{
    m_hCurrentTheme = nullptr;
    for (PictureTheme& theme : m_themes)
        theme.library.reset();
}

CVerbsGlobals& Globals()
{
    assert(gGlobals && "no CVerbsGlobals object exists");
    return *gGlobals;
}
