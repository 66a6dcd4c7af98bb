#pragma once
#include "MessageMap.h"

// Anything with a message map: windows and the application object.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the map's handler for a command; FALSE when the map has none.
    BOOL OnCmdMsg(UINT id, UINT code);

protected:
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
    static const MessageMap messageMap;
};
