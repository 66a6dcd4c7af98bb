#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
using GetMsgProc = int(__cdecl*)(int, char*);

constexpr std::size_t kSetupBufferSize = 256;

// The setup asks these offsets after the introduction block (base+k).
constexpr int kAskedOffsets[] = {2, 3, 4, 5, 8, 9, 10, 86};
// Offsets the setup never asks; the provider has no text for them.
constexpr int kUnaskedOffsets[] = {0, 1, 6, 7, 11, 85, 87};

class ShippedProvider : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = ::LoadLibraryA(SHIPPED_PROVIDER_PATH);
        ASSERT_NE(library, nullptr);
        getMsg = reinterpret_cast<GetMsgProc>(reinterpret_cast<void*>(::GetProcAddress(library, "GetMSG")));
        ASSERT_NE(getMsg, nullptr);
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "VelmoraRWD5");
        ::FreeLibrary(library);
    }

    static void SetLanguage(const char* language)
    {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CLASSES_ROOT, "VelmoraRWD5", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegSetValueExA(key, "Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(language),
                         static_cast<DWORD>(std::strlen(language) + 1));
        ::RegCloseKey(key);
    }

    // The text, or "<failed>"; fails the test when the provider writes past
    // the setup's 256 bytes.
    std::string Fetch(int number)
    {
        std::vector<char> buffer(4 * kSetupBufferSize, '\x5A');
        int result = getMsg(number, buffer.data());
        for (std::size_t i = kSetupBufferSize; i < buffer.size(); ++i)
            if (buffer[i] != '\x5A') {
                ADD_FAILURE() << "message " << number << " wrote past 256 bytes";
                break;
            }
        if (result == 0)
            return "<failed>";
        EXPECT_NE(std::memchr(buffer.data(), '\0', kSetupBufferSize), nullptr) << "message " << number;
        return std::string(buffer.data());
    }

    HMODULE library = nullptr;
    GetMsgProc getMsg = nullptr;
};

struct LanguageBlock {
    const char* language;
    int base;
};

class ShippedProviderPerLanguage : public ShippedProvider, public ::testing::WithParamInterface<LanguageBlock> {
};

TEST_P(ShippedProviderPerLanguage, HasATextForEveryNumberTheSetupAsksAndNoneForTheOthers)
{
    SetLanguage(GetParam().language);
    int base = GetParam().base;
    for (int number = 0; number < base; ++number) {
        std::string text = Fetch(number);
        EXPECT_NE(text, "<failed>") << "introduction " << number;
        EXPECT_FALSE(text.empty());
    }
    for (int offset : kAskedOffsets) {
        std::string text = Fetch(base + offset);
        EXPECT_NE(text, "<failed>") << "base+" << offset;
        EXPECT_FALSE(text.empty()) << "base+" << offset;
    }
    for (int offset : kUnaskedOffsets)
        EXPECT_EQ(Fetch(base + offset), "<failed>") << "base+" << offset;
    EXPECT_EQ(Fetch(-1), "<failed>");
    EXPECT_EQ(Fetch(100000), "<failed>");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedProviderPerLanguage,
                         ::testing::Values(LanguageBlock{"Dutch", 6}, LanguageBlock{"English", 6},
                                           LanguageBlock{"French", 8}, LanguageBlock{"German", 6}),
                         [](const ::testing::TestParamInfo<LanguageBlock>& info) {
                             return std::string(info.param.language);
                         });

TEST_F(ShippedProvider, TakesTheLanguageAtEachCall)
{
    SetLanguage("German");
    std::string german = Fetch(6 + 10);
    SetLanguage("Dutch");
    std::string dutch = Fetch(6 + 10);
    SetLanguage("English");
    std::string english = Fetch(6 + 10);
    EXPECT_NE(german, dutch);
    EXPECT_NE(dutch, english);
    EXPECT_NE(german, english);
}

// The setup counts with six introduction messages for any value but
// "French" exactly, so the provider must too.
TEST_F(ShippedProvider, AnyOtherLanguageValueGetsTheSixMessageBlock)
{
    SetLanguage("English");
    std::string english = Fetch(6 + 10);
    for (const char* other : {"french", "FRENCH", "Klingon"}) {
        SetLanguage(other);
        EXPECT_EQ(Fetch(6 + 10), english) << other;
        EXPECT_EQ(Fetch(6), "<failed>") << other;
    }
}

TEST_F(ShippedProvider, AccentedTextsArriveInTheNarrowCodePage)
{
    SetLanguage("French");
    std::string text = Fetch(8 + 4);  // "Tous les fichiers ont été copiés."
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 256);
    EXPECT_NE(std::wstring(wide).find(L"\u00e9t\u00e9"), std::wstring::npos);
}
}  // namespace
