#include <gtest/gtest.h>

#include <windows.h>

#include "dialogs/SplashDlg.h"
#include "res/resource.h"

namespace {
constexpr COLORREF kSplashYellow = RGB(253, 250, 130);

// The splash as the splash thread shows it: built on a thread that runs no
// message loop and that deletes it when told to.
class SplashOnItsThread {
public:
    SplashOnItsThread()
    {
        m_shown = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_close = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = ::CreateThread(nullptr, 0, &Run, this, 0, nullptr);
        ::WaitForSingleObject(m_shown, 10000);
    }
    ~SplashOnItsThread()
    {
        Close();
        ::CloseHandle(m_thread);
        ::CloseHandle(m_close);
        ::CloseHandle(m_shown);
    }
    void Close()
    {
        ::SetEvent(m_close);
        ::WaitForSingleObject(m_thread, 10000);
    }

    HWND window = nullptr;
    bool brushWhileShown = false;
    bool brushAfterwards = true;

private:
    static DWORD WINAPI Run(void* self)
    {
        auto* splash = static_cast<SplashOnItsThread*>(self);
        auto* dialog = new CSplashDlg(nullptr);
        splash->window = dialog->m_hWnd;
        splash->brushWhileShown = g_splashBrush != nullptr;
        ::SetEvent(splash->m_shown);
        ::WaitForSingleObject(splash->m_close, INFINITE);
        delete dialog;
        splash->brushAfterwards = g_splashBrush != nullptr;
        return 0;
    }

    HANDLE m_shown;
    HANDLE m_close;
    HANDLE m_thread;
};

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

TEST(SplashDialog, ShowsItsPictureOnYellowCentredAndWithoutCaption)
{
    SplashOnItsThread splash;
    ASSERT_TRUE(::IsWindow(splash.window));
    EXPECT_TRUE(splash.brushWhileShown);
    EXPECT_TRUE(::IsWindowVisible(splash.window));
    EXPECT_NE(::GetWindowLongA(splash.window, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));

    RECT window{};
    ::GetWindowRect(splash.window, &window);
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR((window.left + window.right) / 2, screenWidth / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, screenHeight / 2, 2);

    HWND picture = ::GetDlgItem(splash.window, IDC_PICTURE);
    RECT pictureRect{}, client{};
    ::GetWindowRect(picture, &pictureRect);
    ::GetClientRect(splash.window, &client);
    ::MapWindowPoints(splash.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(pictureRect.right - pictureRect.left, 305);
    EXPECT_EQ(pictureRect.bottom - pictureRect.top, 255);

    // Wine paints from the window surface once the thread has painted; give it a moment.
    ::Sleep(300);
    // The template is wider than the picture (and a little shorter): yellow
    // fills the strip beside it.
    ASSERT_GT(client.right, pictureRect.right) << "no room beside the picture";
    for (int y : {client.top + 1, (client.top + client.bottom) / 2, client.bottom - 2})
        EXPECT_EQ(ScreenPixel((pictureRect.right + client.right) / 2, y), kSplashYellow) << "at height " << y;

    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    for (POINT p : {POINT{10, 10}, POINT{152, 127}, POINT{300, 240}, POINT{60, 200}})
        EXPECT_EQ(ScreenPixel(pictureRect.left + p.x, pictureRect.top + p.y), ::GetPixel(memory, p.x, p.y))
            << "picture pixel " << p.x << "," << p.y;
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);

    splash.Close();
    EXPECT_FALSE(::IsWindow(splash.window));
    EXPECT_FALSE(splash.brushAfterwards);
}

TEST(SplashDialog, ControlTextBackgroundIsYellow)
{
    // Built on this thread, so that the colour requests can be sent to it directly.
    CSplashDlg splash(nullptr);
    ASSERT_TRUE(::IsWindow(splash.m_hWnd));
    HDC dc = ::GetDC(splash.m_hWnd);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORDLG, WM_CTLCOLORBTN}) {
        ::SetBkColor(dc, RGB(0, 0, 0));
        auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(splash.m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(splash.m_hWnd)));
        EXPECT_EQ(::GetBkColor(dc), kSplashYellow) << "message " << message;
        LOGBRUSH info{};
        ASSERT_TRUE(::GetObjectA(brush, sizeof info, &info)) << "message " << message;
        EXPECT_EQ(info.lbColor, kSplashYellow);
    }
    ::ReleaseDC(splash.m_hWnd, dc);
}
}  // namespace
