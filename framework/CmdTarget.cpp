#include "CmdTarget.h"

const MessageMap CCmdTarget::messageMap{nullptr};

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    const MessageEntry* entry = GetMessageMap()->Find(WM_COMMAND, code, id);
    if (!entry)
        return FALSE;
    entry->invoke(*this, WM_COMMAND, MAKEWPARAM(id, code), 0);
    return TRUE;
}
