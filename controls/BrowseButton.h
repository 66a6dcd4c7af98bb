#pragma once
#include "framework/Button.h"

class CFolderEdit;

// The push button beside a folder edit: a click makes the edit browse. The
// button handles its own click, so its dialog never sees the command.
class CBrowseButton : public CButton {
public:
    // Creates the button as a child of parent and binds it.
    BOOL Create(const char* caption, DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetBuddy(CFolderEdit* buddy) { m_buddy = buddy; }

protected:
    BOOL OnClicked();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

private:
    CFolderEdit* m_buddy = nullptr;
};
