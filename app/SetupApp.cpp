#include "SetupApp.h"

#include "WizardState.h"
#include "dialogs/DestinationDlg.h"
#include "dialogs/InstallDlg.h"
#include "dialogs/LanguageDlg.h"
#include "framework/Thread.h"

const MessageEntry CSetupApp::messageEntries[] = {
    OnCommand<&CWinApp::OnHelp>(ID_HELP),
};
const MessageMap CSetupApp::messageMap{&CWinApp::messageMap, messageEntries};

BOOL CSetupApp::InitInstance()
{
    if (!AfxBeginThread(&SplashThreadProc, this, THREAD_PRIORITY_NORMAL, 0, 0, nullptr)) {
        // Without its thread there is no splash, but the start values are
        // still needed and nothing is left to wait for.
        PrimeRegistry();
        g_wizardState.store(kWizardGoOn);
    }
    while (g_wizardState.load() == kWizardWait) {
        // The splash thread stores kWizardGoOn when its three seconds are up.
    }

    CLanguageDlg languageDlg(nullptr);
    languageDlg.DoModal();
    g_wizardState.store(kWizardWait);

    CDestinationDlg destinationDlg(nullptr);
    destinationDlg.DoModal();

    if (g_wizardState.load() == kWizardGoOn) {
        CInstallDlg installDlg(nullptr);
        m_pMainWnd = &installDlg;
        installDlg.DoModal();
    }
    return TRUE;
}
