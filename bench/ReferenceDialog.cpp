// The smallest Win32 dialog program: the yardstick for the setup's size,
// start-up time and memory under the same Wine. With REFERENCE_BUSY_THREAD
// set it first starts a thread that spins as the setup's main thread does
// during its splash, to show what such a thread costs the rest.
#include <windows.h>

#include "ReferenceDialog.h"

namespace {
DWORD WINAPI Spin(LPVOID)
{
    for (volatile bool spinning = true; spinning;) {
    }
    return 0;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (::GetEnvironmentVariableA("REFERENCE_BUSY_THREAD", nullptr, 0))
        ::CloseHandle(::CreateThread(nullptr, 0, &Spin, nullptr, 0, nullptr));
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_REFERENCE), nullptr, &DialogProc, 0);
    return 0;
}
