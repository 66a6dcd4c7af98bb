#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/SetupGlobals.h"
#include "dialogs/CleanUpSetupFolder.h"
#include "dialogs/DefaultDestination.h"
#include "dialogs/RestoreEarlierFilePath.h"
#include "install/Registry.h"

namespace {
const std::string kSetupFolder = "C:\\ztsetupdir";
const std::string kSavedSetupFolder = "C:\\ztsetupdir.saved-by-tests";

const std::vector<std::string> kListedFiles = {
    "VOredi5VI.exe", "DAvedu5.exe", "AVI.avi", "getdisk.exe", "step1.BMP", "step1a.bmp", "step2.bmp",
    "step2a.bmp", "step3.bmp", "step4.bmp", "step5.bmp", "BrevantEnglish.dat", "EncDncDF.dll",
    "ParseMSGNTFS.dll", "setup.exe"};

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Touch(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(file);
}

// Works on the real "C:\ztsetupdir", with whatever was there put aside.
class SetupFolderCleanUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::MoveFileA(kSetupFolder.c_str(), kSavedSetupFolder.c_str());
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((kSetupFolder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                ::SetFileAttributesA((kSetupFolder + "\\" + found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA((kSetupFolder + "\\" + found.cFileName).c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(kSetupFolder.c_str());
        ::MoveFileA(kSavedSetupFolder.c_str(), kSetupFolder.c_str());
    }

    static void Fill(const std::vector<std::string>& names)
    {
        ::CreateDirectoryA(kSetupFolder.c_str(), nullptr);
        for (const std::string& name : names)
            Touch(kSetupFolder + "\\" + name);
    }
};

TEST_F(SetupFolderCleanUp, DeletesExactlyTheListedFilesAndThenTheFolder)
{
    Fill(kListedFiles);
    CleanUpSetupFolder();
    EXPECT_FALSE(Exists(kSetupFolder));
}

TEST_F(SetupFolderCleanUp, WithoutTheFolderThereIsNothingToDo)
{
    CleanUpSetupFolder();
    EXPECT_FALSE(Exists(kSetupFolder));
}

struct LeftOver {
    const char* name;
};

class SetupFolderLeftOvers : public SetupFolderCleanUp, public ::testing::WithParamInterface<LeftOver> {
};

// Anything not on the list stays, and with it the folder; the listed files go.
TEST_P(SetupFolderLeftOvers, UnlistedFileKeepsTheFolder)
{
    std::vector<std::string> names = kListedFiles;
    names.push_back(GetParam().name);
    Fill(names);
    CleanUpSetupFolder();
    EXPECT_TRUE(Exists(kSetupFolder + "\\" + GetParam().name));
    for (const std::string& name : kListedFiles)
        EXPECT_FALSE(Exists(kSetupFolder + "\\" + name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Files, SetupFolderLeftOvers,
                         ::testing::Values(LeftOver{"VelmoraHelp.chm"}, LeftOver{"RovovIRAZU5.dll"},
                                           LeftOver{"EnglishW.dat"}, LeftOver{"notes.txt"}),
                         [](const ::testing::TestParamInfo<LeftOver>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(SetupFolderCleanUp, ReadOnlyFileThatCannotBeDeletedKeepsTheFolderSilently)
{
    Fill(kListedFiles);
    ::SetFileAttributesA((kSetupFolder + "\\setup.exe").c_str(), FILE_ATTRIBUTE_READONLY);
    CleanUpSetupFolder();
    EXPECT_TRUE(Exists(kSetupFolder + "\\setup.exe"));
    EXPECT_FALSE(Exists(kSetupFolder + "\\VOredi5VI.exe"));
}

class ProductKeyValues : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey); }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);
        g_earlierFilePath.clear();
    }
    static std::string FilePath()
    {
        CString value = "<missing>";
        ReadRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", value);
        return value;
    }
};

TEST_F(ProductKeyValues, QuittingPutsBackTheEarlierFilePath)
{
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", "C:\\Temp\\ztsetupdir\\BrevantEnglish.dat");
    g_earlierFilePath = "C:\\Program Files\\Velmora for RAID 5 ( Demo )";
    RestoreEarlierFilePath();
    EXPECT_EQ(FilePath(), "C:\\Program Files\\Velmora for RAID 5 ( Demo )");
}

TEST_F(ProductKeyValues, QuittingWithoutAnEarlierFilePathWritesNothing)
{
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "FilePath", "C:\\Temp\\ztsetupdir\\BrevantEnglish.dat");
    RestoreEarlierFilePath();
    EXPECT_EQ(FilePath(), "C:\\Temp\\ztsetupdir\\BrevantEnglish.dat");
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);
    RestoreEarlierFilePath();
    EXPECT_EQ(FilePath(), "<missing>");
}

// The setup's own view of "ProgramFilesDir", put back after each test.
class DefaultDestinationTest : public ::testing::Test {
protected:
    void SetUp() override { ReadRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", saved); }
    void TearDown() override { WriteRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", saved); }
    CString saved;
};

TEST_F(DefaultDestinationTest, IsProgramFilesDirFollowedByTheProductFolder)
{
    WriteRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", "D:\\Apps");
    EXPECT_EQ(DefaultDestination(), "D:\\Apps\\Velmora for RAID 5 ( Demo )");
}

TEST_F(DefaultDestinationTest, WithoutProgramFilesDirIsTheProductFolderInTheDriveRoot)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    ::RegDeleteValueA(key, "ProgramFilesDir");
    ::RegCloseKey(key);
    EXPECT_EQ(DefaultDestination(), "\\Velmora for RAID 5 ( Demo )");
}
}  // namespace
