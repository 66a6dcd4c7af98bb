#include "Button.h"

#include "WinApp.h"

BOOL CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    HWND hwnd = ::CreateWindowExA(0, "BUTTON", caption, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent->m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(),
                                  nullptr);
    return hwnd && SubclassWindow(hwnd);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return TRUE;
}
