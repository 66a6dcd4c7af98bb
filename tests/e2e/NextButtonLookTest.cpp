#include <gtest/gtest.h>

#include "RegistryProbe.h"
#include "SetupDriver.h"

namespace {
constexpr int kLanguageList = 1018;
constexpr int kDestinationText = 1021;
constexpr COLORREF kHotText = RGB(0, 128, 0);

// Pixels of the colour on the screen inside the window.
int CountOnScreen(HWND window, COLORREF color)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    HDC screen = ::GetDC(nullptr);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += ::GetPixel(screen, x, y) == color;
    ::ReleaseDC(nullptr, screen);
    return count;
}

TEST(NextButtonLook, CaptionTurnsGreenUnderThePointer)
{
    RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, "VelmoraRWD5");
    ::SetCursorPos(2, 2);
    SetupDriver driver;
    driver.Launch();
    HWND language = driver.WaitForDialog("Velmora", kLanguageList);
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDOK);
    ASSERT_TRUE(driver.WaitUntilGone(language));
    HWND destination = driver.WaitForDialog("Velmora", kDestinationText);
    ASSERT_NE(destination, nullptr);
    HWND next = ::GetDlgItem(destination, IDOK);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(::GetWindowLongA(next, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    SetupDriver::Screenshot(destination, "destination-next-at-rest");
    EXPECT_EQ(CountOnScreen(next, kHotText), 0) << "green caption without the pointer";

    RECT r{};
    ::GetWindowRect(next, &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::Sleep(300);
    SetupDriver::Screenshot(destination, "destination-next-under-pointer");
    EXPECT_GT(CountOnScreen(next, kHotText), 10) << "caption not green under the pointer";

    ::SetCursorPos(2, 2);
    ::Sleep(600);
    EXPECT_EQ(CountOnScreen(next, kHotText), 0) << "green caption after the pointer left";
}
}  // namespace
