#include "SetupDriver.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {
struct Search {
    DWORD processId;
    const char* caption;
    int controlId;
    HWND found;
};

// Notes a child that is neither a button nor a static.
BOOL CALLBACK NoteInputControl(HWND child, LPARAM found)
{
    char className[32] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0 && lstrcmpiA(className, "Static") != 0)
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

bool HasInputControl(HWND window)
{
    bool found = false;
    ::EnumChildWindows(window, &NoteInputControl, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || std::string(className) != "#32770")
        return TRUE;
    if (!::IsWindowVisible(window) || !::IsWindowEnabled(window))
        return TRUE;
    // The caption as the window manager keeps it: the splash's thread runs no
    // message loop, so asking the window itself would hang.
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) != search->caption || !::GetDlgItem(window, search->controlId))
        return TRUE;
    // The wizard's dialogs have unnumbered static texts too (id 0xFFFF);
    // only a message box has nothing but buttons and statics.
    if (search->controlId == 0xFFFF && HasInputControl(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// 32-bit Wine runs under qemu here: every step takes many times longer.
DWORD Scaled(DWORD milliseconds) { return Environment("SETUP_BITS") == "32" ? milliseconds * 20 : milliseconds; }
}  // namespace

SetupDriver::~SetupDriver()
{
    if (!m_process.hProcess)
        return;
    if (IsRunning())
        ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

std::string SetupDriver::PackageDir()
{
    std::string dir = Environment("SETUP_PACKAGE");
    if (dir.empty())
        throw std::runtime_error("SETUP_PACKAGE names no package folder");
    return dir;
}

void SetupDriver::Launch(const std::string& packageDir) { Launch(packageDir, packageDir); }

void SetupDriver::Launch(const std::string& packageDir, const std::string& currentDir)
{
    std::string program = packageDir + "\\setup.exe";
    std::vector<char> commandLine(program.begin(), program.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    m_launchTick = ::GetTickCount();
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          currentDir.c_str(), &startup, &m_process))
        throw std::runtime_error("cannot start " + program);
}

HWND SetupDriver::WaitForDialog(const char* caption, int controlId, DWORD timeoutMs)
{
    timeoutMs = Scaled(timeoutMs);
    DWORD start = ::GetTickCount();
    do {
        Search search{m_process.dwProcessId, caption, controlId, nullptr};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (::WaitForSingleObject(m_process.hProcess, 10) == WAIT_OBJECT_0)
            return nullptr;
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND SetupDriver::WaitForMessageBox(const char* caption, DWORD timeoutMs)
{
    return WaitForDialog(caption, 0xFFFF, timeoutMs);
}

bool SetupDriver::WaitUntilGone(HWND window, DWORD timeoutMs)
{
    timeoutMs = Scaled(timeoutMs);
    DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::IsWindowVisible(window)) {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::WaitForSingleObject(m_process.hProcess, 10);
    }
    return true;
}

std::string SetupDriver::Text(HWND window)
{
    char text[1024] = {};
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                          nullptr);
    return text;
}

std::string SetupDriver::ItemText(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    return item ? Text(item) : std::string();
}

void SetupDriver::Click(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void SetupDriver::PressKey(HWND dialog, WPARAM key)
{
    HWND target = ::GetDlgItem(dialog, IDOK);
    ::PostMessageA(target ? target : dialog, WM_KEYDOWN, key, 1);
    ::PostMessageA(target ? target : dialog, WM_KEYUP, key, 0xC0000001);
}

void SetupDriver::CloseBox(HWND window) { ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

DWORD SetupDriver::WaitForExit(DWORD timeoutMs)
{
    ::WaitForSingleObject(m_process.hProcess, Scaled(timeoutMs));
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool SetupDriver::IsRunning() const
{
    return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void SetupDriver::Screenshot(HWND window, const std::string& name)
{
    std::string dir = Environment("SCREENSHOT_DIR");
    RECT rect{};
    if (dir.empty() || !::GetWindowRect(window, &rect))
        return;
    ::CreateDirectoryA(dir.c_str(), nullptr);
    // A window found the moment it became visible has not painted yet.
    ::Sleep(400);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    // PrintWindow draws no child controls under Wine: copy from the screen.
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    DWORD imageBytes = rowBytes * height;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageBytes),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::string path = dir + "\\" + name + ".bmp";
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(out, &file, sizeof file, &written, nullptr);
        ::WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
        ::WriteFile(out, bits, imageBytes, &written, nullptr);
        ::CloseHandle(out);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}
