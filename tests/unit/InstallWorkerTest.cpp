#include <gtest/gtest.h>


#include "InstallRecorder.h"
#include "InstallSandbox.h"
#include "MessageBoxAnswerer.h"
#include "app/SetupGlobals.h"
#include "app/WizardState.h"
#include "install/FileManifest.h"

namespace {
constexpr int kStatus = 1000;
constexpr int kPercent = 1013;
constexpr const char* kNotCompleted = "Installation Not Completed Successfully";
constexpr const char* kCompleted = "Installation Completed Successfully";

const std::vector<int> kFullRunPositions = {0,  3,  7,  11, 15, 19, 23, 26, 30, 34, 38, 42, 46,
                                            53, 57, 61, 65, 69, 73, 76, 80, 84, 88, 92, 96, 100};

std::vector<std::string> PercentTexts(const std::vector<int>& positions)
{
    std::vector<std::string> texts;
    for (int position : positions)
        texts.push_back(std::to_string(position) + " %");
    return texts;
}

class InstallWorker : public ::testing::Test {
protected:
    std::string Installed(const std::string& name) const { return sandbox.destination + "\\" + name; }
    std::string UninstallerLink() const { return sandbox.programs + "\\Velmora\\Uninstall Raid5.lnk"; }
    std::string GroupLink(const char* name) const { return sandbox.programs + "\\Velmora\\" + name; }

    void ExpectProductValuesWritten(const std::string& installDir) const
    {
        EXPECT_EQ(InstallSandbox::ProductValue("FilePath"), installDir);
        EXPECT_EQ(InstallSandbox::ProductValue("PRDCODE"), "RW5");
        EXPECT_EQ(InstallSandbox::ProductValue("PRDTYPE"), "ZTRW5");
        EXPECT_EQ(InstallSandbox::ProductValue("LngFile"), "EnglishW.dat");
    }

    InstallSandbox sandbox;
    InstallRecorder recorder;
};

TEST_F(InstallWorker, FullInstallationReportsEveryStepThenFinishes)
{
    MessageBoxAnswerer answerer({IDYES, IDOK});
    DWORD start = ::GetTickCount();
    ASSERT_TRUE(recorder.RunWorker());
    DWORD elapsed = ::GetTickCount() - start;

    EXPECT_EQ(recorder.Positions(), kFullRunPositions);
    EXPECT_EQ(recorder.Texts(kPercent), PercentTexts(kFullRunPositions));
    EXPECT_EQ(recorder.Texts(kStatus), std::vector<std::string>{sandbox.Message(4)});
    EXPECT_EQ(answerer.Texts(), (std::vector<std::string>{sandbox.Message(10), kCompleted}));
    // Each progress update is the bar first, then its text; the status follows the last one.
    const auto& events = recorder.Events();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0].control, 1002);
    EXPECT_EQ(events[1].control, kPercent);
    EXPECT_EQ(events[events.size() - 2].control, kStatus);
    EXPECT_TRUE(recorder.PaintedWhenFinished());
    EXPECT_EQ(g_wizardState.load(), kWizardFinished);
    EXPECT_GE(elapsed, 2600u);

    ExpectProductValuesWritten(sandbox.destination);
    EXPECT_EQ(g_languageName, "EnglishW.dat");
    for (const CString& name : g_fileManifest) {
        if (name == "UninstallDAVedu5.exe")
            EXPECT_FALSE(InstallSandbox::Exists(Installed(name))) << name;
        else
            EXPECT_EQ(InstallSandbox::ReadFile(Installed(name)), "payload " + name);
    }
    EXPECT_TRUE(InstallSandbox::Exists(GroupLink("Velmora RAID5.lnk")));
    EXPECT_TRUE(InstallSandbox::Exists(GroupLink("Velmora RAID5 De-Stripper.lnk")));
}

