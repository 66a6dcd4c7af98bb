#include "ProgramShortcuts.h"

#include <windows.h>
#include <objbase.h>

#include <vector>

#include "FileChecks.h"
#include "FileManifest.h"
#include "Registry.h"
#include "Shortcut.h"
#include "app/Paths.h"
#include "app/ProductBox.h"
#include "app/SetupGlobals.h"
#include "messages/MessageProvider.h"

namespace {
constexpr int kDesktopQuestion = 10;  // base+10: keep the desktop shortcuts?
constexpr int kCompletedNotice = 5;   // base+5
constexpr const char* kGroupFolder = "\\Velmora";

struct ProgramShortcut {
    const char* displayName;
    std::size_t manifestEntry;
};
constexpr ProgramShortcut kProgramShortcuts[] = {
    {"Velmora RAID5 De-Stripper", kFirstProgramEntry},
    {"Velmora RAID5", kSecondProgramEntry},
};

CString ShellFolder(const char* name)
{
    CString folder;
    ReadRegString(HKEY_CURRENT_USER, kShellFoldersKey, name, folder);
    return folder;
}

// Replaces a copy of the link in folder; a read-only one too.
BOOL CopyLinkInto(const CString& link, const CString& folder, const CString& linkFileName)
{
    CString copy = folder + "\\" + linkFileName;
    if (PathExists(copy))
        ::SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::CopyFileA(link.c_str(), copy.c_str(), FALSE);
}

// Makes one program's shortcut and spreads it; returns where its desktop
// copy ended up.
CString MakeProgramShortcut(const ProgramShortcut& program)
{
    CString linkFileName = CString(program.displayName) + ".lnk";
    CString installFolder = JoinPath(g_installDir, "");
    CString target = installFolder + g_fileManifest[program.manifestEntry];

    EnsureFolder(ShellFolder("Start Menu") + "\\Programs" + kGroupFolder);
    CString desktop = ShellFolder("Desktop");
    g_shortcutFolder = desktop;
    ::CoInitialize(nullptr);
    CreateShortcut(target, linkFileName, installFolder, program.displayName);
    ::CoUninitialize();
    CString desktopLink = desktop + "\\" + linkFileName;

    CString group = ShellFolder("Start Menu") + "\\Programs" + kGroupFolder;
    EnsureFolder(group);
    CopyLinkInto(desktopLink, group, linkFileName);
    // Only a folder that is already there receives a copy; it is never made.
    CString startMenuFolder = ShellFolder("Start Menu") + kGroupFolder;
    if (FolderExists(startMenuFolder))
        CopyLinkInto(desktopLink, startMenuFolder, linkFileName);

    // The all-users desktop on the drive of the user's desktop.
    CString allUsersDesktop = desktop.substr(0, 1) + ":\\Documents and Settings\\All Users\\Desktop";
    CString allUsersLink = allUsersDesktop + "\\" + linkFileName;
    if (!desktop.empty() && FolderExists(allUsersDesktop) &&
        ::CopyFileA(desktopLink.c_str(), allUsersLink.c_str(), FALSE)) {
        ::DeleteFileA(desktopLink.c_str());
        return allUsersLink;
    }
    return desktopLink;
}
}  // namespace

void CreateProgramShortcuts()
{
    GetMsgProc getMsg = LookUpGetMsg();
    const char* question = FetchMessage(getMsg, g_messageBase + kDesktopQuestion, nullptr);
    bool keepOnDesktop = ShowMessage(nullptr, question, MB_YESNO | MB_ICONQUESTION) != IDNO;

    std::vector<CString> desktopLinks;
    for (const ProgramShortcut& program : kProgramShortcuts) {
        desktopLinks.push_back(MakeProgramShortcut(program));
    }

    FetchMessage(getMsg, g_messageBase + kCompletedNotice, nullptr);
    ShowMessage(nullptr, "Installation Completed Successfully", MB_OK | MB_ICONINFORMATION);

    // No: the Start-menu shortcuts stay, none is left on a desktop.
    if (!keepOnDesktop) {
        for (const CString& link : desktopLinks)
            ::DeleteFileA(link.c_str());
    }
}
