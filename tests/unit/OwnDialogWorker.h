#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// Works a modal dialog of this process from a second thread while the test's
// own thread sits in the dialog's modal loop: finds the dialog by caption,
// runs the work, and cancels the dialog if the work left it open, so that a
// failing test never hangs.
class OwnDialogWorker {
public:
    OwnDialogWorker(std::string caption, std::function<void(HWND dialog)> work);
    ~OwnDialogWorker() { Join(); }
    OwnDialogWorker(const OwnDialogWorker&) = delete;
    OwnDialogWorker& operator=(const OwnDialogWorker&) = delete;

    // Waits for the worker; TRUE when it found the dialog.
    bool Join();

private:
    void Run();

    std::string m_caption;
    std::function<void(HWND)> m_work;
    bool m_found = false;
    std::thread m_thread;
};

// A visible dialog of this process with this caption, or null after timeoutMs.
HWND FindOwnDialog(const std::string& caption, DWORD timeoutMs = 10000);
// Presses a button of another thread's dialog without waiting for it.
void PostClick(HWND dialog, int id);
// The text of a tree view's selected item; empty when nothing is selected.
std::string TreeSelectionText(HWND tree);
// The text of the selected item's parent in a tree view.
std::string TreeSelectionParentText(HWND tree);
// Selects path in the shell folder browser the way its own callback does,
// waiting until the tree shows the folder selected.
void SelectInBrowser(HWND browser, int treeId, const std::string& path);
