#pragma once
#include <windows.h>

// The install worker: copies the payload, reports its progress to the
// installation dialog (passed as a CWnd*) through the controls 1002, 1013 and
// 1000, makes the shortcuts, writes the product's registry values, then sets
// the wizard state to finished and asks the dialog to repaint. Ends its own
// framework thread.
UINT InstallThreadProc(LPVOID dialog);
