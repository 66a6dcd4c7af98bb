#include <gtest/gtest.h>

#include "ImageButtonFixture.h"

// The image button in a shown dialog on the virtual display, worked with
// the real pointer.
namespace {
constexpr DWORD kSettle = 300;
// WM_MOUSELEAVE comes 100 to 200 ms after the pointer has left.
constexpr DWORD kLeaveNotice = 600;

class ImageButtonBehaviour : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
        ::SetWindowPos(dialog, HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
        ::ShowWindow(dialog, SW_SHOW);
        ::SetForegroundWindow(dialog);
        MoveTo({5, 5});
        Pump(kSettle);
    }
    void TearDown() override
    {
        MoveTo({5, 5});
        dialog.DestroyWindow();
    }

    ProbeButton& button() { return dialog.childButton; }
    void Pump(DWORD ms) { PumpMessages(dialog, ms); }
    static void MoveTo(POINT screen) { ::SetCursorPos(screen.x, screen.y); }
    static POINT CentreOf(HWND window, int dx = 0)
    {
        RECT r{};
        ::GetWindowRect(window, &r);
        return {(r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2};
    }
    static void Mouse(DWORD flags)
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        ::SendInput(1, &input, sizeof input);
    }
    void Hover()
    {
        MoveTo(CentreOf(button()));
        Pump(kSettle);
        ASSERT_TRUE(button().m_hovered) << "pointer over the button does not light it";
    }

    ImageButtonDialog dialog;
};

TEST_F(ImageButtonBehaviour, PointerOnAndOffTheButton)
{
    Hover();
    MoveTo({900, 700});
    Pump(kLeaveNotice);
    EXPECT_FALSE(button().m_hovered) << "leaving did not end the hover";
    Hover();
    MoveTo(CentreOf(dialog.okButton));
    Pump(kLeaveNotice);
    EXPECT_FALSE(button().m_hovered);
    EXPECT_TRUE(dialog.okButton.m_hovered);
}

TEST_F(ImageButtonBehaviour, PressThatBeganElsewhereDoesNotLightTheButton)
{
    RECT r{};
    ::GetWindowRect(dialog, &r);
    MoveTo({r.right - 10, r.bottom - 10});
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Pump(kSettle);
    MoveTo(CentreOf(button()));
    Pump(kSettle);
    EXPECT_FALSE(button().m_hovered);
    Mouse(MOUSEEVENTF_LEFTUP);
    Pump(kSettle);
    MoveTo(CentreOf(button(), 1));
    Pump(kSettle);
    EXPECT_TRUE(button().m_hovered) << "no hover once the mouse button is up";
}

TEST_F(ImageButtonBehaviour, HoverWorksWhileAnotherWindowIsActive)
{
    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 100, 150, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    Pump(kSettle);
    ASSERT_NE(::GetActiveWindow(), dialog.m_hWnd);
    Hover();
    ::DestroyWindow(other);
}

TEST_F(ImageButtonBehaviour, LosingTheFocusEndsTheHoverUntilTheNextMove)
{
    ::SetFocus(button());
    Hover();
    ::SetFocus(dialog.okButton);
    EXPECT_FALSE(button().m_hovered);
    MoveTo(CentreOf(button(), 2));
    Pump(kSettle);
    EXPECT_TRUE(button().m_hovered);
}

TEST_F(ImageButtonBehaviour, CancelModeEndsTheHover)
{
    Hover();
    button().SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(button().m_hovered);
}

TEST_F(ImageButtonBehaviour, DisablingMovesTheFocusToTheNextTabStop)
{
    for (HWND focusBefore : {button().m_hWnd, dialog.okButton.m_hWnd}) {
        ::EnableWindow(button(), TRUE);
        ::SetFocus(focusBefore);
        Hover();
        ::EnableWindow(button(), FALSE);
        EXPECT_EQ(::GetFocus(), dialog.GetDlgItem(IDC_TEST_COMBO));
        EXPECT_FALSE(button().m_hovered);
    }
}

TEST_F(ImageButtonBehaviour, DefaultFollowsTheDialogManagerAndTheButtonStaysOwnerDrawn)
{
    auto dlgCode = [](CWnd& w) { return w.SendMessage(WM_GETDLGCODE); };
    EXPECT_TRUE(dlgCode(dialog.okButton) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(dlgCode(button()) & DLGC_UNDEFPUSHBUTTON);

    dialog.SendMessage(DM_SETDEFID, IDC_TEST_BUTTON);
    EXPECT_FALSE(dialog.okButton.m_isDefault);
    EXPECT_TRUE(dlgCode(dialog.okButton) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_FALSE(dlgCode(dialog.okButton) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(dlgCode(button()) & DLGC_DEFPUSHBUTTON);
    for (CWnd* b : {static_cast<CWnd*>(&dialog.okButton), static_cast<CWnd*>(&button())})
        EXPECT_EQ(b->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    // Other button types leave the default alone.
    button().SendMessage(BM_SETSTYLE, BS_CHECKBOX, TRUE);
    EXPECT_TRUE(button().m_isDefault);
    EXPECT_EQ(button().GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST_F(ImageButtonBehaviour, DoubleClickGivesTwoClicks)
{
    MoveTo(CentreOf(button()));
    Pump(kSettle);
    for (int i = 0; i < 2; ++i) {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
    }
    Pump(kSettle);
    EXPECT_EQ(dialog.childClicks, 2);
}

TEST_F(ImageButtonBehaviour, ClickNotificationFocusesTheButtonAndReachesTheDialog)
{
    ::SetFocus(dialog.okButton);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(button().m_hWnd));
    EXPECT_EQ(::GetFocus(), button().m_hWnd);
    EXPECT_EQ(dialog.childClicks, 1);
}

TEST_F(ImageButtonBehaviour, SystemColourChangeResetsTheColours)
{
    button().SetColor(CImageButton::HotText, RGB(0, 128, 0), FALSE);
    button().ShiftColor(CImageButton::HotFace, 30, FALSE);
    ::ValidateRect(button(), nullptr);
    button().SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(button().GetColor(CImageButton::HotText), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(button().GetColor(CImageButton::HotFace), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(::GetUpdateRect(button(), nullptr, FALSE));
}

TEST_F(ImageButtonBehaviour, ColourRequestGetsTheHollowBrushAndChecksAreIgnored)
{
    HDC dc = ::GetDC(dialog);
    EXPECT_EQ(dialog.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button().m_hWnd)),
              reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
    ::ReleaseDC(dialog, dc);
    EXPECT_EQ(button().SendMessage(BM_SETCHECK, BST_CHECKED), 0);
    EXPECT_EQ(button().SendMessage(BM_GETCHECK), 0);
}
}  // namespace
