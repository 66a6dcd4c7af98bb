// The stand-in message provider: GetMSG(number, buffer) delivers the text of
// message number in the language that "Language" names at the time of the
// call, as narrow text of at most 255 characters plus its terminator.
#include <windows.h>

#include <string>

#include "MessageTable.h"

namespace {
HMODULE g_module = nullptr;

std::string LanguageValue()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, "VelmoraRWD5", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::string();
    char data[260] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    LONG status = ::RegQueryValueExA(key, "Language", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : std::string();
}

// The table of the language that "Language" names exactly; English for any
// other value, since the setup then counts with the six-message block.
std::string TableText()
{
    for (const char* name : {"Dutch", "English", "French", "German"}) {
        if (LanguageValue() != name)
            continue;
        std::string text = ResourceText(g_module, name);
        if (!text.empty())
            return text;
    }
    return ResourceText(g_module, "English");
}
}  // namespace

extern "C" __declspec(dllexport) int __cdecl GetMSG(int number, char* buffer)
{
    if (!buffer)
        return 0;
    std::string text;
    if (!FindMessage(TableText(), number, text))
        return 0;
    std::string narrow = Utf8ToAnsi(text).substr(0, kMaxMessageLength);
    narrow.copy(buffer, narrow.size());
    buffer[narrow.size()] = '\0';
    return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
