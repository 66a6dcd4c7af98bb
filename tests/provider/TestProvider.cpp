// A message provider for the tests: "Message n" for every number n, except
// the numbers a test has chosen to fail or to answer with too much text.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {
std::set<int> g_failing;
std::set<int> g_oversize;
std::map<int, int> g_calls;
bool g_configured = false;

// A test in another process (the real setup) chooses failing numbers through
// TEST_PROVIDER_FAIL, a comma-separated list.
void ReadEnvironment()
{
    g_configured = true;
    char list[512] = {};
    DWORD length = ::GetEnvironmentVariableA("TEST_PROVIDER_FAIL", list, sizeof list);
    if (length == 0 || length >= sizeof list)
        return;
    for (char* item = std::strtok(list, ","); item; item = std::strtok(nullptr, ","))
        g_failing.insert(std::atoi(item));
}
}  // namespace

extern "C" {
__declspec(dllexport) int __cdecl GetMSG(int number, char* buffer)
{
    if (!g_configured)
        ReadEnvironment();
    ++g_calls[number];
    if (g_failing.count(number))
        return 0;
    if (g_oversize.count(number)) {
        // Well past the 256 bytes a provider may write, and unterminated
        // within them.
        std::memset(buffer, 'x', 1000);
        buffer[1000] = '\0';
        return 1;
    }
    std::snprintf(buffer, 256, "Message %d", number);
    return 1;
}

__declspec(dllexport) void __cdecl TestProviderReset()
{
    g_failing.clear();
    g_oversize.clear();
    g_calls.clear();
    g_configured = true;
}

__declspec(dllexport) void __cdecl TestProviderFail(int number) { g_failing.insert(number); }

__declspec(dllexport) void __cdecl TestProviderOversize(int number) { g_oversize.insert(number); }

__declspec(dllexport) int __cdecl TestProviderCallCount(int number)
{
    auto found = g_calls.find(number);
    return found == g_calls.end() ? 0 : found->second;
}
}
