#include "DataExchange.h"

#include "Exceptions.h"
#include "Wnd.h"

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (!control)
        AfxThrowNotSupportedException();
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    if (!control.SubclassWindow(exchange->PrepareCtrl(id)))
        AfxThrowNotSupportedException();
}
