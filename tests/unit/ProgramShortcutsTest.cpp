#include <gtest/gtest.h>

#include "InstallSandbox.h"
#include "MessageBoxAnswerer.h"
#include "app/SetupGlobals.h"
#include "install/ProgramShortcuts.h"
#include "install/Shortcut.h"

namespace {
constexpr const char* kCompleted = "Installation Completed Successfully";
constexpr const char* kLinkNames[] = {"Velmora RAID5 De-Stripper.lnk", "Velmora RAID5.lnk"};

struct Program {
    const char* link;
    const char* file;
    const char* description;
};
constexpr Program kPrograms[] = {
    {"Velmora RAID5 De-Stripper.lnk", "VOredi5VI.exe", "Velmora RAID5 De-Stripper"},
    {"Velmora RAID5.lnk", "DAvedu5.exe", "Velmora RAID5"},
};

class ProgramShortcuts : public ::testing::Test {
protected:
    std::string Group() const { return sandbox.programs + "\\Velmora"; }
    std::string DirectGroup() const { return sandbox.startMenu + "\\Velmora"; }

    void Run(std::vector<int> answers)
    {
        MessageBoxAnswerer answerer(std::move(answers));
        CreateProgramShortcuts();
        boxes = answerer.Texts();
    }

    // Each program's link in folder points at the installed program and
    // starts in the destination.
    void ExpectProgramLinks(const std::string& folder, const std::string& installDir) const
    {
        for (const Program& program : kPrograms) {
            InstallSandbox::Link link = InstallSandbox::ReadLink(folder + "\\" + program.link);
            ASSERT_TRUE(link.loaded) << folder << "\\" << program.link;
            EXPECT_EQ(link.target, installDir + "\\" + program.file);
            EXPECT_EQ(link.workingFolder, installDir + "\\");
            EXPECT_EQ(link.description, program.description);
        }
    }

    void ExpectNoProgramLinks(const std::string& folder) const
    {
        for (const char* name : kLinkNames)
            EXPECT_FALSE(InstallSandbox::Exists(folder + "\\" + name)) << folder << "\\" << name;
    }

    InstallSandbox sandbox;
    std::vector<std::string> boxes;
};

struct Layout {
    const char* name;
    bool allUsersDesktop;   // "C:\Documents and Settings\All Users\Desktop" exists
    bool directGroup;       // "Start Menu\Velmora" exists
    int answer;             // to "shortcuts on the desktop?"
};

class ShortcutLayout : public ProgramShortcuts, public ::testing::WithParamInterface<Layout> {
};

TEST_P(ShortcutLayout, PutsEachLinkWhereItBelongs)
{
    const Layout& layout = GetParam();
    if (layout.allUsersDesktop) {
        ::CreateDirectoryA("C:\\Documents and Settings", nullptr);
        ::CreateDirectoryA("C:\\Documents and Settings\\All Users", nullptr);
        ::CreateDirectoryA(InstallSandbox::AllUsersDesktop().c_str(), nullptr);
    }
    if (layout.directGroup)
        ::CreateDirectoryA(DirectGroup().c_str(), nullptr);
    Run({layout.answer, IDOK});

    EXPECT_EQ(boxes, (std::vector<std::string>{sandbox.Message(10), kCompleted}));
    ExpectProgramLinks(Group(), sandbox.destination);
    if (layout.directGroup)
        ExpectProgramLinks(DirectGroup(), sandbox.destination);
    else
        EXPECT_FALSE(InstallSandbox::Exists(DirectGroup()));

    bool onDesktop = layout.answer == IDYES;
    if (onDesktop && !layout.allUsersDesktop)
        ExpectProgramLinks(sandbox.desktop, sandbox.destination);
    else
        ExpectNoProgramLinks(sandbox.desktop);
    if (onDesktop && layout.allUsersDesktop)
        ExpectProgramLinks(InstallSandbox::AllUsersDesktop(), sandbox.destination);
    else if (layout.allUsersDesktop)
        ExpectNoProgramLinks(InstallSandbox::AllUsersDesktop());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ShortcutLayout,
    ::testing::Values(Layout{"UserDesktopOnly", false, false, IDYES}, Layout{"AllUsersDesktop", true, false, IDYES},
                      Layout{"DirectStartMenuGroup", false, true, IDYES},
                      Layout{"NoDesktopLinksOnUserDesktop", false, true, IDNO},
                      Layout{"NoDesktopLinksOnAllUsersDesktop", true, false, IDNO}),
    [](const ::testing::TestParamInfo<Layout>& info) { return std::string(info.param.name); });

TEST_F(ProgramShortcuts, SecondRunReplacesEveryLinkReadOnlyCopiesIncluded)
{
    ::CreateDirectoryA(DirectGroup().c_str(), nullptr);
    Run({IDYES, IDOK});
    for (const std::string& folder : {Group(), DirectGroup()})
        for (const char* name : kLinkNames)
            ::SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    std::string moved = sandbox.root + "\\Elsewhere";
    g_installDir = moved;
    Run({IDYES, IDOK});

    for (const std::string& folder : {Group(), DirectGroup(), sandbox.desktop})
        ExpectProgramLinks(folder, moved);
    for (const char* name : kLinkNames) {
        DWORD attributes = ::GetFileAttributesA((Group() + "\\" + name).c_str());
        EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u) << name;
    }
}

