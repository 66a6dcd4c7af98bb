#include "Shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "app/SetupGlobals.h"

namespace {
// The whole path in UTF-16, however long: a fixed buffer would cut it.
std::vector<wchar_t> WidePath(const CString& path)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    return wide;
}
}  // namespace

void CreateShortcut(const CString& target, const CString& linkFileName, const CString& workingFolder,
                    const CString& description)
{
    CString linkPath = g_shortcutFolder + "\\" + linkFileName;
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return;
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingFolder.c_str());
    link->SetDescription(description.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        file->Save(WidePath(linkPath).data(), TRUE);
        file->Release();
    }
    link->Release();
}
