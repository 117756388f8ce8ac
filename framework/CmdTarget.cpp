#include "framework/CmdTarget.h"

using fw::MapKind;
using fw::MessageMapEntry;

const fw::MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {MessageMapEntry{}};
    static const fw::MessageMap map = {nullptr, entries};
    return &map;
}

const fw::MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool InRange(const MessageMapEntry& e, UINT id)
{
    return id >= e.first && id <= e.last;
}

bool CCmdTarget::DispatchCommandToSelf(UINT id, UINT code)
{
    const MessageMapEntry* entry = FindEntry([&](const MessageMapEntry& e) {
        switch (e.kind) {
        case MapKind::Command: return (code == 0 || code == 1) && InRange(e, id);
        case MapKind::CommandRange: return (code == 0 || code == 1) && InRange(e, id);
        case MapKind::Control: return e.message == code && InRange(e, id);
        default: return false;
        }
    });
    if (!entry)
        return false;
    if (entry->kind == MapKind::CommandRange)
        (this->*entry->onCommandId)(id);
    else
        (this->*entry->onCommand)();
    return true;
}

bool CCmdTarget::DispatchControlToSelf(UINT id, UINT code)
{
    const MessageMapEntry* entry = FindEntry([&](const MessageMapEntry& e) {
        return e.kind == MapKind::Control && e.message == code && InRange(e, id);
    });
    if (!entry)
        return false;
    (this->*entry->onCommand)();
    return true;
}

bool CCmdTarget::DispatchUpdateToSelf(CCmdUI& ui)
{
    const MessageMapEntry* entry = FindEntry([&](const MessageMapEntry& e) {
        return e.kind == MapKind::UpdateUI && InRange(e, ui.m_nID);
    });
    if (!entry)
        return false;
    (this->*entry->onUpdate)(ui);
    return true;
}

bool CCmdTarget::HasOwnCommandHandler(UINT id) const
{
    return FindEntry([&](const MessageMapEntry& e) {
               return (e.kind == MapKind::Command || e.kind == MapKind::CommandRange) && InRange(e, id);
           }) != nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    return DispatchCommandToSelf(id, code);
}

bool CCmdTarget::OnUpdateCmdMsg(CCmdUI& ui)
{
    return DispatchUpdateToSelf(ui);
}

bool CCmdTarget::HasCommandHandler(UINT id) const
{
    return HasOwnCommandHandler(id);
}
