#include <gtest/gtest.h>
#include <windows.h>
#include <direct.h>
#include <dlgs.h>
#include <shlobj.h>


#include <string>
#include <vector>

#include "OwnDialogWorker.h"
#include "controls/FolderPicker.h"
#include "framework/Wnd.h"
#include "tests/e2e/SetupDriver.h"

namespace {
const char kTitle[] = "Please specify a folder for Copying...";
const char kBrowserCaption[] = "Browse for Folder";
constexpr int kBrowserTree = 14145;
const char kFirst[] = "C:\\velmora_pick\\first";
const char kSecond[] = "C:\\velmora_pick\\second";
const char kPickRoot[] = "C:\\velmora_pick";

class FolderPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        _mkdir("C:\\velmora_pick");
        _mkdir(kFirst);
        _mkdir(kSecond);
    }
    static void TearDownTestSuite()
    {
        ::RemoveDirectoryA(kFirst);
        ::RemoveDirectoryA(kSecond);
        ::RemoveDirectoryA(kPickRoot);
    }
};

std::vector<std::string> VisibleChildTexts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char text[256] = {};
        ::GetWindowTextA(child, text, sizeof text);
        if (::IsWindowVisible(child))
            texts.push_back(text);
    }
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    for (const auto& t : texts)
        if (t == text)
            return true;
    return false;
}

// What the shell browser showed when it opened.
struct BrowserSeen {
    std::string selected;
    std::string selectedParent;
    bool titleShown = false;
};

BrowserSeen WorkBrowser(HWND browser, const char* selectPath, int button)
{
    BrowserSeen seen;
    HWND tree = ::GetDlgItem(browser, kBrowserTree);
    // On a busy machine the tree may still be filling when the browser shows.
    for (int tries = 0; tries < 150 && TreeSelectionText(tree).empty(); ++tries)
        ::Sleep(100);
    seen.selected = TreeSelectionText(tree);
    seen.selectedParent = TreeSelectionParentText(tree);
    seen.titleShown = Contains(VisibleChildTexts(browser), kTitle);
    if (selectPath)
        SelectInBrowser(browser, kBrowserTree, selectPath);
    PostClick(browser, button);
    return seen;
}

TEST_F(FolderPickerTest, ShellBrowserOpensOnTheEntryPathAndOkKeepsIt)
{
    CString path = kFirst;
    BrowserSeen seen;
    OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) {
        SetupDriver::Screenshot(browser, "picker_shell_browser");
        seen = WorkBrowser(browser, nullptr, IDOK);
    });
    EXPECT_TRUE(PickFolder(path, nullptr, FALSE, kTitle));
    ASSERT_TRUE(worker.Join());
    EXPECT_EQ("first", seen.selected);
    EXPECT_EQ("velmora_pick", seen.selectedParent);
    EXPECT_TRUE(seen.titleShown);
    EXPECT_EQ(kFirst, path);
}

TEST_F(FolderPickerTest, ShellBrowserReturnsTheFolderChosenInIt)
{
    struct Case {
        const char* choose;
        const char* expected;
    };
    for (const Case& c : {Case{kSecond, kSecond}, Case{"C:\\", "C:\\"}}) {
        CString path = kFirst;
        OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) { WorkBrowser(browser, c.choose, IDOK); });
        EXPECT_TRUE(PickFolder(path, nullptr, FALSE, kTitle)) << c.choose;
        ASSERT_TRUE(worker.Join());
        EXPECT_EQ(c.expected, path);
    }
}

TEST_F(FolderPickerTest, CancelledShellBrowserLeavesThePath)
{
    for (const char* entry : {"", kFirst}) {
        CString path = entry;
        OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) { WorkBrowser(browser, kSecond, IDCANCEL); });
        EXPECT_FALSE(PickFolder(path, nullptr, FALSE, kTitle));
        ASSERT_TRUE(worker.Join());
        EXPECT_EQ(entry, path);
    }
}

