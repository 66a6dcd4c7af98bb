#include <new>

#include "SetupApp.h"
#include "WizardState.h"
#include "dialogs/SplashDlg.h"
#include "framework/Thread.h"

namespace {
constexpr DWORD kSplashMilliseconds = 3000;
}

UINT SplashThreadProc(LPVOID)
{
    PrimeRegistry();
    // The splash is shown and painted while it is created; this thread runs
    // no message loop.
    CSplashDlg* splash = new (std::nothrow) CSplashDlg(nullptr);
    ::Sleep(kSplashMilliseconds);
    delete splash;
    g_wizardState.store(kWizardGoOn);
    AfxEndThread(0, TRUE);
}
