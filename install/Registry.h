#pragma once
#include <windows.h>

#include "framework/AfxString.h"

// The product's own key under HKEY_CLASSES_ROOT.
constexpr const char* kProductKey = "VelmoraRWD5";
constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

// Reads a value as text. A key that cannot be opened leaves result as it
// was; a missing value, or one that does not fit 260 bytes with its
// terminator, reads as the empty string.
void ReadRegString(HKEY root, const CString& keyPath, const CString& valueName, CString& result);

// Writes a REG_SZ value, creating the key path as needed. Failures are silent.
void WriteRegString(HKEY root, const CString& keyPath, const CString& valueName, const CString& value);
