#pragma once
#include <windows.h>

#include <string>

// Runs the real setup.exe from a package folder and works it as a user
// would: finds its windows, reads and presses their controls, answers its
// message boxes and takes screenshots of what it shows.
class SetupDriver {
public:
    SetupDriver() = default;
    SetupDriver(const SetupDriver&) = delete;
    SetupDriver& operator=(const SetupDriver&) = delete;
    ~SetupDriver();

    // The package folder under test (SETUP_PACKAGE).
    static std::string PackageDir();
    // Starts packageDir\setup.exe with that folder as its current folder.
    void Launch(const std::string& packageDir = PackageDir());
    // Starts packageDir\setup.exe with another current folder.
    void Launch(const std::string& packageDir, const std::string& currentDir);
    DWORD MillisecondsSinceLaunch() const { return ::GetTickCount() - m_launchTick; }

    // A visible, enabled dialog of the setup with this caption that holds a
    // control with this id; null when none shows up in time.
    HWND WaitForDialog(const char* caption, int controlId, DWORD timeoutMs = 15000);
    // A message box (a dialog with its text in control 65535).
    HWND WaitForMessageBox(const char* caption, DWORD timeoutMs = 15000);
    // Waits until the window is gone (after it was told to close).
    bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);

    static std::string Text(HWND window);
    static std::string ItemText(HWND dialog, int id);
    static std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

    // Presses a button the way a click does, without blocking on the setup.
    static void Click(HWND dialog, int id);
    static void PressKey(HWND dialog, WPARAM key);
    static void CloseBox(HWND window);

    // The exit code, or STILL_ACTIVE when the process has not ended in time.
    DWORD WaitForExit(DWORD timeoutMs = 20000);
    bool IsRunning() const;

    // Saves what the screen shows of window as SCREENSHOT_DIR\name.bmp.
    static void Screenshot(HWND window, const std::string& name);

private:
    PROCESS_INFORMATION m_process{};
    DWORD m_launchTick = 0;
};
