#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "FileTree.h"
#include "RegistryProbe.h"
#include "SetupDriver.h"

// The whole wizard from the package folder: Next, Next, the worker's
// questions, then what the installation left behind.
namespace {
constexpr int kLanguageList = 1018;
constexpr int kDestinationText = 1021;
constexpr int kProgressBar = 1002;
constexpr int kPercent = 1013;
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const char* const kDestinationFiles[] = {
    "VOredi5VI.exe", "DAvedu5.exe",   "AVI.avi",       "getdisk.exe",     "step1.BMP",       "step1a.bmp",
    "step2.bmp",     "step2a.bmp",    "step3.bmp",     "step4.bmp",       "step5.bmp",       "VelmoraHelp.chm",
    "RovovIRAZU5.dll", "RepairWMI.exe", "unfixwmi.bat", "EnglishA.dat",   "DutchA.dat",      "FrenchA.dat",
    "GermanA.dat",   "EnglishW.dat",  "DutchW.dat",    "FrenchW.dat",     "GermanW.dat",     "ZTParseMsgA.dll",
    "ZTParseMSGW.dll",
};
const char* const kWindowsFiles[] = {"Getdisk.exe", "step1.BMP", "step1a.bmp", "step2.bmp", "UninstallDAVedu5.exe"};

std::string ShellFolder(const char* name) { return RegistryProbe::Read(HKEY_CURRENT_USER, kShellFolders, name); }

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    ::GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

// The System folder as the setup under test sees it.
std::string SetupSystemFolder()
{
    return WindowsFolder() + (RegistryProbe::SetupIs32Bit() ? "\\syswow64" : "\\system32");
}

struct Link {
    bool loaded = false;
    std::string target, workingFolder, description;
};

Link ReadLink(const std::string& path)
{
    Link link;
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&shellLink))) &&
        SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
        char text[1024] = {};
        shellLink->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
        link.target = text;
        shellLink->GetWorkingDirectory(text, sizeof text);
        link.workingFolder = text;
        shellLink->GetDescription(text, sizeof text);
        link.description = text;
        link.loaded = true;
    }
    if (file)
        file->Release();
    if (shellLink)
        shellLink->Release();
    return link;
}

class Installation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, "VelmoraRWD5");
        // What an earlier run may have left.
        RemoveTree(ShellFolder("Programs") + "\\Velmora");
        for (const char* link : {"Velmora RAID5.lnk", "Velmora RAID5 De-Stripper.lnk"})
            ::DeleteFileA((ShellFolder("Desktop") + "\\" + link).c_str());
        for (const char* name : kWindowsFiles)
            ::DeleteFileA((WindowsFolder() + "\\" + name).c_str());
        ::DeleteFileA((SetupSystemFolder() + "\\unfixwmi.bat").c_str());
    }
    void TearDown() override { ::CoUninitialize(); }

    SetupDriver driver;
};

