#include "FolderDialog.h"

#include <dlgs.h>

#include "framework/Dc.h"

const MessageEntry CFolderDialog::messageEntries[] = {
    OnMessage<&CFolderDialog::OnPaint>(WM_PAINT),
};
const MessageMap CFolderDialog::messageMap{&CFileDialog::messageMap, messageEntries};

CFolderDialog::CFolderDialog(CWnd* parent)
    : CFileDialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, parent)
{
}

BOOL CFolderDialog::OnInitDialog()
{
    for (int id : {stc2, stc3, edt1, lst1, cmb1})
        ::ShowWindow(GetDlgItem(id), SW_HIDE);
    SetDlgItemText(edt1, "Junk");
    ::SetFocus(GetDlgItem(lst2));
    m_firstPaint = TRUE;
    CFileDialog::OnInitDialog();
    return FALSE;
}

void CFolderDialog::OnPaint()
{
    CPaintDC dc(this);
    if (!m_firstPaint)
        return;
    m_firstPaint = FALSE;
    ::SendMessageA(GetDlgItem(lst2), LB_SETCURSEL, 0, 0);
}
