#include "InstallSandbox.h"

#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/SetupGlobals.h"
#include "app/WizardState.h"
#include "install/FileManifest.h"
#include "install/Registry.h"
#include "messages/MessageProvider.h"

namespace {
constexpr const char* kShellFolderNames[] = {"Desktop", "Start Menu", "Programs"};
constexpr int kTestBase = 6;
constexpr const char* kFolderKeys[] = {kShellFoldersKey,
                                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"};

// Everything an installation may leave in the Windows and System folders.
constexpr const char* kWindowsCopies[] = {"Getdisk.exe", "step1.BMP", "step1a.bmp", "step2.bmp",
                                          "UninstallDAVedu5.exe"};

template <typename Proc>
Proc ProviderExport(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}
}  // namespace

InstallSandbox::InstallSandbox()
{
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof current, current);
    m_savedDirectory = current;

    root = "C:\\velmora-tests";
    RemoveTree(root);
    source = root + "\\setup";
    destination = root + "\\Velmora for RAID 5 ( Demo )";
    desktop = root + "\\Desktop";
    startMenu = root + "\\Start Menu";
    programs = startMenu + "\\Programs";
    for (const std::string& folder : {root, source, desktop, startMenu, programs})
        ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const CString& name : g_fileManifest)
        WriteFile(source + "\\" + name, "payload " + name);
    ::SetCurrentDirectoryA(source.c_str());

    const std::string redirected[] = {desktop, startMenu, programs};
    for (int k = 0; k < 2; ++k) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kFolderKeys[k], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        for (int i = 0; i < 3; ++i) {
            SavedValue& saved = m_savedFolders[k][i];
            char data[1024] = {};
            DWORD size = sizeof data;
            saved.present = ::RegQueryValueExA(key, kShellFolderNames[i], nullptr, &saved.type,
                                               reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
            saved.data.assign(data, saved.present ? size : 0);
            ::RegSetValueExA(key, kShellFolderNames[i], 0, REG_SZ, reinterpret_cast<const BYTE*>(redirected[i].c_str()),
                             static_cast<DWORD>(redirected[i].size() + 1));
        }
        ::RegCloseKey(key);
    }
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);

    m_provider = ::LoadLibraryA("TestProvider.dll");
    ProviderExport<void (*)()>(m_provider, "TestProviderReset")();
    g_messageModule = m_provider;
    g_messageProc = ProviderExport<GetMsgProc>(m_provider, "GetMSG");
    g_messageBase = kTestBase;

    g_installDir = destination;
    g_languageName = "English";
    g_wizardState.store(kWizardGoOn);
}

InstallSandbox::~InstallSandbox()
{
    ProviderExport<void (*)()>(m_provider, "TestProviderReset")();
    ::SetCurrentDirectoryA(m_savedDirectory.c_str());
    for (int k = 0; k < 2; ++k) {
        HKEY key = nullptr;
        ::RegOpenKeyExA(HKEY_CURRENT_USER, kFolderKeys[k], 0, KEY_ALL_ACCESS, &key);
        for (int i = 0; i < 3; ++i) {
            const SavedValue& saved = m_savedFolders[k][i];
            if (saved.present)
                ::RegSetValueExA(key, kShellFolderNames[i], 0, saved.type,
                                 reinterpret_cast<const BYTE*>(saved.data.data()), static_cast<DWORD>(saved.data.size()));
            else
                ::RegDeleteValueA(key, kShellFolderNames[i]);
        }
        ::RegCloseKey(key);
    }
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kProductKey);
    for (const char* name : kWindowsCopies)
        ::DeleteFileA((WindowsFolder() + "\\" + name).c_str());
    ::DeleteFileA((SystemFolder() + "\\unfixwmi.bat").c_str());
    RemoveTree("C:\\Documents and Settings");
    RemoveTree(root);
    g_wizardState.store(kWizardWait);
}

std::string InstallSandbox::Message(int offset) const
{
    char text[256] = {};
    g_messageProc(g_messageBase + offset, text);
    return text;
}

void InstallSandbox::FailMessage(int number) const
{
    ProviderExport<void (*)(int)>(m_provider, "TestProviderFail")(number);
}

std::string InstallSandbox::WindowsFolder()
{
    char folder[MAX_PATH] = {};
    ::GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

std::string InstallSandbox::SystemFolder()
{
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

std::string InstallSandbox::AllUsersDesktop() { return "C:\\Documents and Settings\\All Users\\Desktop"; }

std::string InstallSandbox::ProductValue(const char* name)
{
    CString value = "<missing>";
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    ::RegCloseKey(key);
    ReadRegString(HKEY_CLASSES_ROOT, kProductKey, name, value);
    return value;
}

InstallSandbox::Link InstallSandbox::ReadLink(const std::string& path)
{
    Link link{false, "", "", ""};
    ::CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&shellLink))) &&
        SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
        char text[1024] = {};
        shellLink->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
        link.target = text;
        text[0] = '\0';
        shellLink->GetWorkingDirectory(text, sizeof text);
        link.workingFolder = text;
        text[0] = '\0';
        shellLink->GetDescription(text, sizeof text);
        link.description = text;
        link.loaded = true;
    }
    if (file)
        file->Release();
    if (shellLink)
        shellLink->Release();
    ::CoUninitialize();
    return link;
}

void InstallSandbox::WriteFile(const std::string& path, const std::string& content)
{
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(path, std::ios::binary) << content;
}

std::string InstallSandbox::ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool InstallSandbox::Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void InstallSandbox::RemoveTree(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                RemoveTree(path + "\\" + name);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
}
