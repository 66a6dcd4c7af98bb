#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/Registry.h"

namespace {
const char kScratchKey[] = "Software\\VelmoraTests\\Registry";

class RegistryRoutines : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraTests"); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraTests"); }

    static void Store(const char* name, DWORD type, const std::vector<BYTE>& data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, kScratchKey, &key), ERROR_SUCCESS);
        ::RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
        ::RegCloseKey(key);
    }
};

std::vector<BYTE> Bytes(const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); }

TEST_F(RegistryRoutines, MissingKeyLeavesTheCallersTextAsItWas)
{
    CString result = "kept";
    ReadRegString(HKEY_CURRENT_USER, kScratchKey, "FilePath", result);
    EXPECT_EQ(result, "kept");
}

struct StoredValue {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
    std::string expected;
};

class ReadingStoredValues : public RegistryRoutines, public ::testing::WithParamInterface<StoredValue> {
};

TEST_P(ReadingStoredValues, YieldsTheTextUpToItsFirstZeroOrNothingWhenItDoesNotFit)
{
    const StoredValue& value = GetParam();
    if (value.data.size() || value.type != REG_NONE)
        Store(value.name, value.type, value.data);
    else
        Store("other", REG_SZ, Bytes(std::string("x") + '\0'));
    CString result = "stale";
    ReadRegString(HKEY_CURRENT_USER, kScratchKey, value.name, result);
    EXPECT_EQ(result, value.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingStoredValues,
    ::testing::Values(
        StoredValue{"absent", REG_NONE, {}, ""},
        StoredValue{"plain", REG_SZ, Bytes(std::string("C:\\Program Files") + '\0'), "C:\\Program Files"},
        StoredValue{"longest", REG_SZ, Bytes(std::string(259, 'a') + '\0'), std::string(259, 'a')},
        StoredValue{"tooLong", REG_SZ, Bytes(std::string(260, 'b') + '\0'), ""},
        StoredValue{"fullWithoutTerminator", REG_BINARY, Bytes(std::string(260, 'c')), ""},
        StoredValue{"binary", REG_BINARY, Bytes(std::string("ab") + '\0' + "cd"), "ab"},
        StoredValue{"dword", REG_DWORD, {0x41, 0x42, 0x00, 0x00}, "AB"}),
    [](const ::testing::TestParamInfo<StoredValue>& info) { return std::string(info.param.name); });

TEST_F(RegistryRoutines, WriteCreatesTheKeyPathAndReadsBackExactly)
{
    WriteRegString(HKEY_CURRENT_USER, std::string(kScratchKey) + "\\Deeper", "LngFile", "GermanW.dat");
    WriteRegString(HKEY_CURRENT_USER, std::string(kScratchKey) + "\\Deeper", "Empty", "");

    CString result = "stale";
    ReadRegString(HKEY_CURRENT_USER, std::string(kScratchKey) + "\\Deeper", "LngFile", result);
    EXPECT_EQ(result, "GermanW.dat");
    result = "stale";
    ReadRegString(HKEY_CURRENT_USER, std::string(kScratchKey) + "\\Deeper", "Empty", result);
    EXPECT_EQ(result, "");

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyA(HKEY_CURRENT_USER, (std::string(kScratchKey) + "\\Deeper").c_str(), &key), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ::RegQueryValueExA(key, "LngFile", nullptr, &type, nullptr, &size);
    ::RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof("GermanW.dat"));
}
}  // namespace