TEST_F(InstallWorker, CopiesIntoTheWindowsAndSystemFoldersOnlyWhatBelongsThere)
{
    MessageBoxAnswerer answerer({IDYES, IDOK});
    ASSERT_TRUE(recorder.RunWorker());

    std::string windows = InstallSandbox::WindowsFolder();
    struct Copy {
        std::string path, source;
    };
    const Copy copies[] = {
        {windows + "\\Getdisk.exe", "getdisk.exe"},
        {windows + "\\step1.BMP", "step1.BMP"},
        {windows + "\\step1a.bmp", "step1a.bmp"},
        {windows + "\\step2.bmp", "step2.bmp"},
        {windows + "\\UninstallDAVedu5.exe", "UninstallDAVedu5.exe"},
        {InstallSandbox::SystemFolder() + "\\unfixwmi.bat", "unfixwmi.bat"},
    };
    for (const Copy& copy : copies)
        EXPECT_EQ(InstallSandbox::ReadFile(copy.path), "payload " + copy.source) << copy.path;
    EXPECT_FALSE(InstallSandbox::Exists(windows + "\\step2a.bmp"));
    EXPECT_FALSE(InstallSandbox::Exists(windows + "\\VOredi5VI.exe"));

    InstallSandbox::Link link = InstallSandbox::ReadLink(UninstallerLink());
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, windows + "\\UninstallDAVedu5.exe");
    // Starts where the uninstaller is, not in the setup folder that goes away.
    EXPECT_EQ(link.workingFolder, windows);
    EXPECT_EQ(link.description, "Uninstall");
}

TEST_F(InstallWorker, MissingUninstallerLeavesNoUninstallerAndStillCompletes)
{
    ::DeleteFileA((sandbox.source + "\\UninstallDAVedu5.exe").c_str());
    MessageBoxAnswerer answerer({IDYES, IDOK});
    ASSERT_TRUE(recorder.RunWorker());

    EXPECT_EQ(recorder.Positions(), kFullRunPositions);
    EXPECT_EQ(recorder.Texts(kStatus), std::vector<std::string>{sandbox.Message(4)});
    EXPECT_FALSE(InstallSandbox::Exists(InstallSandbox::WindowsFolder() + "\\UninstallDAVedu5.exe"));
    EXPECT_FALSE(InstallSandbox::Exists(UninstallerLink()));
    EXPECT_TRUE(InstallSandbox::Exists(GroupLink("Velmora RAID5.lnk")));
}

struct Stop {
    const char* name;
    std::size_t index;  // zero-based entry at which the copy stops
    int position;       // floor(100 * index / 26)
    bool missingSource; // otherwise the copy itself fails
};

class StoppedInstallation : public InstallWorker, public ::testing::WithParamInterface<Stop> {
};

TEST_P(StoppedInstallation, KeepsWhatWasCopiedReportsItAndStillWritesTheProductValues)
{
    const Stop& stop = GetParam();
    const std::string name = g_fileManifest[stop.index];
    if (stop.missingSource) {
        ::DeleteFileA((sandbox.source + "\\" + name).c_str());
    } else {
        // A folder in the way of the target: the copy fails.
        ::CreateDirectoryA(sandbox.destination.c_str(), nullptr);
        ::CreateDirectoryA(Installed(name).c_str(), nullptr);
    }
    MessageBoxAnswerer answerer;
    ASSERT_TRUE(recorder.RunWorker());

    std::vector<int> positions = recorder.Positions();
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), stop.position);
    std::vector<int> expected(kFullRunPositions.begin(), kFullRunPositions.end() - 1);
    expected.resize(stop.index > 13 ? stop.index - 1 : stop.index);
    expected.push_back(stop.position);
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(recorder.Texts(kPercent).back(), std::to_string(stop.position) + " %");
    EXPECT_EQ(recorder.Texts(kStatus), std::vector<std::string>{kNotCompleted});
    EXPECT_EQ(answerer.Texts(), std::vector<std::string>{sandbox.Message(9)});
    EXPECT_TRUE(recorder.PaintedWhenFinished());
    ExpectProductValuesWritten(sandbox.destination);

    for (std::size_t k = 0; k < g_fileManifest.size(); ++k) {
        const CString& entry = g_fileManifest[k];
        if (entry == "UninstallDAVedu5.exe" || k == stop.index)
            continue;
        EXPECT_EQ(InstallSandbox::Exists(Installed(entry)), k < stop.index) << entry;
    }
    EXPECT_FALSE(InstallSandbox::Exists(GroupLink("Velmora RAID5.lnk")));
    EXPECT_FALSE(InstallSandbox::Exists(sandbox.desktop + "\\Velmora RAID5.lnk"));
}

INSTANTIATE_TEST_SUITE_P(
    AtEntry, StoppedInstallation,
    ::testing::Values(Stop{"FirstSourceMissing", 0, 0, true}, Stop{"ThirdSourceMissing", 2, 7, true},
                      Stop{"SourceAfterUninstallerMissing", 14, 53, true}, Stop{"LastSourceMissing", 25, 96, true},
                      Stop{"ThirdCopyFails", 2, 7, false}, Stop{"LastCopyFails", 25, 96, false}),
    [](const ::testing::TestParamInfo<Stop>& info) { return std::string(info.param.name); });

