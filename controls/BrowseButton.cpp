#include "BrowseButton.h"

#include "FolderEdit.h"
#include "framework/WinApp.h"

const MessageEntry CBrowseButton::messageEntries[] = {
    OnReflected<&CBrowseButton::OnClicked>(WM_COMMAND, BN_CLICKED),
};
const MessageMap CBrowseButton::messageMap{&CButton::messageMap, messageEntries};

BOOL CBrowseButton::Create(const char* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    HWND hwnd = ::CreateWindowExA(0, "BUTTON", caption, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), nullptr);
    return hwnd && SubclassWindow(hwnd);
}

BOOL CBrowseButton::OnClicked()
{
    if (m_buddy)
        m_buddy->BrowseForFolder();
    return TRUE;
}
