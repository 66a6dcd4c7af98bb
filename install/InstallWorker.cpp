#include "InstallWorker.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FileChecks.h"
#include "FileManifest.h"
#include "ProgramShortcuts.h"
#include "Registry.h"
#include "Shortcut.h"
#include "app/Paths.h"
#include "app/ProductBox.h"
#include "app/SetupGlobals.h"
#include "app/WizardState.h"
#include "framework/Thread.h"
#include "framework/Wnd.h"
#include "messages/MessageProvider.h"
#include "res/resource.h"

namespace {
constexpr int kCopyCompleteStatus = 4;  // base+4
constexpr int kNotCompletedNotice = 9;  // base+9
constexpr int kAlreadyInstalled = 8;    // base+8
constexpr DWORD kPacingMs = 100;
constexpr const char* kUninstaller = "UninstallDAVedu5.exe";
constexpr const char* kNotCompleted = "Installation Not Completed Successfully";

// A system folder as the system names it; empty when it does not fit.
CString SystemFolder(UINT (WINAPI* query)(LPSTR, UINT))
{
    char buffer[MAX_PATH] = {};
    UINT length = query(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? CString(buffer, length) : CString();
}

CString CurrentFolder()
{
    DWORD size = ::GetCurrentDirectoryA(0, nullptr);
    CString folder(size, '\0');
    DWORD length = size ? ::GetCurrentDirectoryA(size, folder.data()) : 0;
    folder.resize(length < size ? length : 0);
    return folder;
}

void RefuseWindows9x()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (::GetVersionExA(&version) && (version.dwPlatformId & 1))
        StopWithError(nullptr, "Velmora for RAID 5 can be installed only on NT/2k/XP/2K3 systems");
}

void AskBeforeOverwriting(GetMsgProc getMsg)
{
    if (!PathExists(JoinPath(g_installDir, "DAvedu5.exe")))
        return;
    const char* question = FetchMessage(getMsg, g_messageBase + kAlreadyInstalled, nullptr);
    if (ShowMessage(nullptr, question, MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL)
        std::exit(0);
}

void ShowProgress(HWND dialog, int percent)
{
    ::SendDlgItemMessageA(dialog, IDC_PROGRESS, PBM_SETPOS, percent, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%d %%", percent);
    ::SetDlgItemTextA(dialog, IDC_PERCENT, text);
}

// The uninstaller goes to the Windows folder only; its shortcut follows a
// successful copy and starts in the folder that holds it.
void InstallUninstaller(const CString& windowsFolder)
{
    CString installed = JoinPath(windowsFolder, kUninstaller);
    if (!::CopyFileA(g_sourcePath.c_str(), installed.c_str(), FALSE))
        return;
    CString programs;
    ReadRegString(HKEY_CURRENT_USER, kShellFoldersKey, "Programs", programs);
    g_shortcutFolder = programs + "\\Velmora";
    EnsureFolder(g_shortcutFolder);
    ::CoInitialize(nullptr);
    CreateShortcut(installed, "Uninstall Raid5.lnk", windowsFolder, "Uninstall");
    ::CoUninitialize();
}

// Copies one plain entry; false when its source is missing or the copy
// fails, which stops the installation.
bool CopyPlainEntry(std::size_t index, const CString& windowsFolder)
{
    const CString& name = g_fileManifest[index];
    g_targetPath = JoinPath(g_installDir, name);
    if (!PathExists(g_sourcePath))
        return false;
    // Read-only and hidden copies of an earlier installation are replaced too.
    if (PathExists(g_targetPath))
        ::SetFileAttributesA(g_targetPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!::CopyFileA(g_sourcePath.c_str(), g_targetPath.c_str(), FALSE))
        return false;
    if (index >= kFirstWindowsBitmap && index <= kLastWindowsBitmap)
        ::CopyFileA(g_sourcePath.c_str(), JoinPath(windowsFolder, name).c_str(), FALSE);
    return true;
}

// Copies the manifest in order; returns how many entries passed.
std::size_t CopyPayload(HWND dialog, const CString& windowsFolder)
{
    const std::size_t count = g_fileManifest.size();
    std::size_t passed = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const CString& name = g_fileManifest[index];
        g_sourcePath = JoinPath(g_sourceDir, name);
        if (_stricmp(name.c_str(), "Getdisk.exe") == 0)
            ::CopyFileA(g_sourcePath.c_str(), JoinPath(windowsFolder, "Getdisk.exe").c_str(), FALSE);
        if (_stricmp(name.c_str(), "unfixwmi.bat") == 0)
            ::CopyFileA(g_sourcePath.c_str(), JoinPath(SystemFolder(&::GetSystemDirectoryA), "unfixwmi.bat").c_str(),
                        FALSE);
        if (name == kUninstaller) {
            InstallUninstaller(windowsFolder);
        } else {
            if (!CopyPlainEntry(index, windowsFolder))
                break;
            ::Sleep(kPacingMs);
            ShowProgress(dialog, static_cast<int>(100 * index / count));
        }
        ++passed;
    }
    ::Sleep(kPacingMs);
    ShowProgress(dialog, static_cast<int>(100 * passed / count));
    return passed;
}

void WriteProductValues()
{
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", g_installDir);
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "PRDCODE", "RW5");
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "PRDTYPE", "ZTRW5");
    g_languageName += "W.dat";
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "LngFile", g_languageName);
}
}  // namespace

UINT InstallThreadProc(LPVOID parameter)
{
    HWND dialog = static_cast<CWnd*>(parameter)->m_hWnd;
    GetMsgProc getMsg = LookUpGetMsg();
    CString windowsFolder = SystemFolder(&::GetWindowsDirectoryA);
    RefuseWindows9x();
    g_sourceDir = CurrentFolder();
    EnsureFolder(g_installDir);
    AskBeforeOverwriting(getMsg);

    if (CopyPayload(dialog, windowsFolder) == g_fileManifest.size()) {
        ::SetDlgItemTextA(dialog, IDC_STATUS_GROUP, FetchMessage(getMsg, g_messageBase + kCopyCompleteStatus, nullptr));
        CreateProgramShortcuts();
    } else {
        ::SetDlgItemTextA(dialog, IDC_STATUS_GROUP, kNotCompleted);
        ShowMessage(nullptr, FetchMessage(getMsg, g_messageBase + kNotCompletedNotice, nullptr),
                    MB_OK | MB_ICONERROR);
    }
    WriteProductValues();
    g_wizardState.store(kWizardFinished);
    ::InvalidateRect(dialog, nullptr, TRUE);
    AfxEndThread(0, TRUE);
}
