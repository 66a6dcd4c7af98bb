#include "MessageMap.h"

#include "Dc.h"

const MessageEntry* MessageMap::Find(UINT message, UINT code, UINT id) const
{
    for (const MessageMap* map = this; map; map = map->base) {
        for (const MessageEntry* entry = map->first; entry != map->last; ++entry) {
            if (entry->message != message)
                continue;
            bool isCommand = message == WM_COMMAND || message == Reflected(WM_COMMAND);
            if (!isCommand || (entry->code == code && (entry->id == 0 || entry->id == id)))
                return entry;
        }
    }
    return nullptr;
}

LRESULT message_map_detail::CallCtlColor(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                                         HBRUSH (*call)(CCmdTarget&, CDC*, HWND, UINT))
{
    CDC dc(reinterpret_cast<HDC>(wParam));
    HBRUSH brush = call(target, &dc, reinterpret_cast<HWND>(lParam), message - WM_CTLCOLORMSGBOX);
    dc.Detach();
    return reinterpret_cast<LRESULT>(brush);
}