TEST_F(ProgramShortcuts, DestinationAtADriveRootGetsNoDoubledBackslash)
{
    g_installDir = "D:\\";
    Run({IDYES, IDOK});
    InstallSandbox::Link link = InstallSandbox::ReadLink(Group() + "\\Velmora RAID5.lnk");
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, "D:\\DAvedu5.exe");
    EXPECT_EQ(link.workingFolder, "D:\\");
}

TEST(CreateShortcut, WritesTargetWorkingFolderAndDescriptionReplacingAnEarlierLink)
{
    InstallSandbox sandbox;
    g_shortcutFolder = sandbox.root;
    std::string path = sandbox.root + "\\Program.lnk";
    InstallSandbox::WriteFile(path, "not a link");
    ::CoInitialize(nullptr);
    CreateShortcut("C:\\Product\\Program.exe", "Program.lnk", "C:\\Product\\", "A program");
    ::CoUninitialize();

    InstallSandbox::Link link = InstallSandbox::ReadLink(path);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, "C:\\Product\\Program.exe");
    EXPECT_EQ(link.workingFolder, "C:\\Product\\");
    EXPECT_EQ(link.description, "A program");
}

TEST(CreateShortcut, WritesALinkPathLongerThanTheOldConversionBufferWhole)
{
    InstallSandbox sandbox;
    // A deep folder and a long name make a path of 300 characters.
    g_shortcutFolder = sandbox.root + "\\" + std::string(200, 'F');
    ::CreateDirectoryA(g_shortcutFolder.c_str(), nullptr);
    std::string name = std::string(300 - g_shortcutFolder.size() - 1 - 4, 'L') + ".lnk";
    std::string path = g_shortcutFolder + "\\" + name;
    ASSERT_EQ(path.size(), 300u);
    ::CoInitialize(nullptr);
    CreateShortcut("C:\\Product\\Program.exe", name, "C:\\Product\\", "Long");
    ::CoUninitialize();

    // The link is there under its whole name, and under no name cut at the
    // end of a 260-character buffer.
    EXPECT_FALSE(InstallSandbox::ReadFile(path).empty());
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((g_shortcutFolder + "\\L*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::string(found.cFileName), name);
    EXPECT_FALSE(::FindNextFileA(search, &found));
    ::FindClose(search);
    // Too long for the narrow calls that clear the sandbox away.
    std::wstring widePath(path.begin(), path.end());
    ::DeleteFileW(widePath.c_str());
}
}  // namespace
