#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/Registry.h"
#include "messages/MessageProvider.h"
#include "messages/ProviderLibrary.h"

namespace {
template <typename Proc>
Proc Export(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = path;
    return program.substr(0, program.find_last_of('\\'));
}

// The test provider, beside unit_tests.exe, with no failure chosen.
class MessageProviderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        providerPath = ProgramFolder() + "\\TestProvider.dll";
        provider = ::LoadLibraryA(providerPath.c_str());
        ASSERT_NE(provider, nullptr);
        getMsg = Export<GetMsgProc>(provider, "GetMSG");
        Export<void (*)()>(provider, "TestProviderReset")();
    }
    void TearDown() override
    {
        Export<void (*)()>(provider, "TestProviderReset")();
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);
        ::FreeLibrary(provider);
    }

    void Oversize(int number) { Export<void (*)(int)>(provider, "TestProviderOversize")(number); }
    int CallCount(int number) { return Export<int (*)(int)>(provider, "TestProviderCallCount")(number); }

    std::string providerPath;
    HMODULE provider = nullptr;
    GetMsgProc getMsg = nullptr;
};

TEST_F(MessageProviderTest, FetchLeavesTheProvidersTextInTheSharedBuffer)
{
    const char* text = FetchMessage(getMsg, 92, nullptr);
    EXPECT_EQ(text, g_messageBuffer);
    EXPECT_STREQ(text, "Message 92");
    EXPECT_EQ(CallCount(92), 1);
}

TEST_F(MessageProviderTest, OversizedTextIsCutAndTerminatedInsideTheBuffer)
{
    Oversize(9);
    std::memset(g_messageBuffer, 'y', sizeof g_messageBuffer);
    FetchMessage(getMsg, 9, nullptr);
    EXPECT_EQ(g_messageBuffer[sizeof g_messageBuffer - 1], '\0');
    EXPECT_EQ(std::string(g_messageBuffer), std::string(sizeof g_messageBuffer - 1, 'x'));
}

TEST_F(MessageProviderTest, ShorterTextAfterALongOneLeavesNothingOfTheLongOne)
{
    Oversize(9);
    FetchMessage(getMsg, 9, nullptr);
    EXPECT_STREQ(FetchMessage(getMsg, 10, nullptr), "Message 10");
}

TEST_F(MessageProviderTest, LookUpFindsTheBoundProvidersEntryPoint)
{
    g_messageModule = provider;
    EXPECT_EQ(LookUpGetMsg(), getMsg);
}

struct LanguageCase {
    const char* language;
    int base;
};

class BindingPerLanguage : public MessageProviderTest, public ::testing::WithParamInterface<LanguageCase> {
};

TEST_P(BindingPerLanguage, FetchesTheIntroductionBlockOnceEachAndSetsTheBase)
{
    WriteRegString(HKEY_CLASSES_ROOT, kProductKey, "Language", GetParam().language);
    BindMessageProviderAt(providerPath.c_str(), nullptr);

    EXPECT_EQ(g_messageBase, GetParam().base);
    EXPECT_EQ(g_messageModule, provider);
    EXPECT_EQ(g_messageProc, getMsg);
    for (int number = 0; number < GetParam().base; ++number)
        EXPECT_EQ(CallCount(number), 1) << "message " << number;
    EXPECT_EQ(CallCount(GetParam().base), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, BindingPerLanguage,
                         ::testing::Values(LanguageCase{"French", 8}, LanguageCase{"french", 6},
                                           LanguageCase{"FRENCH", 6}, LanguageCase{"French ", 6},
                                           LanguageCase{"English", 6}, LanguageCase{"Dutch", 6},
                                           LanguageCase{"German", 6}),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             std::string name;
                             for (const char* c = info.param.language; *c; ++c)
                                 name += *c == ' ' ? '_' : *c;
                             return name + "_" + std::to_string(info.index);
                         });

TEST(ProviderLibrary, IsLookedForBesideTheRunningProgram)
{
    EXPECT_EQ(ProviderPathBesideProgram(), ProgramFolder() + "\\RovovIRAZU5.dll");
}

// A library of the provider's name in the current folder and on PATH, with
// none beside the program: the setup must not pick up either.
TEST(ProviderLibrary, PlantedLibraryInTheCurrentFolderOrOnPathIsNotLoaded)
{
    const std::string planted = "C:\\velmora-planted";
    const std::string plantedLibrary = planted + "\\RovovIRAZU5.dll";
    ::CreateDirectoryA(planted.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\TestProvider.dll").c_str(), plantedLibrary.c_str(), FALSE));
    char savedDirectory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);
    char savedPath[32767] = {};
    ::GetEnvironmentVariableA("PATH", savedPath, sizeof savedPath);
    ::SetCurrentDirectoryA(planted.c_str());
    ::SetEnvironmentVariableA("PATH", (planted + ";" + savedPath).c_str());

    HMODULE loaded = LoadProviderLibrary(ProviderPathBesideProgram());
    HMODULE loadedByBareName = ::LoadLibraryA("RovovIRAZU5.dll");

    ::SetEnvironmentVariableA("PATH", savedPath);
    ::SetCurrentDirectoryA(savedDirectory);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(::GetModuleHandleA("RovovIRAZU5.dll"), nullptr);
    if (loadedByBareName)
        ::FreeLibrary(loadedByBareName);
    ::DeleteFileA(plantedLibrary.c_str());
    ::RemoveDirectoryA(planted.c_str());
}
}  // namespace
