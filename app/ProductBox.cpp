#include "ProductBox.h"

#include <cstdlib>

int ShowMessage(HWND owner, const char* text, UINT buttonsAndIcon)
{
    return ::MessageBoxA(owner, text, "Velmora", buttonsAndIcon | MB_SYSTEMMODAL);
}

void StopWithError(HWND owner, const char* text)
{
    ShowMessage(owner, text, MB_OK | MB_ICONERROR);
    std::exit(0);
}
