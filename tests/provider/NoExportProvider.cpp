// A library of the provider's name that lacks the GetMSG export.
#include <windows.h>

extern "C" __declspec(dllexport) int __cdecl GetMessageText(int, char*) { return 0; }
