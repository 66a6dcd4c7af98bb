#include "LanguageDlg.h"

#include <cstdlib>

#include "RestoreEarlierFilePath.h"
#include "app/SetupGlobals.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

CLanguageDlg::CLanguageDlg(CWnd* parent) : CDialog(IDD_LANGUAGE, parent) {}

void CLanguageDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDOK, m_nextButton);
    DDX_Control(exchange, IDC_LANGUAGE_LIST, m_languageList);
}

BOOL CLanguageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_languageList.SetCurSel(0);
    return TRUE;
}

void CLanguageDlg::OnOK()
{
    g_languageName = m_languageList.GetWindowText();
    CDialog::OnOK();
}

void CLanguageDlg::OnCancel()
{
    RestoreEarlierFilePath();
    std::exit(0);
}
