#include "RestoreEarlierFilePath.h"

#include "app/SetupGlobals.h"
#include "install/Registry.h"

void RestoreEarlierFilePath()
{
    if (!g_earlierFilePath.empty())
        WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", g_earlierFilePath);
}
