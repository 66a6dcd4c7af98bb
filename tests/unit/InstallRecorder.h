#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Wnd.h"

// Stands in for the installation dialog: a window with the controls the
// install worker drives (1000, 1002, 1013), each a recorder that keeps every
// message it receives, in order. Its paint only records: it never ends the
// process. Lives on the test's thread, which pumps while the worker runs.
class InstallRecorder {
public:
    struct Event {
        int control;  // 0 for the window itself
        UINT message;
        WPARAM wParam;
        std::string text;  // for WM_SETTEXT
    };

    InstallRecorder();
    ~InstallRecorder();
    InstallRecorder(const InstallRecorder&) = delete;
    InstallRecorder& operator=(const InstallRecorder&) = delete;

    // Runs InstallThreadProc on a framework thread against this window and
    // pumps messages until the thread has ended and its repaint was handled.
    // False when it did not end in time.
    bool RunWorker(DWORD timeoutMs = 60000);

    const std::vector<Event>& Events() const { return m_events; }
    // Positions sent to the progress bar, texts of a control, in order.
    std::vector<int> Positions() const;
    std::vector<std::string> Texts(int control) const;
    // Whether the window was painted after the wizard state became finished.
    bool PaintedWhenFinished() const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PumpPending();

    CWnd m_dialog;
    std::vector<Event> m_events;
};
