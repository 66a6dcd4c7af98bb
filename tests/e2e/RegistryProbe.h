#pragma once
#include <windows.h>

#include <string>

// The product key as the setup under test sees it (its 32- or 64-bit view).
class RegistryProbe {
public:
    static bool SetupIs32Bit();
    // The value's text, or "<missing>" when the key or the value is absent.
    static std::string Read(HKEY root, const char* keyPath, const char* valueName);
    static void Write(HKEY root, const char* keyPath, const char* valueName, const std::string& value);
    static void DeleteKey(HKEY root, const char* keyPath);
};
