#pragma once
#include <windows.h>

#include <cstddef>
#include <type_traits>

class CCmdTarget;
class CDC;

// A class's message map is a static table of entries chained to its base
// class's table. Entries are built from member functions by the adapters at
// the end of this file, so no handler is ever cast to another type.

// Stands for all WM_CTLCOLOR* messages (the old single control-colour message).
constexpr UINT kCtlColorMessages = 0x0019;
// A notification that a parent offers back to the control it came from.
constexpr UINT kReflectedBase = 0xB000;
constexpr UINT Reflected(UINT message) { return kReflectedBase + message; }

inline bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

struct MessageEntry {
    UINT message;  // window message, kCtlColorMessages, or Reflected(...)
    UINT code;     // notification code, for commands
    UINT id;       // control or command id, for commands (0: any)
    LRESULT (*invoke)(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* first;
    const MessageEntry* last;

    template <std::size_t N>
    constexpr MessageMap(const MessageMap* baseMap, const MessageEntry (&entries)[N])
        : base(baseMap), first(entries), last(entries + N)
    {
    }
    constexpr explicit MessageMap(const MessageMap* baseMap) : base(baseMap), first(nullptr), last(nullptr) {}

    // The first entry for the message along the chain, most derived class first.
    const MessageEntry* Find(UINT message, UINT code, UINT id) const;
};

namespace message_map_detail {

template <typename T>
struct Handler;

template <typename C, typename R, typename... A>
struct Handler<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    static constexpr std::size_t arity = sizeof...(A);
};

LRESULT CallCtlColor(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                     HBRUSH (*call)(CCmdTarget&, CDC*, HWND, UINT));

// Handler kinds: R() for any R, R(WPARAM, LPARAM), and the control-colour
// form HBRUSH(CDC*, HWND window, UINT control type).
template <auto Method>
LRESULT Invoke(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam)
{
    using H = Handler<decltype(Method)>;
    auto& self = static_cast<typename H::Class&>(target);
    if constexpr (H::arity == 0) {
        if constexpr (std::is_void_v<typename H::Result>) {
            (self.*Method)();
            return 0;
        } else {
            return (LRESULT)(self.*Method)();
        }
    } else if constexpr (std::is_invocable_v<decltype(Method), typename H::Class&, CDC*, HWND, UINT>) {
        return CallCtlColor(target, message, wParam, lParam,
                            [](CCmdTarget& t, CDC* dc, HWND window, UINT type) {
                                return (static_cast<typename H::Class&>(t).*Method)(dc, window, type);
                            });
    } else {
        return (LRESULT)(self.*Method)(wParam, lParam);
    }
}

}  // namespace message_map_detail

template <auto Method>
constexpr MessageEntry OnMessage(UINT message)
{
    return {message, 0, 0, &message_map_detail::Invoke<Method>};
}

template <auto Method>
constexpr MessageEntry OnCommand(UINT id, UINT code = BN_CLICKED)
{
    return {WM_COMMAND, code, id, &message_map_detail::Invoke<Method>};
}

// A control's own handler for a notification its parent reflects to it. A
// result other than 0 consumes the notification; 0 lets the parent go on.
template <auto Method>
constexpr MessageEntry OnReflected(UINT message, UINT code = 0)
{
    return {Reflected(message), code, 0, &message_map_detail::Invoke<Method>};
}
