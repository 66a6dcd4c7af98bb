#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Afx.h"
#include "test_resource.h"

namespace {
constexpr int kEndedByTest = 42;

// A child button that may consume its own click notification.
class ReflectingButton : public CButton {
public:
    BOOL consume = FALSE;
    int clicks = 0;

protected:
    BOOL OnClicked()
    {
        ++clicks;
        return consume;
    }
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;
};
const MessageEntry ReflectingButton::messageEntries[] = {
    OnReflected<&ReflectingButton::OnClicked>(WM_COMMAND, BN_CLICKED),
};
const MessageMap ReflectingButton::messageMap{&CButton::messageMap, messageEntries};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    ReflectingButton button;
    CComboBox combo;
    std::vector<std::string> events;
    // What OnInitDialog does once the controls are bound.
    void (*onInit)(TestDialog&) = nullptr;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (onInit)
            onInit(*this);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        DDX_Control(exchange, IDC_TEST_BUTTON, button);
        DDX_Control(exchange, IDC_TEST_COMBO, combo);
    }
    void OnButton()
    {
        events.push_back("base:button");
        EndDialog(kEndedByTest);
    }
    void OnTimer() { events.push_back("base:timer"); }
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;
};
const MessageEntry TestDialog::messageEntries[] = {
    OnCommand<&TestDialog::OnButton>(IDC_TEST_BUTTON),
    OnMessage<&TestDialog::OnTimer>(WM_TIMER),
};
const MessageMap TestDialog::messageMap{&CDialog::messageMap, messageEntries};

// Overrides one entry of its base's map and keeps the others.
class DerivedDialog : public TestDialog {
protected:
    void OnTimerDerived()
    {
        events.push_back("derived:timer");
        ::KillTimer(m_hWnd, 1);
        ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), (LPARAM)button.m_hWnd);
    }
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;
};
const MessageEntry DerivedDialog::messageEntries[] = {
    OnMessage<&DerivedDialog::OnTimerDerived>(WM_TIMER),
};
const MessageMap DerivedDialog::messageMap{&TestDialog::messageMap, messageEntries};

void ClickChildButton(TestDialog& dialog)
{
    ::PostMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(dialog.button.m_hWnd));
}

TEST(FrameworkDialog, ReflectedNotificationThatIsNotConsumedReachesTheParentToo)
{
    TestDialog dialog;
    dialog.onInit = ClickChildButton;
    EXPECT_EQ(dialog.DoModal(), kEndedByTest);
    EXPECT_EQ(dialog.button.clicks, 1);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"base:button"});
}

TEST(FrameworkDialog, ReflectedNotificationThatIsConsumedStopsAtTheChild)
{
    TestDialog dialog;
    dialog.button.consume = TRUE;
    dialog.onInit = [](TestDialog& d) {
        ClickChildButton(d);
        ::PostMessageA(d.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.button.clicks, 1);
    EXPECT_TRUE(dialog.events.empty());
}

TEST(FrameworkDialog, DerivedMapEntryWinsAndBaseEntriesStillApply)
{
    DerivedDialog dialog;
    dialog.onInit = [](TestDialog& d) { ::SetTimer(d.m_hWnd, 1, 10, nullptr); };
    EXPECT_EQ(dialog.DoModal(), kEndedByTest);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"derived:timer", "base:button"}));
}

TEST(FrameworkDialog, ComboIsFilledFromWellFormedInitialisationDataOnly)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        std::string items;
        for (int i = 0; i < d.combo.GetCount(); ++i)
            items += d.combo.GetLBText(i) + ";";
        d.events.push_back(items);
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_EQ(dialog.events, std::vector<std::string>{"One;"});
}

TEST(FrameworkDialog, EscapeInTheFrameworkModalLoopCancels)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) { ::PostMessageA(d.button.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// Sees its child's keystrokes before they are dispatched.
class PreTranslatingDialog : public TestDialog {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->hwnd == button.m_hWnd && msg->wParam == 'Q') {
            EndDialog(kEndedByTest);
            return TRUE;
        }
        return TestDialog::PreTranslateMessage(msg);
    }
};

TEST(FrameworkDialog, PreTranslateMessageOfTheParentSeesChildMessagesInTheModalLoop)
{
    PreTranslatingDialog dialog;
    dialog.onInit = [](TestDialog& d) { ::PostMessageA(d.button.m_hWnd, WM_KEYDOWN, 'Q', 1); };
    EXPECT_EQ(dialog.DoModal(), kEndedByTest);
}

TEST(FrameworkDialog, ControlExchangeRefusesAMissingControlAndAWindowWithAnOwner)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        CDataExchange exchange(&d, FALSE);
        CButton absent;
        try {
            DDX_Control(&exchange, 12345, absent);
        } catch (const CNotSupportedException&) {
            d.events.push_back("missing control refused");
        }
        CButton second;
        if (!second.SubclassWindow(d.button.m_hWnd))
            d.events.push_back("bound window refused");
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"missing control refused", "bound window refused"}));
}

TEST(FrameworkThread, RunsTheProcedureWithItsParameterOnAnotherThread)
{
    struct Shared {
        HANDLE done;
        DWORD threadId;
    } shared{::CreateEventA(nullptr, TRUE, FALSE, nullptr), 0};
    CWinThread* thread = AfxBeginThread(
        [](LPVOID parameter) -> UINT {
            auto* s = static_cast<Shared*>(parameter);
            s->threadId = ::GetCurrentThreadId();
            ::SetEvent(s->done);
            AfxEndThread(7);
        },
        &shared);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(::WaitForSingleObject(shared.done, 5000), WAIT_OBJECT_0);
    EXPECT_NE(shared.threadId, ::GetCurrentThreadId());
    ::CloseHandle(shared.done);
}
}  // namespace
