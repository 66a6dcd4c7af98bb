#include <gtest/gtest.h>
#include <windows.h>
#include <direct.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "OwnDialogWorker.h"
#include "app/SetupGlobals.h"
#include "controls/FolderEdit.h"
#include "framework/Afx.h"
#include "resource.h"
#include "tests/e2e/SetupDriver.h"

namespace {
const char kTitle[] = "Please specify a folder for Copying...";
const char kBrowserCaption[] = "Browse for Folder";
constexpr int kBrowserTree = 14145;
const char kDefault[] = "C:\\Program Files\\Velmora for RAID 5 ( Demo )";
const char kFirst[] = "C:\\velmora_edit\\first";
const char kSecond[] = "C:\\velmora_edit\\second";

// The destination template with a folder edit, recording the commands that
// reach the dialog itself.
class HostDialog : public CDialog {
public:
    explicit HostDialog(DWORD pickerFlags) : CDialog(IDD_DESTINATION), m_pickerFlags(pickerFlags) {}

    CFolderEdit folderEdit;
    std::vector<UINT> commands;

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        DDX_FolderEdit(exchange, IDC_FOLDER_EDIT, folderEdit, m_pickerFlags, kTitle);
    }
    LRESULT OnCommandSeen(WPARAM wParam, LPARAM)
    {
        commands.push_back(LOWORD(wParam));
        return 0;
    }
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

private:
    DWORD m_pickerFlags;
};
const MessageEntry HostDialog::messageEntries[] = {
    OnMessage<&HostDialog::OnCommandSeen>(WM_COMMAND),
};
const MessageMap HostDialog::messageMap{&CDialog::messageMap, messageEntries};

class FolderEditTest : public ::testing::Test {
protected:
    explicit FolderEditTest(DWORD pickerFlags = 0) : host(pickerFlags) {}

    void SetUp() override
    {
        _mkdir("C:\\velmora_edit");
        _mkdir(kFirst);
        _mkdir(kSecond);
        ASSERT_TRUE(host.Create(IDD_DESTINATION));
        ::ShowWindow(host, SW_SHOW);
        g_destinationWnd = host;
        g_installDir = kDefault;
        host.SetDlgItemText(IDC_DESTINATION_TEXT, kDefault);
    }
    void TearDown() override { g_destinationWnd = nullptr; }
    static void TearDownTestSuite()
    {
        ::RemoveDirectoryA(kFirst);
        ::RemoveDirectoryA(kSecond);
        ::RemoveDirectoryA("C:\\velmora_edit");
    }

    HWND BrowseButton() const { return host.GetDlgItem(IDC_BROWSE); }
    std::string Shown() const
    {
        char text[MAX_PATH] = {};
        ::GetDlgItemTextA(host, IDC_DESTINATION_TEXT, text, sizeof text);
        return text;
    }

    // Clicks Browse; in the shell browser, notes what it opened on, selects
    // choose (if any) and presses button.
    std::string Browse(const char* choose, int button)
    {
        std::string openedOn;
        OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) {
            openedOn = TreeSelectionText(::GetDlgItem(browser, kBrowserTree));
            if (choose)
                SelectInBrowser(browser, kBrowserTree, choose);
            PostClick(browser, button);
        });
        ::SendMessageA(BrowseButton(), BM_CLICK, 0, 0);
        EXPECT_TRUE(worker.Join());
        return openedOn;
    }

    HostDialog host;
};

std::string Destination(const std::string& folderText) { return folderText + "Velmora for RAID 5 ( Demo )"; }

TEST_F(FolderEditTest, AttachingCreatesTheBrowseButtonWithTheDialogsFont)
{
    HWND button = BrowseButton();
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(host.folderEdit.m_browseButton.m_hWnd, button);
    char caption[32] = {};
    ::GetWindowTextA(button, caption, sizeof caption);
    EXPECT_STREQ("Browse", caption);
    EXPECT_EQ(0x50020000, ::GetWindowLongPtrA(button, GWL_STYLE));
    LRESULT font = ::SendMessageA(button, WM_GETFONT, 0, 0);
    EXPECT_NE(0, font);
    EXPECT_EQ(host.SendMessage(WM_GETFONT), font);
    EXPECT_EQ(kTitle, host.folderEdit.m_pickerTitle);
}

