#include "Thread.h"

#include <process.h>

#include "Exceptions.h"

namespace {
thread_local CWinThread* t_currentThread = nullptr;
}

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Start(void* parameter)
{
    auto* thread = static_cast<CWinThread*>(parameter);
    t_currentThread = thread;
    UINT exitCode = 0;
    try {
        exitCode = thread->m_proc(thread->m_parameter);
    } catch (...) {
        AfxAbortOnUnhandledException();
    }
    AfxEndThread(exitCode);
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority, UINT stackSize,
                           DWORD createFlags, LPSECURITY_ATTRIBUTES security)
{
    auto* thread = new CWinThread(proc, parameter);
    unsigned id = 0;
    uintptr_t handle = _beginthreadex(security, stackSize, &CWinThread::Start, thread, CREATE_SUSPENDED, &id);
    if (!handle) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->m_nThreadID = id;
    ::SetThreadPriority(thread->m_hThread, priority);
    if (!(createFlags & CREATE_SUSPENDED))
        ::ResumeThread(thread->m_hThread);
    return thread;
}

void AfxEndThread(UINT exitCode, BOOL deleteThread)
{
    if (deleteThread)
        delete t_currentThread;
    t_currentThread = nullptr;
    _endthreadex(exitCode);
}
