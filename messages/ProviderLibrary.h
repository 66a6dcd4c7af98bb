#pragma once
#include <windows.h>

#include "framework/AfxString.h"

// The provider's file name, looked for only beside the running setup.exe.
constexpr const char* kProviderFileName = "RovovIRAZU5.dll";

// The full path of the provider in the folder of the running program.
CString ProviderPathBesideProgram();

// Loads the library by its full path, after taking the current folder and
// PATH out of the search for other libraries where the system allows it.
HMODULE LoadProviderLibrary(const CString& fullPath);
