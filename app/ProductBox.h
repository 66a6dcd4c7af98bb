#pragma once
#include <windows.h>

// The setup's way of stopping: an error box with the product caption, then
// the C run-time's normal exit with code 0.
[[noreturn]] void StopWithError(HWND owner, const char* text);

// The product's message box: caption "Velmora", system-modal.
int ShowMessage(HWND owner, const char* text, UINT buttonsAndIcon);
