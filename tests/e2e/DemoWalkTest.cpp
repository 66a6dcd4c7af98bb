#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "RegistryProbe.h"
#include "SetupDriver.h"

// The whole wizard walked as a user does on the first run: Next, Next,
// answer the setup's questions with their defaults, and record each screen.
// The demo command runs this walk when there is no display to click on.
namespace {
constexpr int kSplashPicture = 1014;
constexpr int kLanguageList = 1018;
constexpr int kDestinationText = 1021;
constexpr int kProgressBar = 1002;

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

void WriteSummary(const std::string& destination, DWORD exitCode)
{
    const char* dir = std::getenv("SCREENSHOT_DIR");
    if (!dir)
        return;
    std::ofstream summary(std::string(dir) + "\\summary.txt");
    summary << "Setup ended with exit code " << exitCode << "\n";
    summary << "Installed into " << destination << ":\n";
    for (const std::string& name : FilesIn(destination))
        summary << "  " << name << "\n";
    summary << "Registry HKEY_CLASSES_ROOT\\VelmoraRWD5:\n";
    for (const char* value : {"FilePath", "Language", "PRDCODE", "PRDTYPE", "LngFile"})
        summary << "  " << value << " = " << RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", value) << "\n";
}

TEST(DemoWalk, InstallsTheDemoPayloadWithTheDefaults)
{
    SetupDriver driver;
    driver.Launch();
    if (HWND splash = driver.WaitForDialog("", kSplashPicture))
        SetupDriver::Screenshot(splash, "01-splash");

    HWND language = driver.WaitForDialog("Velmora", kLanguageList);
    ASSERT_NE(language, nullptr);
    SetupDriver::Screenshot(language, "02-language");
    SetupDriver::Click(language, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(language));

    HWND destination = driver.WaitForDialog("Velmora", kDestinationText);
    ASSERT_NE(destination, nullptr);
    std::string destinationFolder = SetupDriver::ItemText(destination, kDestinationText);
    SetupDriver::Screenshot(destination, "03-destination");
    SetupDriver::Click(destination, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(destination));

    HWND progress = driver.WaitForDialog("Velmora", kProgressBar);
    ASSERT_NE(progress, nullptr);
    SetupDriver::Screenshot(progress, "04-progress");

    // Questions and notices of the worker, until the process ends.
    int boxes = 0;
    while (HWND box = driver.WaitForMessageBox("Velmora", 30000)) {
        ++boxes;
        bool yesNo = ::GetDlgItem(box, IDYES) != nullptr;
        bool okCancel = !yesNo && ::GetDlgItem(box, IDCANCEL) != nullptr;
        if (!yesNo && !okCancel) {
            SetupDriver::Screenshot(progress, "05-progress-done");
            SetupDriver::Screenshot(box, "06-completion");
        }
        SetupDriver::Click(box, yesNo ? IDYES : IDOK);
        driver.WaitUntilGone(box);
        // An earlier installation was there: the copy starts only now.
        if (okCancel)
            SetupDriver::Screenshot(progress, "04-progress");
        if (boxes > 5)
            break;
    }
    DWORD exitCode = driver.WaitForExit(30000);
    WriteSummary(destinationFolder, exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "FilePath"), destinationFolder);
    EXPECT_FALSE(FilesIn(destinationFolder).empty());
}
}  // namespace
