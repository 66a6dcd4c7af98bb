#include "DefaultDestination.h"

#include <windows.h>

#include "install/Registry.h"

CString DefaultDestination()
{
    CString programFiles;
    ReadRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", programFiles);
    return programFiles + "\\Velmora for RAID 5 ( Demo )";
}
