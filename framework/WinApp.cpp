#include "WinApp.h"

#include <string>

#include "Exceptions.h"
#include "Wnd.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* AfxGetApp() { return g_application; }

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }

int CWinApp::Run()
{
    MSG msg;
    while (m_pMainWnd && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return 0;
}

void CWinApp::OnHelp()
{
    char module[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string helpFile(module, length);
    std::string::size_type dot = helpFile.find_last_of('.');
    helpFile = helpFile.substr(0, dot) + ".hlp";
    ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 0;
    app->m_hInstance = instance;
    try {
        if (app->InitInstance())
            app->Run();
    } catch (...) {
        AfxAbortOnUnhandledException();
    }
    return 0;
}
