#include <vector>

#include "SetupApp.h"
#include "SetupGlobals.h"
#include "install/Registry.h"

namespace {
// The temporary folder, ending with a backslash, however long it is.
CString TempFolder()
{
    DWORD needed = ::GetTempPathA(0, nullptr);
    std::vector<char> buffer(needed + 1);
    DWORD length = ::GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    return length > 0 && length < buffer.size() ? CString(buffer.data(), length) : CString();
}
}  // namespace

void PrimeRegistry()
{
    // Kept so that quitting before the installation can restore it.
    CString earlierFilePath;
    ReadRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", earlierFilePath);
    g_earlierFilePath = earlierFilePath;

    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", TempFolder() + "ztsetupdir\\BrevantEnglish.dat");
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "Language", "English");
}
