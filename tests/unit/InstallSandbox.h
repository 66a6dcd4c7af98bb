#pragma once
#include <windows.h>

#include <string>

// What an installation test works in: a folder of its own under C:\ with the
// setup folder (the payload, as current folder), the destination and the
// user's shell folders (the registry's "Desktop", "Start Menu" and
// "Programs", in "Shell Folders" and in "User Shell Folders", from which the
// shell rewrites the former, point into it while the sandbox lives), the test message
// provider bound as the destination dialog binds the real one, and a clean
// product key. Everything is put back, and the copies that an installation
// leaves in the Windows and System folders removed, when it ends.
class InstallSandbox {
public:
    InstallSandbox();
    ~InstallSandbox();
    InstallSandbox(const InstallSandbox&) = delete;
    InstallSandbox& operator=(const InstallSandbox&) = delete;

    std::string root;         // C:\velmora-tests
    std::string source;       // the setup folder, with every payload file
    std::string destination;  // the destination folder, not made yet
    std::string desktop, startMenu, programs;

    // The provider's text of message base+offset.
    std::string Message(int offset) const;
    // The test provider's controls.
    void FailMessage(int number) const;

    static std::string WindowsFolder();
    static std::string SystemFolder();
    static std::string AllUsersDesktop();  // on drive C, where the desktop is
    static std::string ProductValue(const char* name);

    struct Link {
        bool loaded;
        std::string target, workingFolder, description;
    };
    // A shell link file read back through the shell's link object.
    static Link ReadLink(const std::string& path);

    static void WriteFile(const std::string& path, const std::string& content);
    static std::string ReadFile(const std::string& path);
    static bool Exists(const std::string& path);
    static void RemoveTree(const std::string& path);

private:
    HMODULE m_provider = nullptr;
    std::string m_savedDirectory;
    struct SavedValue {
        bool present;
        DWORD type;
        std::string data;
    };
    SavedValue m_savedFolders[2][3];
};