TEST_F(FolderEditTest, LaterExchangesNeitherAttachAgainNorTouchTheEdit)
{
    host.folderEdit.SetWindowText(kFirst);
    HWND button = BrowseButton();
    host.UpdateData(FALSE);
    host.UpdateData(TRUE);
    EXPECT_EQ(button, host.folderEdit.m_browseButton.m_hWnd);
    int buttons = 0;
    for (HWND child = ::GetWindow(host, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        buttons += ::GetDlgCtrlID(child) == IDC_BROWSE;
    EXPECT_EQ(1, buttons);
    EXPECT_EQ(kFirst, host.folderEdit.GetWindowText());
}

TEST_F(FolderEditTest, ChosenFolderIsPublishedWithTheProductFolderName)
{
    struct Case {
        const char* choose;
        std::string published;
    };
    for (const Case& c : {Case{kFirst, Destination(std::string(kFirst) + "\\")}, Case{"C:\\", Destination("C:\\")}}) {
        Browse(c.choose, IDOK);
        EXPECT_EQ(c.choose, host.folderEdit.GetWindowText());
        EXPECT_EQ(c.published, g_installDir);
        EXPECT_EQ(c.published, Shown());
    }
    EXPECT_TRUE(host.commands.empty()) << "the dialog saw command " << host.commands.front();
}

TEST_F(FolderEditTest, CancelledFirstBrowseKeepsTheDefaultAndOpensOnNothingChosen)
{
    std::string openedOn = Browse(kSecond, IDCANCEL);
    EXPECT_NE("velmora_edit", openedOn);
    EXPECT_NE("Velmora for RAID 5 ( Demo )", openedOn);
    EXPECT_EQ(kDefault, g_installDir);
    EXPECT_EQ(kDefault, Shown());
    EXPECT_EQ("", host.folderEdit.GetWindowText());
    EXPECT_TRUE(host.commands.empty());
}

TEST_F(FolderEditTest, LaterBrowseOpensOnTheLastChoiceAndCancelRepublishesIt)
{
    Browse(kFirst, IDOK);
    g_installDir = kDefault;
    host.SetDlgItemText(IDC_DESTINATION_TEXT, kDefault);
    std::string openedOn = Browse(kSecond, IDCANCEL);
    EXPECT_EQ("first", openedOn);
    EXPECT_EQ(kFirst, host.folderEdit.GetWindowText());
    EXPECT_EQ(Destination(std::string(kFirst) + "\\"), g_installDir);
    EXPECT_EQ(g_installDir, Shown());
}

TEST_F(FolderEditTest, BrowserIsModalToTheDialog)
{
    bool dialogEnabledMeanwhile = true;
    OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) {
        dialogEnabledMeanwhile = ::IsWindowEnabled(host);
        SetupDriver::Screenshot(host, "folder_edit_host_during_browse");
        PostClick(browser, IDCANCEL);
    });
    ::SendMessageA(BrowseButton(), BM_CLICK, 0, 0);
    ASSERT_TRUE(worker.Join());
    EXPECT_FALSE(dialogEnabledMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(host));
}

// Bit 0 of the picker flags asks for the file-dialog picker; no other bit does.
TEST(FolderEditPickerChoice, FlagBitZeroSelectsTheFileDialog)
{
    struct Case {
        DWORD flags;
        const char* caption;
        const char* published;
    };
    for (const Case& c : {Case{1, kTitle, "C:\\Velmora for RAID 5 ( Demo )"},
                          Case{0xFFFFFFFF, kTitle, "C:\\Velmora for RAID 5 ( Demo )"},
                          Case{2, kBrowserCaption, "C:\\Velmora for RAID 5 ( Demo )"}}) {
        HostDialog host(c.flags);
        ASSERT_TRUE(host.Create(IDD_DESTINATION));
        g_destinationWnd = host;
        g_installDir = kDefault;
        host.folderEdit.SetWindowText("C:\\");
        OwnDialogWorker worker(c.caption, [](HWND picker) { PostClick(picker, IDOK); });
        ::SendMessageA(host.GetDlgItem(IDC_BROWSE), BM_CLICK, 0, 0);
        EXPECT_TRUE(worker.Join()) << c.flags;
        EXPECT_EQ(c.published, g_installDir) << c.flags;
        g_destinationWnd = nullptr;
    }
}