TEST_F(Installation, SmokeWholeWizardInstallsEveryFileShortcutAndValue)
{
    driver.Launch();
    HWND language = driver.WaitForDialog("Velmora", kLanguageList, 120000);
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(language));

    HWND destination = driver.WaitForDialog("Velmora", kDestinationText, 60000);
    ASSERT_NE(destination, nullptr);
    std::string installDir = SetupDriver::ItemText(destination, kDestinationText);
    ASSERT_FALSE(installDir.empty());
    RemoveTree(installDir);
    DWORD start = ::GetTickCount();
    SetupDriver::Click(destination, IDOK);

    HWND progress = driver.WaitForDialog("Velmora", kProgressBar, 60000);
    ASSERT_NE(progress, nullptr);
    ::Sleep(600);
    SetupDriver::Screenshot(progress, "install-copying");

    // The shortcut question comes once every file is copied.
    HWND question = driver.WaitForMessageBox("Velmora", 60000);
    ASSERT_NE(question, nullptr);
    DWORD copied = ::GetTickCount() - start;
    EXPECT_NE(::GetDlgItem(question, IDYES), nullptr);
    EXPECT_EQ(SetupDriver::ItemText(progress, kPercent), "100 %");
    EXPECT_EQ(::SendMessageA(::GetDlgItem(progress, kProgressBar), PBM_GETPOS, 0, 0), 100);
    SetupDriver::Screenshot(progress, "install-done");
    SetupDriver::Click(question, IDYES);
    ASSERT_TRUE(driver.WaitUntilGone(question));

    HWND completed = driver.WaitForMessageBox("Velmora", 30000);
    ASSERT_NE(completed, nullptr);
    EXPECT_EQ(SetupDriver::MessageBoxText(completed), "Installation Completed Successfully");
    SetupDriver::Click(completed, IDOK);
    EXPECT_EQ(driver.WaitForExit(30000), 0u);
    std::printf("installation took %lu ms from Next to the shortcut question\n", copied);

    for (const char* name : kDestinationFiles)
        EXPECT_TRUE(Exists(installDir + "\\" + name)) << name;
    EXPECT_FALSE(Exists(installDir + "\\UninstallDAVedu5.exe"));
    for (const char* name : kWindowsFiles)
        EXPECT_TRUE(Exists(WindowsFolder() + "\\" + name)) << name;
    EXPECT_TRUE(Exists(SetupSystemFolder() + "\\unfixwmi.bat"));

    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "FilePath"), installDir);
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "PRDCODE"), "RW5");
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "PRDTYPE"), "ZTRW5");
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "LngFile"), "DutchW.dat");

    struct Expected {
        std::string link, target, workingFolder, description;
    };
    std::string group = ShellFolder("Programs") + "\\Velmora\\";
    std::string desktop = ShellFolder("Desktop") + "\\";
    const Expected links[] = {
        {group + "Velmora RAID5.lnk", installDir + "\\DAvedu5.exe", installDir + "\\", "Velmora RAID5"},
        {group + "Velmora RAID5 De-Stripper.lnk", installDir + "\\VOredi5VI.exe", installDir + "\\",
         "Velmora RAID5 De-Stripper"},
        {desktop + "Velmora RAID5.lnk", installDir + "\\DAvedu5.exe", installDir + "\\", "Velmora RAID5"},
        {desktop + "Velmora RAID5 De-Stripper.lnk", installDir + "\\VOredi5VI.exe", installDir + "\\",
         "Velmora RAID5 De-Stripper"},
        {group + "Uninstall Raid5.lnk", WindowsFolder() + "\\UninstallDAVedu5.exe", WindowsFolder(), "Uninstall"},
    };
    for (const Expected& expected : links) {
        Link link = ReadLink(expected.link);
        ASSERT_TRUE(link.loaded) << expected.link;
        EXPECT_EQ(link.target, expected.target);
        EXPECT_EQ(link.workingFolder, expected.workingFolder);
        EXPECT_EQ(link.description, expected.description);
    }
}

TEST_F(Installation, ProgressDialogIgnoresCloseEnterAndEscAndEndsOnlyWhenRestored)
{
    driver.Launch();
    HWND language = driver.WaitForDialog("Velmora", kLanguageList, 120000);
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(language));
    HWND destination = driver.WaitForDialog("Velmora", kDestinationText, 60000);
    ASSERT_NE(destination, nullptr);
    RemoveTree(SetupDriver::ItemText(destination, kDestinationText));
    SetupDriver::Click(destination, IDOK);

    HWND progress = driver.WaitForDialog("Velmora", kProgressBar, 60000);
    ASSERT_NE(progress, nullptr);
    // The close box, Alt+F4, Enter and Esc while the worker copies.
    SetupDriver::CloseBox(progress);
    ::PostMessageA(progress, WM_CLOSE, 0, 0);
    ::PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ::PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);

    HWND question = driver.WaitForMessageBox("Velmora", 60000);
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(::IsWindowVisible(progress));
    EXPECT_EQ(SetupDriver::ItemText(progress, kPercent), "100 %");
    SetupDriver::Click(question, IDNO);
    ASSERT_TRUE(driver.WaitUntilGone(question));

    HWND completed = driver.WaitForMessageBox("Velmora", 30000);
    ASSERT_NE(completed, nullptr);
    ::ShowWindow(progress, SW_MINIMIZE);
    SetupDriver::Click(completed, IDOK);
    // Finished while minimised: the process waits for the window to come back.
    EXPECT_EQ(driver.WaitForExit(1500), static_cast<DWORD>(STILL_ACTIVE));
    ::ShowWindow(progress, SW_RESTORE);
    EXPECT_EQ(driver.WaitForExit(30000), 0u);

    // No: nothing on the desktop, the Start-menu group complete.
    std::string group = ShellFolder("Programs") + "\\Velmora\\";
    std::string desktop = ShellFolder("Desktop") + "\\";
    for (const char* name : {"Velmora RAID5.lnk", "Velmora RAID5 De-Stripper.lnk"}) {
        EXPECT_TRUE(ReadLink(group + name).loaded) << name;
        EXPECT_FALSE(Exists(desktop + name)) << name;
    }
}
}  // namespace
