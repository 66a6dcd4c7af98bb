#include "CleanUpSetupFolder.h"

#include <io.h>
#include <windows.h>

#include <cstdio>

#include "install/FileManifest.h"

namespace {
// Manifest entries 1 to 11, "VOredi5VI.exe" to "step5.bmp", were unpacked there.
constexpr std::size_t kUnpackedManifestEntries = 11;

void RemoveIfPresent(const CString& path)
{
    if (_access(path.c_str(), 0) == 0)
        std::remove(path.c_str());
}
}  // namespace

void CleanUpSetupFolder()
{
    for (std::size_t entry = 0; entry < kUnpackedManifestEntries && entry < g_fileManifest.size(); ++entry)
        RemoveIfPresent("C:\\ztsetupdir\\" + g_fileManifest[entry]);
    RemoveIfPresent("c:\\ztsetupdir\\BrevantEnglish.dat");
    RemoveIfPresent("c:\\ztsetupdir\\EncDncDF.dll");
    RemoveIfPresent("c:\\ztsetupdir\\ParseMSGNTFS.dll");
    RemoveIfPresent("c:\\ztsetupdir\\setup.exe");
    ::RemoveDirectoryA("C:\\ztsetupdir");
}
