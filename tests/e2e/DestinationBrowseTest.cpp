#include <gtest/gtest.h>
#include <windows.h>
#include <direct.h>
#include <shlobj.h>

#include <string>

#include "SetupDriver.h"

namespace {
constexpr int kLanguageList = 1018;
constexpr int kDestinationText = 1021;
constexpr int kBrowseButton = 100;
constexpr int kBrowserTree = 14145;
const char kChosenFolder[] = "C:\\velmora_e2e_browse";
const char kDestination[] = "C:\\velmora_e2e_browse\\Velmora for RAID 5 ( Demo )";

bool IsFolder(const char* path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry{};
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &entry)) {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteTree(path);
        } else {
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
    }
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
    ::RemoveDirectoryA(folder.c_str());
}

// Selects a folder in the setup's folder browser as its own selection
// callback does; the path has to live in the setup's memory.
void SelectInBrowser(HWND browser, const std::string& path)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(browser, &processId);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    ASSERT_NE(nullptr, process);
    void* remote = ::VirtualAllocEx(process, nullptr, path.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(nullptr, remote);
    ASSERT_TRUE(::WriteProcessMemory(process, remote, path.c_str(), path.size() + 1, nullptr));
    // The tree may still be filling when the browser first shows.
    for (int tries = 0; tries < 3; ++tries) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                              5000, &result);
        ::Sleep(200);
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
}

std::string WaitForItemText(HWND dialog, int id, const std::string& wanted, DWORD timeoutMs = 5000)
{
    DWORD start = ::GetTickCount();
    std::string text = SetupDriver::ItemText(dialog, id);
    while (text != wanted && ::GetTickCount() - start < timeoutMs) {
        ::Sleep(50);
        text = SetupDriver::ItemText(dialog, id);
    }
    return text;
}

bool WaitForFolder(const char* path, DWORD timeoutMs = 10000)
{
    DWORD start = ::GetTickCount();
    while (!IsFolder(path) && ::GetTickCount() - start < timeoutMs)
        ::Sleep(50);
    return IsFolder(path);
}

TEST(DestinationBrowse, BrowsedFolderBecomesTheDestinationThatNextCreates)
{
    DeleteTree(kChosenFolder);
    ASSERT_EQ(0, _mkdir(kChosenFolder));
    {
        SetupDriver driver;
        driver.Launch();
        HWND language = driver.WaitForDialog("Velmora", kLanguageList);
        ASSERT_NE(nullptr, language);
        SetupDriver::Click(language, IDOK);

        HWND destination = driver.WaitForDialog("Velmora", kDestinationText);
        ASSERT_NE(nullptr, destination);
        HWND browse = ::GetDlgItem(destination, kBrowseButton);
        ASSERT_NE(nullptr, browse);
        EXPECT_EQ("Browse", SetupDriver::Text(browse));
        std::string defaultDestination = SetupDriver::ItemText(destination, kDestinationText);
        EXPECT_NE(kDestination, defaultDestination);
        SetupDriver::Screenshot(destination, "03-destination-with-browse");

        ::PostMessageA(browse, BM_CLICK, 0, 0);
        HWND browser = driver.WaitForDialog("Browse for Folder", kBrowserTree);
        ASSERT_NE(nullptr, browser);
        EXPECT_FALSE(::IsWindowEnabled(destination));
        SelectInBrowser(browser, kChosenFolder);
        SetupDriver::Screenshot(browser, "03a-browse-for-folder");
        SetupDriver::Click(browser, IDOK);
        ASSERT_TRUE(driver.WaitUntilGone(browser));

        EXPECT_EQ(kDestination, WaitForItemText(destination, kDestinationText, kDestination));
        EXPECT_FALSE(IsFolder(kDestination));
        destination = driver.WaitForDialog("Velmora", kDestinationText);
        ASSERT_NE(nullptr, destination);
        SetupDriver::Screenshot(destination, "03b-destination-browsed");

        SetupDriver::Click(destination, IDOK);
        EXPECT_TRUE(WaitForFolder(kDestination));
    }
    DeleteTree(kChosenFolder);
}

TEST(DestinationBrowse, CancelledBrowseKeepsTheDefaultDestination)
{
    SetupDriver driver;
    driver.Launch();
    HWND language = driver.WaitForDialog("Velmora", kLanguageList);
    ASSERT_NE(nullptr, language);
    SetupDriver::Click(language, IDOK);
    HWND destination = driver.WaitForDialog("Velmora", kDestinationText);
    ASSERT_NE(nullptr, destination);
    std::string defaultDestination = SetupDriver::ItemText(destination, kDestinationText);

    ::PostMessageA(::GetDlgItem(destination, kBrowseButton), BM_CLICK, 0, 0);
    HWND browser = driver.WaitForDialog("Browse for Folder", kBrowserTree);
    ASSERT_NE(nullptr, browser);
    SetupDriver::Click(browser, IDCANCEL);
    ASSERT_TRUE(driver.WaitUntilGone(browser));
    ::Sleep(300);
    EXPECT_EQ(defaultDestination, SetupDriver::ItemText(destination, kDestinationText));
    EXPECT_TRUE(::IsWindowEnabled(destination));
}
}  // namespace