TEST(BrowseButton, WithoutBuddyAClickDoesNothingAndStaysWithTheButton)
{
    HostDialog host(0);
    ASSERT_TRUE(host.Create(IDD_DESTINATION));
    CBrowseButton lonely;
    ASSERT_TRUE(lonely.Create("Browse", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{0, 0, 50, 20}, host, 4321));
    g_installDir = kDefault;
    ::SendMessageA(lonely, BM_CLICK, 0, 0);
    EXPECT_EQ(kDefault, g_installDir);
    EXPECT_TRUE(host.commands.empty());
}

// A parent window that is not a dialog, so each case chooses the edit's size
// and whether the parent has a font.
class BareParent : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND window = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                        nullptr, nullptr);
        ASSERT_TRUE(parent.SubclassWindow(window));
    }
    HWND AddEdit(int id, const RECT& rect)
    {
        return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 nullptr, nullptr);
    }
    CWnd parent;
};

TEST_F(BareParent, ButtonGeometryFollowsTheEditsHeight)
{
    struct Case {
        RECT edit;
        int width;
    };
    const Case cases[] = {
        {{10, 20, 110, 44}, 54},  // 24 high: 35 + 19
        {{0, 0, 249, 23}, 53},    // 23 high: 18.4 rounds down
        {{17, 45, 300, 55}, 43},  // 10 high
        {{5, 5, 60, 5}, 35},      // no height at all
    };
    int id = 3000;
    for (const Case& c : cases) {
        ++id;
        ASSERT_NE(nullptr, AddEdit(id, c.edit));
        CFolderEdit edit;
        CDataExchange exchange(&parent, FALSE);
        DDX_FolderEdit(&exchange, id, edit, 0, kTitle);
        RECT button{};
        ::GetWindowRect(edit.m_browseButton, &button);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_EQ(c.edit.right + 1, button.left) << id;
        EXPECT_EQ(c.width, button.right - button.left) << id;
        EXPECT_EQ(c.edit.top, button.top) << id;
        EXPECT_EQ(c.edit.bottom, button.bottom) << id;
        EXPECT_EQ(IDC_BROWSE, ::GetDlgCtrlID(edit.m_browseButton)) << id;
    }
}

TEST_F(BareParent, ButtonTakesTheParentsFontOrNone)
{
    HFONT font = static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
    for (HFONT parentFont : {font, HFONT{}}) {
        ::SendMessageA(parent, WM_SETFONT, reinterpret_cast<WPARAM>(parentFont), FALSE);
        HWND editWindow = AddEdit(3100, RECT{0, 0, 100, 20});
        CFolderEdit edit;
        CDataExchange exchange(&parent, FALSE);
        DDX_FolderEdit(&exchange, 3100, edit, 0, kTitle);
        EXPECT_EQ(reinterpret_cast<LRESULT>(parentFont), edit.m_browseButton.SendMessage(WM_GETFONT));
        ::DestroyWindow(editWindow);
    }
}

TEST_F(BareParent, FailedAttachRaisesNotSupported)
{
    CFolderEdit edit;
    CDataExchange missing(&parent, FALSE);
    EXPECT_THROW(DDX_FolderEdit(&missing, 3200, edit, 0, kTitle), CNotSupportedException);

    // A window that already has its object cannot be taken over again.
    HWND taken = AddEdit(3201, RECT{0, 0, 100, 20});
    CEdit owner;
    ASSERT_TRUE(owner.SubclassWindow(taken));
    CDataExchange exchange(&parent, FALSE);
    EXPECT_THROW(DDX_FolderEdit(&exchange, 3201, edit, 0, kTitle), CNotSupportedException);
    EXPECT_EQ(nullptr, ::GetDlgItem(parent, IDC_BROWSE));
}

TEST_F(BareParent, SavingExchangeOnlyTakesThePickerSettings)
{
    AddEdit(3300, RECT{0, 0, 100, 20});
    CFolderEdit edit;
    CDataExchange saving(&parent, TRUE);
    DDX_FolderEdit(&saving, 3300, edit, 1, kTitle);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(1u, edit.m_pickerFlags);
    EXPECT_EQ(kTitle, edit.m_pickerTitle);
}
}  // namespace
