#include "ProviderLibrary.h"

#include <vector>

#include "app/Paths.h"

namespace {
// Newer calls, looked up at run time so that the setup still starts on
// systems that lack them.
using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryProc = BOOL(WINAPI*)(LPCSTR);
constexpr DWORD kSearchDefaultDirs = 0x00001000;  // LOAD_LIBRARY_SEARCH_DEFAULT_DIRS

template <typename Proc>
Proc Kernel32Export(const char* name)
{
    HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    return kernel32 ? reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(kernel32, name))) : nullptr;
}

void NarrowLibrarySearchPath()
{
    if (auto setDllDirectory = Kernel32Export<SetDllDirectoryProc>("SetDllDirectoryA"))
        setDllDirectory("");
    if (auto setDefaultDirectories = Kernel32Export<SetDefaultDllDirectoriesProc>("SetDefaultDllDirectories"))
        setDefaultDirectories(kSearchDefaultDirs);
}

CString ProgramPath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return CString();
        if (length < buffer.size())
            return CString(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}
}  // namespace

CString ProviderPathBesideProgram()
{
    CString program = ProgramPath();
    CString::size_type slash = program.find_last_of("\\/");
    if (slash == CString::npos)
        return CString();
    return JoinPath(program.substr(0, slash), kProviderFileName);
}

HMODULE LoadProviderLibrary(const CString& fullPath)
{
    NarrowLibrarySearchPath();
    if (fullPath.empty())
        return nullptr;
    return ::LoadLibraryA(fullPath.c_str());
}
