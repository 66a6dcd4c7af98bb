#pragma once
#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID parameter);

// A worker thread started by AfxBeginThread.
class CWinThread {
public:
    CWinThread(AFX_THREADPROC proc, LPVOID parameter) : m_proc(proc), m_parameter(parameter) {}
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    ~CWinThread();

    HANDLE m_hThread = nullptr;
    UINT m_nThreadID = 0;

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
    static unsigned __stdcall Start(void* thread);
    AFX_THREADPROC m_proc;
    LPVOID m_parameter;
};

// Starts proc(parameter) on a new thread; null when the thread cannot start.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0,
                           LPSECURITY_ATTRIBUTES security = nullptr);

// Ends the calling framework thread with exitCode, deleting its thread
// object when asked.
[[noreturn]] void AfxEndThread(UINT exitCode, BOOL deleteThread = TRUE);
