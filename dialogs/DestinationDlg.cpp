#include "DestinationDlg.h"

#include "app/WizardState.h"
#include "res/resource.h"

CDestinationDlg::CDestinationDlg(CWnd* parent) : CDialog(IDD_DESTINATION, parent) {}

void CDestinationDlg::OnOK()
{
    g_wizardState.store(kWizardGoOn);
    CDialog::OnOK();
}