TEST_F(InstallWorker, ReplacesReadOnlyAndHiddenFilesOfAnEarlierInstallation)
{
    ::CreateDirectoryA(sandbox.destination.c_str(), nullptr);
    for (const char* name : {"AVI.avi", "step3.bmp", "ZTParseMSGW.dll"}) {
        InstallSandbox::WriteFile(Installed(name), "earlier");
        ::SetFileAttributesA(Installed(name).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }
    MessageBoxAnswerer answerer({IDYES, IDOK});
    ASSERT_TRUE(recorder.RunWorker());

    for (const char* name : {"AVI.avi", "step3.bmp", "ZTParseMSGW.dll"}) {
        EXPECT_EQ(InstallSandbox::ReadFile(Installed(name)), std::string("payload ") + name);
        DWORD attributes = ::GetFileAttributesA(Installed(name).c_str());
        EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u) << name;
    }
}

TEST_F(InstallWorker, AsksBeforeInstallingOverAnExistingInstallationAndGoesOnWithOk)
{
    ::CreateDirectoryA(sandbox.destination.c_str(), nullptr);
    InstallSandbox::WriteFile(Installed("DAvedu5.exe"), "earlier");
    MessageBoxAnswerer answerer({IDOK, IDYES, IDOK});
    ASSERT_TRUE(recorder.RunWorker());

    EXPECT_EQ(answerer.Texts(), (std::vector<std::string>{sandbox.Message(8), sandbox.Message(10), kCompleted}));
    EXPECT_EQ(InstallSandbox::ReadFile(Installed("DAvedu5.exe")), "payload DAvedu5.exe");
    EXPECT_EQ(recorder.Positions(), kFullRunPositions);
}

TEST_F(InstallWorker, CancelOnTheExistingInstallationEndsBeforeAnythingIsCopiedOrWritten)
{
    ::CreateDirectoryA(sandbox.destination.c_str(), nullptr);
    InstallSandbox::WriteFile(Installed("DAvedu5.exe"), "earlier");
    EXPECT_EXIT(
        {
            MessageBoxAnswerer answerer({IDCANCEL});
            recorder.RunWorker();
        },
        ::testing::ExitedWithCode(0), "message box: " + sandbox.Message(8));

    EXPECT_EQ(InstallSandbox::ReadFile(Installed("DAvedu5.exe")), "earlier");
    EXPECT_FALSE(InstallSandbox::Exists(Installed("VOredi5VI.exe")));
    EXPECT_EQ(InstallSandbox::ProductValue("PRDCODE"), "<missing>");
}

TEST_F(InstallWorker, FailingTextFetchMidInstallationEndsTheSetup)
{
    EXPECT_EXIT(
        {
            sandbox.FailMessage(6 + 4);
            MessageBoxAnswerer answerer;
            recorder.RunWorker();
        },
        ::testing::ExitedWithCode(0), "message box: Unable to Parse Text");

    // Every file was copied; the end of the installation never came.
    EXPECT_TRUE(InstallSandbox::Exists(Installed("ZTParseMSGW.dll")));
    EXPECT_FALSE(InstallSandbox::Exists(GroupLink("Velmora RAID5.lnk")));
    EXPECT_EQ(InstallSandbox::ProductValue("PRDCODE"), "<missing>");
}

TEST_F(InstallWorker, DriveRootDestinationGetsSingleBackslashPaths)
{
    // The root of a drive ends with a backslash already.
    g_installDir = "C:\\";
    InstallSandbox::WriteFile("C:\\DAvedu5.exe", "earlier");
    ::DeleteFileA((sandbox.source + "\\getdisk.exe").c_str());
    MessageBoxAnswerer answerer({IDOK, IDOK});
    ASSERT_TRUE(recorder.RunWorker());

    EXPECT_EQ(answerer.Texts(), (std::vector<std::string>{sandbox.Message(8), sandbox.Message(9)}));
    EXPECT_EQ(g_targetPath, "C:\\getdisk.exe");
    EXPECT_EQ(InstallSandbox::ReadFile("C:\\VOredi5VI.exe"), "payload VOredi5VI.exe");
    EXPECT_EQ(InstallSandbox::ReadFile("C:\\DAvedu5.exe"), "payload DAvedu5.exe");
    EXPECT_EQ(InstallSandbox::ReadFile("C:\\AVI.avi"), "payload AVI.avi");
    EXPECT_EQ(InstallSandbox::ProductValue("FilePath"), "C:\\");
    for (const char* name : {"VOredi5VI.exe", "DAvedu5.exe", "AVI.avi"})
        ::DeleteFileA((std::string("C:\\") + name).c_str());
}
}  // namespace
