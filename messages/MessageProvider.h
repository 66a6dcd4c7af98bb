#pragma once
#include <windows.h>

// Binding of the external message provider library and the fetch rule that
// every call site uses.

// int GetMSG(int number, char* buffer): not 0 when the text was delivered.
using GetMsgProc = int(__cdecl*)(int number, char* buffer);

constexpr int kMessageBufferSize = 256;

extern HMODULE g_messageModule;
extern GetMsgProc g_messageProc;
extern char g_messageBuffer[kMessageBufferSize];
extern int g_messageBase;

// Reads "Language", loads the provider, finds GetMSG, fetches the
// introduction block and sets g_messageBase; on any failure shows its
// message (owned by owner) and ends the process.
// The provider is taken from the folder of the running setup.exe only.
void BindMessageProvider(HWND owner);
// The same with the provider library at libraryPath.
void BindMessageProviderAt(const char* libraryPath, HWND owner);

// GetMSG looked up again by name in the bound provider.
GetMsgProc LookUpGetMsg();

// The fetch rule: the text of message number, always terminated inside
// g_messageBuffer (at most 255 characters of it, whatever the provider
// wrote); "Unable to Parse Text" (owned by owner) and exit(0) when
// the provider fails.
const char* FetchMessage(GetMsgProc proc, int number, HWND owner);
