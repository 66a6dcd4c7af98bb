// The smallest Win32 dialog program: the yardstick for the setup's size,
// start-up time and memory under the same Wine.
#include <windows.h>

#include "ReferenceDialog.h"

namespace {
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
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_REFERENCE), nullptr, &DialogProc, 0);
    return 0;
}
