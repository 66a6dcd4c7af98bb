#pragma once
#include <windows.h>

#include "CmdTarget.h"

class CWnd;

// The framework's help command.
constexpr UINT ID_HELP = 0xE146;

// The application object. The one instance is a global of the program;
// WinMain hands control to its InitInstance.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    // Pumps messages while the main window lives; returns the exit code.
    virtual int Run();

    // Opens the application's help file (the module's name with ".hlp").
    void OnHelp();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module the framework loads dialog templates, icons and strings from.
HINSTANCE AfxGetResourceHandle();
