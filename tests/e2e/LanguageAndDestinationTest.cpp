#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FileTree.h"
#include "RegistryProbe.h"
#include "SetupDriver.h"

namespace {
constexpr int kLanguageList = 1018;
constexpr int kDestinationText = 1021;
constexpr const char* kProductKey = "VelmoraRWD5";
constexpr const char* kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kProductFolder = "\\Velmora for RAID 5 ( Demo )";
constexpr const char* kQuitQuestion = "Do you want to quit from Setup?                         ";
const std::string kScratch = "C:\\velmora-e2e";
const std::string kSetupFolder = "C:\\ztsetupdir";
const std::string kSavedSetupFolder = "C:\\ztsetupdir.saved-by-e2e";
const char* const kProductValues[] = {"FilePath", "Language", "PRDCODE", "PRDTYPE", "LngFile"};
const std::vector<std::string> kUnpackedFiles = {
    "VOredi5VI.exe", "DAvedu5.exe", "AVI.avi", "getdisk.exe", "step1.BMP", "step1a.bmp", "step2.bmp",
    "step2a.bmp", "step3.bmp", "step4.bmp", "step5.bmp", "BrevantEnglish.dat", "EncDncDF.dll",
    "ParseMSGNTFS.dll", "setup.exe"};

bool IsFolder(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Touch(const std::string& path)
{
    ::CloseHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// unit_tests.exe's folder, where the build puts the test providers.
std::string TestProvider(const char* name)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = path;
    return program.substr(0, program.find_last_of('\\')) + "\\..\\unit\\" + name;
}

void DeleteProductValue(const char* name)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, kProductKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueA(key, name);
        ::RegCloseKey(key);
    }
}

std::vector<std::wstring> ComboEntries(HWND combo)
{
    std::vector<std::wstring> entries;
    LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

// Each scenario starts with no product key and no "C:\ztsetupdir", and puts
// back what the prefix held before: the product key, "ProgramFilesDir" and
// the setup folder.
class LanguageAndDestination : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kProductValues)
            savedProduct.push_back(RegistryProbe::Read(HKEY_CLASSES_ROOT, kProductKey, name));
        savedProgramFiles = RegistryProbe::Read(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
        RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, kProductKey);
        ::MoveFileA(kSetupFolder.c_str(), kSavedSetupFolder.c_str());
        RemoveTree(kScratch);
        ::CreateDirectoryA(kScratch.c_str(), nullptr);
    }

    void TearDown() override
    {
        driver.reset();
        ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", nullptr);
        RemoveTree(kScratch);
        RemoveTree(kSetupFolder);
        ::MoveFileA(kSavedSetupFolder.c_str(), kSetupFolder.c_str());
        if (savedProgramFiles != "<missing>")
            RegistryProbe::Write(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", savedProgramFiles);
        RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, kProductKey);
        for (std::size_t i = 0; i < savedProduct.size(); ++i) {
            if (savedProduct[i] != "<missing>")
                RegistryProbe::Write(HKEY_CLASSES_ROOT, kProductKey, kProductValues[i], savedProduct[i]);
        }
    }

    // A package folder with setup.exe and the given library as its provider
    // (none when empty).
    std::string PackageWith(const std::string& provider)
    {
        std::string package = kScratch + "\\package";
        ::CreateDirectoryA(package.c_str(), nullptr);
        ::CopyFileA((SetupDriver::PackageDir() + "\\setup.exe").c_str(), (package + "\\setup.exe").c_str(), FALSE);
        if (!provider.empty()) {
            EXPECT_TRUE(::CopyFileA(provider.c_str(), (package + "\\RovovIRAZU5.dll").c_str(), FALSE)) << provider;
        }
        return package;
    }

    HWND ReachLanguageDialog(const std::string& package = SetupDriver::PackageDir())
    {
        driver->Launch(package);
        HWND language = driver->WaitForDialog("Velmora", kLanguageList);
        EXPECT_NE(language, nullptr) << "no language dialog";
        return language;
    }

    HWND ReachDestinationDialog(const std::string& package = SetupDriver::PackageDir())
    {
        HWND language = ReachLanguageDialog(package);
        if (!language)
            return nullptr;
        SetupDriver::Click(language, IDOK);
        driver->WaitUntilGone(language);
        HWND destination = driver->WaitForDialog("Velmora", kDestinationText);
        EXPECT_NE(destination, nullptr) << "no destination dialog";
        return destination;
    }

    // The box that stops the setup: its text, after it was seen and answered.
    std::string FailureBoxText(const std::string& screenshot)
    {
        HWND box = driver->WaitForMessageBox("Velmora");
        if (!box)
            return "<no message box>";
        SetupDriver::Screenshot(box, screenshot);
        std::string text = SetupDriver::MessageBoxText(box);
        SetupDriver::Click(box, IDOK);
        return text;
    }

    static void SetProgramFiles(const std::string& folder)
    {
        RegistryProbe::Write(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", folder);
    }

    std::unique_ptr<SetupDriver> driver = std::make_unique<SetupDriver>();
    std::vector<std::string> savedProduct;
    std::string savedProgramFiles;
};

