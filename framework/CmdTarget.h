#pragma once
// Message maps and command routing.
//
// Every class that receives commands or window messages derives from
// CCmdTarget and declares one static table of entries with the macros below.
// A lookup walks the table of the most derived class first, then its bases.
// Handlers are plain member functions, so a stack trace reads like the code.
#include <windows.h>

class CCmdTarget;
class CCmdUI;

namespace fw {

enum class MapKind : unsigned char {
    End,
    Message,       // window message          LRESULT fn(WPARAM, LPARAM)
    Command,       // command id               void fn()
    CommandRange,  // range of command ids     void fn(UINT id)
    Control,       // control notification     void fn()
    UpdateUI,      // command update           void fn(CCmdUI&)
    Notify,        // WM_NOTIFY from a control LRESULT fn(NMHDR&)
    Reflected,     // reflected to its control LRESULT fn(WPARAM, LPARAM)
};

using MessageHandler = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);
using CommandHandler = void (CCmdTarget::*)();
using CommandIdHandler = void (CCmdTarget::*)(UINT);
using UpdateHandler = void (CCmdTarget::*)(CCmdUI&);
using NotifyHandler = LRESULT (CCmdTarget::*)(NMHDR&);

struct MessageMapEntry {
    MapKind kind = MapKind::End;
    UINT message = 0;  // window message, or notification code
    UINT first = 0;    // first command / control id
    UINT last = 0;     // last command / control id
    MessageHandler onMessage = nullptr;
    CommandHandler onCommand = nullptr;
    CommandIdHandler onCommandId = nullptr;
    UpdateHandler onUpdate = nullptr;
    NotifyHandler onNotify = nullptr;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

inline MessageMapEntry MapMessage(UINT msg, MessageHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::Message;
    e.message = msg;
    e.onMessage = fn;
    return e;
}
inline MessageMapEntry MapReflected(UINT msg, MessageHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::Reflected;
    e.message = msg;
    e.onMessage = fn;
    return e;
}
inline MessageMapEntry MapCommand(UINT id, CommandHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::Command;
    e.first = e.last = id;
    e.onCommand = fn;
    return e;
}
inline MessageMapEntry MapCommandRange(UINT first, UINT last, CommandIdHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::CommandRange;
    e.first = first;
    e.last = last;
    e.onCommandId = fn;
    return e;
}
inline MessageMapEntry MapControl(UINT code, UINT id, CommandHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::Control;
    e.message = code;
    e.first = e.last = id;
    e.onCommand = fn;
    return e;
}
inline MessageMapEntry MapUpdate(UINT first, UINT last, UpdateHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::UpdateUI;
    e.first = first;
    e.last = last;
    e.onUpdate = fn;
    return e;
}
inline MessageMapEntry MapNotify(UINT code, UINT id, NotifyHandler fn)
{
    MessageMapEntry e;
    e.kind = MapKind::Notify;
    e.message = code;
    e.first = e.last = id;
    e.onNotify = fn;
    return e;
}

} // namespace fw

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const ::fw::MessageMap* GetThisMessageMap();         \
    const ::fw::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(Class, Base)                                              \
    const ::fw::MessageMap* Class::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::fw::MessageMap* Class::GetThisMessageMap()                              \
    {                                                                               \
        using ThisClass = Class;                                                    \
        using BaseClass = Base;                                                     \
        static const ::fw::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                          \
            ::fw::MessageMapEntry{}};                                              \
        static const ::fw::MessageMap map = {BaseClass::GetThisMessageMap(), entries}; \
        return &map;                                                               \
    }

#define ON_MESSAGE(msg, fn) \
    ::fw::MapMessage(msg, static_cast<::fw::MessageHandler>(&ThisClass::fn)),
// The message as the parent received it, handled by the control it came from.
#define ON_REFLECTED(msg, fn) \
    ::fw::MapReflected(msg, static_cast<::fw::MessageHandler>(&ThisClass::fn)),
#define ON_COMMAND(id, fn) \
    ::fw::MapCommand(id, static_cast<::fw::CommandHandler>(&ThisClass::fn)),
#define ON_COMMAND_RANGE(first, last, fn) \
    ::fw::MapCommandRange(first, last, static_cast<::fw::CommandIdHandler>(&ThisClass::fn)),
#define ON_CONTROL(code, id, fn) \
    ::fw::MapControl(code, id, static_cast<::fw::CommandHandler>(&ThisClass::fn)),
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) \
    ::fw::MapUpdate(id, id, static_cast<::fw::UpdateHandler>(&ThisClass::fn)),
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) \
    ::fw::MapUpdate(first, last, static_cast<::fw::UpdateHandler>(&ThisClass::fn)),
#define ON_NOTIFY(code, id, fn) \
    ::fw::MapNotify(code, id, static_cast<::fw::NotifyHandler>(&ThisClass::fn)),

// State of one user-interface item (menu item, toolbar button) of a command,
// set by the command's update handler.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;
    virtual void Enable(bool on = true) = 0;
    virtual void SetCheck(int check = 1) = 0;

    UINT m_nID; // the command whose handlers are asked
};

// Base of everything that handles commands: windows, documents, the application.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler for a command (code 0) or a control notification;
    // true when one was found. Frames and views override this to route further.
    virtual bool OnCmdMsg(UINT id, UINT code);
    // Runs the update handler for the command of ui; true when one was found.
    virtual bool OnUpdateCmdMsg(CCmdUI& ui);
    // Whether a command handler for id exists along the routing.
    virtual bool HasCommandHandler(UINT id) const;

protected:
    static const fw::MessageMap* GetThisMessageMap();
    virtual const fw::MessageMap* GetMessageMap() const;

    // The first entry, most derived class first, for which match() is true.
    template <typename Pred>
    const fw::MessageMapEntry* FindEntry(Pred match) const
    {
        for (const fw::MessageMap* map = GetMessageMap(); map; map = map->base)
            for (const fw::MessageMapEntry* e = map->entries; e->kind != fw::MapKind::End; ++e)
                if (match(*e))
                    return e;
        return nullptr;
    }
    bool DispatchCommandToSelf(UINT id, UINT code);
    // Only the handlers of control notifications (code and id).
    bool DispatchControlToSelf(UINT id, UINT code);
    bool DispatchUpdateToSelf(CCmdUI& ui);
    bool HasOwnCommandHandler(UINT id) const;
};
