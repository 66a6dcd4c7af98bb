#pragma once
#include "Wnd.h"

class CButton : public CWnd {
public:
    // Creates a push button (or any button style) as a child control.
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Owner-drawn buttons paint here; the parent reflects WM_DRAWITEM to it.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
