#include "base/Language.h"
#include "base/VerbsGlobals.h"
#include "framework/Text.h"

UINT LangStringId(UINT base, PairOrder order)
{
    bool english = IsEnglish();
    return order == PairOrder::RussianFirst ? base + (english ? 1 : 0) : base + (english ? 0 : 1);
}

std::wstring LoadLangString(UINT base, PairOrder order)
{
    return fw::LoadResString(LangStringId(base, order));
}
