#include "SetupGlobals.h"

#include "WizardState.h"

std::atomic<std::int32_t> g_wizardState{kWizardWait};

CString g_installDir;
CString g_languageName;
CString g_sourceDir;
CString g_shortcutFolder;
CString g_targetPath;
CString g_sourcePath;
CString g_earlierFilePath;

HWND g_destinationWnd = nullptr;
