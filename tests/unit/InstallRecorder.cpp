#include "InstallRecorder.h"

#include <windows.h>
#include <commctrl.h>

#include "app/WizardState.h"
#include "framework/Thread.h"
#include "install/InstallWorker.h"

namespace {
constexpr const char* kWindowClass = "InstallRecorder";
constexpr int kControls[] = {1000, 1002, 1013};
}  // namespace

LRESULT CALLBACK InstallRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND top = ::GetAncestor(window, GA_ROOT);
    auto* self = reinterpret_cast<InstallRecorder*>(::GetWindowLongPtrA(top, GWLP_USERDATA));
    int control = window == top ? 0 : ::GetDlgCtrlID(window);
    if (self && message == WM_SETTEXT)
        self->m_events.push_back({control, message, wParam, reinterpret_cast<const char*>(lParam)});
    if (self && message == PBM_SETPOS)
        self->m_events.push_back({control, message, wParam, ""});
    if (message == WM_PAINT) {
        if (self && control == 0 && g_wizardState.load() == kWizardFinished)
            self->m_events.push_back({0, message, 0, ""});
        PAINTSTRUCT paint;
        ::BeginPaint(window, &paint);
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

InstallRecorder::InstallRecorder()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &InstallRecorder::WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowExA(0, kWindowClass, "Velmora install recorder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                    0, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    for (int id : kControls)
        ::CreateWindowExA(0, kWindowClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowClass.hInstance, nullptr);
    m_dialog.m_hWnd = window;
    PumpPending();
    m_events.clear();
}

InstallRecorder::~InstallRecorder()
{
    HWND window = m_dialog.m_hWnd;
    m_dialog.m_hWnd = nullptr;
    ::DestroyWindow(window);
}

void InstallRecorder::PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool InstallRecorder::RunWorker(DWORD timeoutMs)
{
    CWinThread* thread = AfxBeginThread(&InstallThreadProc, &m_dialog, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return false;
    // The worker deletes its thread object when it ends: keep a handle of our own.
    HANDLE handle = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &handle, SYNCHRONIZE, FALSE,
                      0);
    ::ResumeThread(thread->m_hThread);
    DWORD start = ::GetTickCount();
    bool ended = false;
    while (!ended && ::GetTickCount() - start < timeoutMs) {
        DWORD wait = ::MsgWaitForMultipleObjects(1, &handle, FALSE, 100, QS_ALLINPUT);
        ended = wait == WAIT_OBJECT_0;
        PumpPending();
    }
    ::CloseHandle(handle);
    ::UpdateWindow(m_dialog.m_hWnd);
    PumpPending();
    return ended;
}

std::vector<int> InstallRecorder::Positions() const
{
    std::vector<int> positions;
    for (const Event& event : m_events)
        if (event.control == 1002 && event.message == PBM_SETPOS)
            positions.push_back(static_cast<int>(event.wParam));
    return positions;
}

std::vector<std::string> InstallRecorder::Texts(int control) const
{
    std::vector<std::string> texts;
    for (const Event& event : m_events)
        if (event.control == control && event.message == WM_SETTEXT)
            texts.push_back(event.text);
    return texts;
}

bool InstallRecorder::PaintedWhenFinished() const
{
    return !m_events.empty() && m_events.back().control == 0 && m_events.back().message == WM_PAINT;
}
