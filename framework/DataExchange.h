#pragma once
#include <windows.h>

class CWnd;

// The context of one data exchange between a dialog and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The control's window; raises the not-supported exception when the
    // dialog has no such control.
    HWND PrepareCtrl(int id);
    // The same for an edit control, which then gets the focus if a later
    // validation of this exchange fails.
    HWND PrepareEditCtrl(int id);

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Binds a member to its template control on the first exchange.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