TEST_F(FolderPickerTest, ShellBrowserIsModalToItsOwner)
{
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    CWnd ownerObject;
    ASSERT_TRUE(ownerObject.SubclassWindow(owner));
    CString path = kFirst;
    bool ownerEnabledMeanwhile = true;
    HWND browserOwner = nullptr;
    OwnDialogWorker worker(kBrowserCaption, [&](HWND browser) {
        ownerEnabledMeanwhile = ::IsWindowEnabled(owner);
        browserOwner = ::GetWindow(browser, GW_OWNER);
        PostClick(browser, IDCANCEL);
    });
    PickFolder(path, &ownerObject, FALSE, kTitle);
    ASSERT_TRUE(worker.Join());
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_EQ(owner, browserOwner);
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

// What the file-dialog picker showed when it opened.
struct FileDialogSeen {
    std::vector<int> visibleHidden;  // ids that should be hidden but are not
    std::string fileName;
    bool folderListFocused = false;
    LRESULT folderSelection = LB_ERR;
    LRESULT selectionAfterRepaint = LB_ERR;
};

FileDialogSeen ExamineFileDialog(HWND dialog)
{
    FileDialogSeen seen;
    for (int id : {stc2, stc3, edt1, lst1, cmb1})
        if (::IsWindowVisible(::GetDlgItem(dialog, id)))
            seen.visibleHidden.push_back(id);
    char name[64] = {};
    ::GetDlgItemTextA(dialog, edt1, name, sizeof name);
    seen.fileName = name;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &gui);
    HWND folders = ::GetDlgItem(dialog, lst2);
    seen.folderListFocused = gui.hwndFocus == folders;
    seen.folderSelection = ::SendMessageA(folders, LB_GETCURSEL, 0, 0);
    // Later paints must leave the user's selection alone.
    ::SendMessageA(folders, LB_SETCURSEL, 1, 0);
    ::InvalidateRect(dialog, nullptr, TRUE);
    ::Sleep(300);
    seen.selectionAfterRepaint = ::SendMessageA(folders, LB_GETCURSEL, 0, 0);
    return seen;
}

TEST_F(FolderPickerTest, FileDialogPickerShowsOnlyTheFolderChooser)
{
    CString path = kPickRoot;
    FileDialogSeen seen;
    OwnDialogWorker worker(kTitle, [&](HWND dialog) {
        SetupDriver::Screenshot(dialog, "picker_file_dialog");
        seen = ExamineFileDialog(dialog);
        PostClick(dialog, IDOK);
    });
    EXPECT_TRUE(PickFolder(path, nullptr, TRUE, kTitle));
    ASSERT_TRUE(worker.Join());
    EXPECT_TRUE(seen.visibleHidden.empty());
    EXPECT_EQ("Junk", seen.fileName);
    EXPECT_TRUE(seen.folderListFocused);
    EXPECT_EQ(0, seen.folderSelection);
    EXPECT_EQ(1, seen.selectionAfterRepaint);
    EXPECT_EQ(kPickRoot, path);
}

TEST_F(FolderPickerTest, FileDialogPickerReturnsTheOpenFolderWithoutTrailingBackslash)
{
    struct Case {
        const char* entry;
        const char* expected;
    };
    for (const Case& c : {Case{kSecond, kSecond}, Case{"C:\\", "C:"}, Case{"C:\\velmora_pick\\", "C:\\velmora_pick"}}) {
        CString path = c.entry;
        OwnDialogWorker worker(kTitle, [&](HWND dialog) { PostClick(dialog, IDOK); });
        EXPECT_TRUE(PickFolder(path, nullptr, TRUE, kTitle)) << c.entry;
        ASSERT_TRUE(worker.Join());
        EXPECT_EQ(c.expected, path);
    }
}

TEST_F(FolderPickerTest, FileDialogPickerFollowsTheFolderList)
{
    struct Case {
        const char* entry;
        const char* open;  // folder list entry opened before OK
        const char* expected;
    };
    for (const Case& c : {Case{kFirst, "[..]", kPickRoot}, Case{kPickRoot, "[second]", kSecond}}) {
        CString path = c.entry;
        LRESULT opened = LB_ERR;
        OwnDialogWorker worker(kTitle, [&](HWND dialog) {
            HWND folders = ::GetDlgItem(dialog, lst2);
            opened = ::SendMessageA(folders, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(c.open));
            ::SendMessageA(folders, LB_SETCURSEL, opened, 0);
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(folders));
            PostClick(dialog, IDOK);
        });
        EXPECT_TRUE(PickFolder(path, nullptr, TRUE, kTitle)) << c.open;
        ASSERT_TRUE(worker.Join());
        EXPECT_NE(LB_ERR, opened) << c.open;
        EXPECT_EQ(c.expected, path);
    }
}

// The install worker copies from the current folder: browsing must not move it.
TEST_F(FolderPickerTest, PickingLeavesTheCurrentFolderAlone)
{
    char before[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof before, before);
    for (BOOL useFileDialog : {TRUE, FALSE}) {
        CString path = kSecond;
        OwnDialogWorker worker(useFileDialog ? kTitle : kBrowserCaption,
                               [](HWND dialog) { PostClick(dialog, IDOK); });
        EXPECT_TRUE(PickFolder(path, nullptr, useFileDialog, kTitle));
        ASSERT_TRUE(worker.Join());
        char after[MAX_PATH] = {};
        ::GetCurrentDirectoryA(sizeof after, after);
        EXPECT_STREQ(before, after) << useFileDialog;
    }
}

TEST_F(FolderPickerTest, CancelledFileDialogPickerLeavesThePath)
{
    CString path = kFirst;
    OwnDialogWorker worker(kTitle, [&](HWND dialog) { PostClick(dialog, IDCANCEL); });
    EXPECT_FALSE(PickFolder(path, nullptr, TRUE, kTitle));
    ASSERT_TRUE(worker.Join());
    EXPECT_EQ(kFirst, path);
}
}  // namespace
