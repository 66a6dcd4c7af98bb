#include "RegistryProbe.h"

#include <cstdlib>
#include <cstring>

namespace {
// HKEY_CLASSES_ROOT is shared by both views; HKEY_LOCAL_MACHINE\Software is
// not, and a 32-bit setup sees its own.
REGSAM View(HKEY root)
{
    return RegistryProbe::SetupIs32Bit() && root == HKEY_LOCAL_MACHINE ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}
}  // namespace

bool RegistryProbe::SetupIs32Bit()
{
    const char* bits = std::getenv("SETUP_BITS");
    return bits && std::strcmp(bits, "32") == 0;
}

std::string RegistryProbe::Read(HKEY root, const char* keyPath, const char* valueName)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, keyPath, 0, KEY_READ | View(root), &key) != ERROR_SUCCESS)
        return "<missing>";
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    LONG status = ::RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(buffer) : "<missing>";
}

void RegistryProbe::Write(HKEY root, const char* keyPath, const char* valueName, const std::string& value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS | View(root), nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

void RegistryProbe::DeleteKey(HKEY root, const char* keyPath)
{
    ::RegDeleteKeyExA(root, keyPath, View(root), 0);
}
