#include <gtest/gtest.h>

#include "RegistryProbe.h"
#include "SetupDriver.h"

namespace {
constexpr int kSplashPicture = 1014;
constexpr int kLanguageList = 1018;
constexpr COLORREF kSplashYellow = RGB(253, 250, 130);

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

TEST(SplashScreen, CentredCaptionlessYellowAndGoneAfterThreeSeconds)
{
    RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, "VelmoraRWD5");
    SetupDriver driver;
    driver.Launch();
    HWND splash = driver.WaitForDialog("", kSplashPicture, 5000);
    ASSERT_NE(splash, nullptr);
    DWORD shownAt = ::GetTickCount();

    EXPECT_NE(::GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));
    RECT window{};
    ::GetWindowRect(splash, &window);
    EXPECT_NEAR((window.left + window.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 2);

    ::Sleep(300);
    RECT picture{}, client{};
    ::GetWindowRect(::GetDlgItem(splash, kSplashPicture), &picture);
    ::GetClientRect(splash, &client);
    ::MapWindowPoints(splash, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(ScreenPixel((picture.right + client.right) / 2, (client.top + client.bottom) / 2), kSplashYellow);
    // The picture itself is painted: its middle is not the dialog's yellow.
    EXPECT_NE(ScreenPixel((picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2), kSplashYellow);
    SetupDriver::Screenshot(splash, "splash");

    ASSERT_TRUE(driver.WaitUntilGone(splash, 6000));
    DWORD shownFor = ::GetTickCount() - shownAt;
    EXPECT_GE(shownFor, 2500u);
    EXPECT_LE(shownFor, 4000u);

    HWND language = driver.WaitForDialog("Velmora", kLanguageList);
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDCANCEL);
    EXPECT_EQ(driver.WaitForExit(), 0u);
}
}  // namespace