TEST_F(LanguageAndDestination, SmokeLanguageListThenDestinationThenQuitWithCleanUp)
{
    ::CreateDirectoryA(kSetupFolder.c_str(), nullptr);
    for (const std::string& name : kUnpackedFiles)
        Touch(kSetupFolder + "\\" + name);

    HWND language = ReachLanguageDialog();
    ASSERT_NE(language, nullptr);
    SetupDriver::Screenshot(language, "10-language");
    EXPECT_EQ(ComboEntries(::GetDlgItem(language, kLanguageList)),
              (std::vector<std::wstring>{L"Dutch", L"English", L"French", L"German"}));
    EXPECT_EQ(SetupDriver::ItemText(language, kLanguageList), "Dutch");
    SetupDriver::Click(language, IDOK);
    driver->WaitUntilGone(language);

    HWND destination = driver->WaitForDialog("Velmora", kDestinationText);
    ASSERT_NE(destination, nullptr);
    SetupDriver::Screenshot(destination, "11-destination");
    EXPECT_EQ(SetupDriver::ItemText(destination, kDestinationText),
              RegistryProbe::Read(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir") + kProductFolder);

    SetupDriver::PressKey(destination, VK_ESCAPE);
    HWND question = driver->WaitForMessageBox("Setup for Velmora RAID 5");
    ASSERT_NE(question, nullptr);
    SetupDriver::Screenshot(question, "12-quit-question");
    EXPECT_EQ(SetupDriver::MessageBoxText(question), kQuitQuestion);
    SetupDriver::Click(question, IDYES);
    EXPECT_EQ(driver->WaitForExit(), 0u);
    EXPECT_FALSE(Exists(kSetupFolder));
}

TEST_F(LanguageAndDestination, QuitAnsweredNoKeepsTheDialogAndAsksAgainAndYesRestoresTheEarlierFilePath)
{
    RegistryProbe::Write(HKEY_CLASSES_ROOT, kProductKey, "FilePath", "C:\\Program Files\\Installed Velmora");
    ::CreateDirectoryA(kSetupFolder.c_str(), nullptr);
    for (const std::string& name : kUnpackedFiles)
        Touch(kSetupFolder + "\\" + name);
    Touch(kSetupFolder + "\\VelmoraHelp.chm");

    HWND destination = ReachDestinationDialog();
    ASSERT_NE(destination, nullptr);
    std::string shown = SetupDriver::ItemText(destination, kDestinationText);

    SetupDriver::CloseBox(destination);
    HWND question = driver->WaitForMessageBox("Setup for Velmora RAID 5");
    ASSERT_NE(question, nullptr);
    SetupDriver::Click(question, IDNO);
    driver->WaitUntilGone(question);
    EXPECT_TRUE(driver->IsRunning());
    EXPECT_TRUE(::IsWindowVisible(destination));
    EXPECT_EQ(SetupDriver::ItemText(destination, kDestinationText), shown);
    EXPECT_TRUE(Exists(kSetupFolder + "\\setup.exe"));

    SetupDriver::PressKey(destination, VK_ESCAPE);
    question = driver->WaitForMessageBox("Setup for Velmora RAID 5");
    ASSERT_NE(question, nullptr) << "no second question";
    SetupDriver::Click(question, IDYES);
    EXPECT_EQ(driver->WaitForExit(), 0u);

    for (const std::string& name : kUnpackedFiles)
        EXPECT_FALSE(Exists(kSetupFolder + "\\" + name)) << name;
    EXPECT_TRUE(Exists(kSetupFolder + "\\VelmoraHelp.chm"));
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, kProductKey, "FilePath"), "C:\\Program Files\\Installed Velmora");
}

