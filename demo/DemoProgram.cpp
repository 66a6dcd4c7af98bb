// The demo payload's programs: one small program installed under each
// program name of the payload; it tells the user which one was started.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = length > 0 && length < sizeof path ? path : "this program";
    name = name.substr(name.find_last_of('\\') + 1);
    std::string text = name + "\n\nDemo program of Velmora for RAID 5 ( Demo ).";
    ::MessageBoxA(nullptr, text.c_str(), "Velmora", MB_OK | MB_ICONINFORMATION);
    return 0;
}
