#include "MessageProvider.h"

#include <cstring>

#include "ProviderLibrary.h"
#include "app/ProductBox.h"
#include "install/Registry.h"

HMODULE g_messageModule = nullptr;
GetMsgProc g_messageProc = nullptr;
char g_messageBuffer[kMessageBufferSize] = {};
int g_messageBase = 0;

namespace {
constexpr int kIntroductionMessages = 6;
constexpr int kFrenchIntroductionMessages = 8;

// The provider writes here, with room to spare for one that ignores the
// 256-byte limit; only what fits goes on to g_messageBuffer.
char g_providerScratch[16 * kMessageBufferSize];
}  // namespace

const char* FetchMessage(GetMsgProc proc, int number, HWND owner)
{
    std::memset(g_providerScratch, 0, sizeof g_providerScratch);
    if (proc(number, g_providerScratch) == 0)
        StopWithError(owner, "Unable to Parse Text");
    // Taken up to the first zero or as much as fits, always terminated.
    std::size_t length = strnlen(g_providerScratch, sizeof g_messageBuffer - 1);
    std::memcpy(g_messageBuffer, g_providerScratch, length);
    g_messageBuffer[length] = '\0';
    return g_messageBuffer;
}

GetMsgProc LookUpGetMsg()
{
    return reinterpret_cast<GetMsgProc>(reinterpret_cast<void*>(::GetProcAddress(g_messageModule, "GetMSG")));
}

void BindMessageProviderAt(const char* libraryPath, HWND owner)
{
    CString language;
    ReadRegString(HKEY_CLASSES_ROOT, kProductKey, "Language", language);
    if (language.empty())
        StopWithError(owner, "Unable to determine Language Key");
    int introduction = language == "French" ? kFrenchIntroductionMessages : kIntroductionMessages;

    g_messageModule = LoadProviderLibrary(libraryPath);
    if (!g_messageModule)
        StopWithError(owner, "Parsing dll file ParseMsg.dll not Found, Unable to continue Further");
    g_messageProc = LookUpGetMsg();
    if (!g_messageProc)
        StopWithError(owner, "Unable to Locate Module");

    for (int number = 0; number < introduction; ++number)
        FetchMessage(g_messageProc, number, owner);
    g_messageBase = introduction;
}

void BindMessageProvider(HWND owner) { BindMessageProviderAt(ProviderPathBesideProgram().c_str(), owner); }