TEST_F(LanguageAndDestination, ExitPutsBackTheEarlierFilePath)
{
    RegistryProbe::Write(HKEY_CLASSES_ROOT, kProductKey, "FilePath", "C:\\Program Files\\Installed Velmora");
    HWND language = ReachLanguageDialog();
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDCANCEL);
    EXPECT_EQ(driver->WaitForExit(), 0u);
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, kProductKey, "FilePath"), "C:\\Program Files\\Installed Velmora");
    EXPECT_EQ(RegistryProbe::Read(HKEY_CLASSES_ROOT, kProductKey, "Language"), "English");
}

TEST_F(LanguageAndDestination, NextCreatesTheDefaultFolderOneLevelDeep)
{
    std::string programFiles = kScratch + "\\Programs";
    ::CreateDirectoryA(programFiles.c_str(), nullptr);
    SetProgramFiles(programFiles);
    ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", "8");
    HWND destination = ReachDestinationDialog(PackageWith(TestProvider("TestProvider.dll")));
    ASSERT_NE(destination, nullptr);
    EXPECT_EQ(SetupDriver::ItemText(destination, kDestinationText), programFiles + kProductFolder);

    SetupDriver::Click(destination, IDOK);
    EXPECT_TRUE(driver->WaitUntilGone(destination));
    EXPECT_TRUE(IsFolder(programFiles + kProductFolder));
}

TEST_F(LanguageAndDestination, DestinationNamingAnExistingFileIsAccepted)
{
    std::string programFiles = kScratch + "\\Programs";
    ::CreateDirectoryA(programFiles.c_str(), nullptr);
    Touch(programFiles + kProductFolder);
    SetProgramFiles(programFiles);
    ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", "8");
    HWND destination = ReachDestinationDialog(PackageWith(TestProvider("TestProvider.dll")));
    ASSERT_NE(destination, nullptr);

    SetupDriver::Click(destination, IDOK);
    EXPECT_TRUE(driver->WaitUntilGone(destination));
    EXPECT_TRUE(Exists(programFiles + kProductFolder));
    EXPECT_FALSE(IsFolder(programFiles + kProductFolder));
}

// The first Next fails on a missing parent; meanwhile "ProgramFilesDir" has
// changed, so the default that is put back is visibly another path, and a
// second Next creates it.
TEST_F(LanguageAndDestination, MissingParentShowsTheErrorAndPutsTheDefaultBack)
{
    std::string missingParent = kScratch + "\\missing\\deeper";
    SetProgramFiles(missingParent);
    HWND destination = ReachDestinationDialog();
    ASSERT_NE(destination, nullptr);
    EXPECT_EQ(SetupDriver::ItemText(destination, kDestinationText), missingParent + kProductFolder);

    std::string programFiles = kScratch + "\\Programs";
    ::CreateDirectoryA(programFiles.c_str(), nullptr);
    SetProgramFiles(programFiles);
    SetupDriver::Click(destination, IDOK);
    HWND error = driver->WaitForMessageBox("Velmora");
    ASSERT_NE(error, nullptr);
    SetupDriver::Screenshot(error, "13-cannot-create");
    EXPECT_EQ(SetupDriver::MessageBoxText(error), "Unable to create directory. Select another path or use default path.");
    EXPECT_EQ(SetupDriver::ItemText(destination, kDestinationText), programFiles + kProductFolder);
    SetupDriver::Click(error, IDOK);
    driver->WaitUntilGone(error);
    EXPECT_TRUE(::IsWindowVisible(destination));
    EXPECT_FALSE(Exists(kScratch + "\\missing"));

    ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", nullptr);
    SetupDriver::Click(destination, IDOK);
    EXPECT_TRUE(driver->WaitUntilGone(destination));
    EXPECT_TRUE(IsFolder(programFiles + kProductFolder));
}

