#include "FolderPicker.h"

#include <windows.h>
#include <shlobj.h>

#include "FolderDialog.h"
#include "framework/WinApp.h"

namespace {
int CALLBACK SelectEntryPath(HWND browser, UINT notice, LPARAM, LPARAM entryPath)
{
    if (notice == BFFM_INITIALIZED)
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, entryPath);
    return 0;
}

BOOL PickWithShellBrowser(CString& path, CWnd* owner, const CString& title)
{
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner ? owner->m_hWnd : nullptr;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = &SelectEntryPath;
    browse.lParam = reinterpret_cast<LPARAM>(path.c_str());
    LPITEMIDLIST items = ::SHBrowseForFolderA(&browse);
    if (!items)
        return FALSE;
    char chosen[MAX_PATH] = {};
    BOOL picked = ::SHGetPathFromIDListA(items, chosen);
    if (picked)
        path = chosen;
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)) || !allocator)
        return FALSE;
    allocator->Free(items);
    allocator->Release();
    return picked;
}

// The file dialog leaves the process in the folder last opened; the install
// worker takes its source folder from the current folder, so it is put back.
class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() { m_kept = ::GetCurrentDirectoryA(sizeof m_folder, m_folder) < sizeof m_folder; }
    ~CurrentFolderKeeper()
    {
        if (m_kept)
            ::SetCurrentDirectoryA(m_folder);
    }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
    char m_folder[MAX_PATH] = {};
    bool m_kept = false;
};

BOOL PickWithFileDialog(CString& path, CWnd* owner, const CString& title)
{
    CurrentFolderKeeper currentFolder;
    CFolderDialog dialog(owner);
    dialog.m_ofn.Flags &= ~OFN_EXPLORER;
    dialog.m_ofn.hInstance = AfxGetInstanceHandle();
    dialog.m_ofn.lpstrInitialDir = path.c_str();
    dialog.m_ofn.lpstrTitle = title.c_str();
    if (dialog.DoModal() != IDOK)
        return FALSE;
    // The returned name is the open folder, a backslash and the hidden name.
    CString fullName = dialog.GetPathName();
    WORD nameOffset = dialog.m_ofn.nFileOffset;
    if (nameOffset == 0 || nameOffset > fullName.size())
        return FALSE;
    path = fullName.substr(0, nameOffset - 1);
    return TRUE;
}
}  // namespace

BOOL PickFolder(CString& path, CWnd* owner, BOOL useFileDialog, const CString& title)
{
    BYTE majorVersion = LOBYTE(LOWORD(::GetVersion()));
    if (majorVersion < 4 || useFileDialog)
        return PickWithFileDialog(path, owner, title);
    return PickWithShellBrowser(path, owner, title);
}
