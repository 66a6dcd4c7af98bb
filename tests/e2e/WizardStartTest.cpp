#include <gtest/gtest.h>

#include "RegistryProbe.h"
#include "SetupDriver.h"

namespace {
constexpr int kLanguageList = 1018;
constexpr int kSplashPicture = 1014;

std::string TempFolder()
{
    char buffer[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof buffer, buffer);
    return buffer;
}

class WizardStart : public ::testing::Test {
protected:
    void SetUp() override { RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, "VelmoraRWD5"); }

    HWND ReachLanguageDialog(bool takeScreenshots)
    {
        driver.Launch();
        HWND splash = driver.WaitForDialog("", kSplashPicture);
        EXPECT_NE(splash, nullptr) << "no splash";
        if (splash && takeScreenshots)
            SetupDriver::Screenshot(splash, "01-splash");
        HWND language = driver.WaitForDialog("Velmora", kLanguageList);
        EXPECT_NE(language, nullptr) << "no language dialog";
        if (language && takeScreenshots)
            SetupDriver::Screenshot(language, "02-language");
        return language;
    }

    SetupDriver driver;
};

TEST_F(WizardStart, SmokeLanguageDialogFollowsTheThreeSecondSplash)
{
    HWND language = ReachLanguageDialog(true);
    ASSERT_NE(language, nullptr);
    EXPECT_GE(driver.MillisecondsSinceLaunch(), 3000u);
    EXPECT_EQ(SetupDriver::Text(language), "Velmora");
    EXPECT_EQ(SetupDriver::ItemText(language, kLanguageList), "Dutch");

    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "FilePath"),
              TempFolder() + "ztsetupdir\\BrevantEnglish.dat");
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "Language"), "English");

    SetupDriver::Click(language, IDCANCEL);
    EXPECT_EQ(driver.WaitForExit(), 0u);
}

struct WayOut {
    const char* name;
    void (*leave)(HWND dialog);
};

class LeavingTheLanguageDialog : public WizardStart, public ::testing::WithParamInterface<WayOut> {
};

TEST_P(LeavingTheLanguageDialog, EndsTheSetupWithExitCodeZeroAndKeepsThePrimingValues)
{
    HWND language = ReachLanguageDialog(false);
    ASSERT_NE(language, nullptr);
    GetParam().leave(language);
    EXPECT_EQ(driver.WaitForExit(), 0u);
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "FilePath"),
              TempFolder() + "ztsetupdir\\BrevantEnglish.dat");
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, "VelmoraRWD5", "Language"), "English");
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, LeavingTheLanguageDialog,
    ::testing::Values(WayOut{"ExitButton", [](HWND dialog) { SetupDriver::Click(dialog, IDCANCEL); }},
                      WayOut{"EscapeKey", [](HWND dialog) { SetupDriver::PressKey(dialog, VK_ESCAPE); }},
                      WayOut{"CloseBox", [](HWND dialog) { SetupDriver::CloseBox(dialog); }}),
    [](const ::testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });
}  // namespace
