#include "Registry.h"

#include <cstring>

namespace {
constexpr DWORD kValueBufferSize = 260;
}

void ReadRegString(HKEY root, const CString& keyPath, const CString& valueName, CString& result)
{
    HKEY key = nullptr;
    if (::RegOpenKeyA(root, keyPath.c_str(), &key) != ERROR_SUCCESS)
        return;
    BYTE buffer[kValueBufferSize] = {};
    DWORD size = kValueBufferSize;
    LONG status = ::RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, buffer, &size);
    ::RegCloseKey(key);
    const char* text = reinterpret_cast<const char*>(buffer);
    size_t length = strnlen(text, size);
    // Data that fills the buffer without a terminator has no room for one.
    if (status != ERROR_SUCCESS || length == kValueBufferSize)
        result.clear();
    else
        result.assign(text, length);
}

void WriteRegString(HKEY root, const CString& keyPath, const CString& valueName, const CString& value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}
