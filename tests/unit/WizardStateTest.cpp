#include <gtest/gtest.h>

#include "app/SetupApp.h"
#include "app/SetupGlobals.h"
#include "app/WizardState.h"
#include "framework/Thread.h"
#include "install/Registry.h"

namespace {
CString TempFolder()
{
    char buffer[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof buffer, buffer);
    return buffer;
}

CString ProductValue(const char* name)
{
    CString value;
    ReadRegString(HKEY_CLASSES_ROOT, kProductKey, name, value);
    return value;
}

TEST(WizardStateHandOver, SplashThreadPrimesTheRegistryThenGoesOnAfterThreeSeconds)
{
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", "C:\\Installed\\Velmora");
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "Language", "German");
    g_wizardState.store(kWizardWait);

    DWORD start = ::GetTickCount();
    ASSERT_NE(AfxBeginThread(&SplashThreadProc, nullptr), nullptr);
    while (g_wizardState.load() == kWizardWait)
        ::Sleep(1);
    DWORD waited = ::GetTickCount() - start;

    EXPECT_EQ(g_wizardState.load(), kWizardGoOn);
    EXPECT_GE(waited, 3000u);
    EXPECT_LT(waited, 6000u);
    // Written before the hand-over, so the next reader sees them.
    EXPECT_EQ(ProductValue("FilePath"), TempFolder() + "ztsetupdir\\BrevantEnglish.dat");
    EXPECT_EQ(ProductValue("Language"), "English");
    EXPECT_EQ(g_earlierFilePath, "C:\\Installed\\Velmora");
}

TEST(WizardStateHandOver, PrimingWithoutAnEarlierInstallationKeepsNothing)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);
    g_earlierFilePath = "left over";
    PrimeRegistry();
    EXPECT_EQ(g_earlierFilePath, "");
    EXPECT_EQ(ProductValue("Language"), "English");
}
}  // namespace