// What the test changes while the language dialog is open, after the
// splash thread has written its start values.
struct Failure {
    const char* name;
    const char* provider;  // test provider file; "" for none, null for the shipped one
    const char* failingNumbers;
    void (*whileLanguageIsOpen)();
    const char* text;
};

class BindingFailure : public LanguageAndDestination, public ::testing::WithParamInterface<Failure> {
};

TEST_P(BindingFailure, StopsTheSetupWithItsMessageAndExitCodeZero)
{
    const Failure& failure = GetParam();
    std::string package = failure.provider ? PackageWith(*failure.provider ? TestProvider(failure.provider) : "")
                                           : SetupDriver::PackageDir();
    if (failure.failingNumbers)
        ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", failure.failingNumbers);
    HWND language = ReachLanguageDialog(package);
    ASSERT_NE(language, nullptr);
    if (failure.whileLanguageIsOpen)
        failure.whileLanguageIsOpen();
    SetupDriver::Click(language, IDOK);

    EXPECT_EQ(FailureBoxText(std::string("14-") + failure.name), failure.text);
    EXPECT_EQ(driver->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Binding, BindingFailure,
    ::testing::Values(
        Failure{"NoLanguageValue", nullptr, nullptr, [] { DeleteProductValue("Language"); },
                "Unable to determine Language Key"},
        Failure{"NoProductKey", nullptr, nullptr, [] { RegistryProbe::DeleteKey(HKEY_CLASSES_ROOT, kProductKey); },
                "Unable to determine Language Key"},
        Failure{"ProviderMissing", "", nullptr, nullptr,
                "Parsing dll file ParseMsg.dll not Found, Unable to continue Further"},
        Failure{"NoGetMsgExport", "TestProviderNoExport.dll", nullptr, nullptr, "Unable to Locate Module"},
        Failure{"IntroductionMessageFails", "TestProvider.dll", "3", nullptr, "Unable to Parse Text"},
        Failure{"FrenchAsksEightIntroductionMessages", "TestProvider.dll", "7",
                [] { RegistryProbe::Write(HKEY_CLASSES_ROOT, kProductKey, "Language", "French"); },
                "Unable to Parse Text"}),
    [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

TEST_F(LanguageAndDestination, LowerCaseFrenchKeepsTheSixMessageBlock)
{
    ::SetEnvironmentVariableA("TEST_PROVIDER_FAIL", "6,7");
    std::string package = PackageWith(TestProvider("TestProvider.dll"));
    HWND language = ReachLanguageDialog(package);
    ASSERT_NE(language, nullptr);
    RegistryProbe::Write(HKEY_CLASSES_ROOT, kProductKey, "Language", "french");
    SetupDriver::Click(language, IDOK);
    EXPECT_NE(driver->WaitForDialog("Velmora", kDestinationText), nullptr);
}

// A library of the provider's name in the current folder and on PATH, none
// beside setup.exe: the setup must refuse to go on rather than run it.
TEST_F(LanguageAndDestination, PlantedProviderOutsideTheSetupFolderIsNeverLoaded)
{
    std::string planted = kScratch + "\\planted";
    ::CreateDirectoryA(planted.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(TestProvider("TestProvider.dll").c_str(), (planted + "\\RovovIRAZU5.dll").c_str(), FALSE));
    std::string package = PackageWith("");
    char savedPath[32767] = {};
    ::GetEnvironmentVariableA("PATH", savedPath, sizeof savedPath);
    ::SetEnvironmentVariableA("PATH", (planted + ";" + savedPath).c_str());
    driver->Launch(package, planted);
    ::SetEnvironmentVariableA("PATH", savedPath);

    HWND language = driver->WaitForDialog("Velmora", kLanguageList);
    ASSERT_NE(language, nullptr);
    SetupDriver::Click(language, IDOK);
    EXPECT_EQ(FailureBoxText("15-planted-provider"),
              "Parsing dll file ParseMsg.dll not Found, Unable to continue Further");
    EXPECT_EQ(driver->WaitForExit(), 0u);
}
}  // namespace
