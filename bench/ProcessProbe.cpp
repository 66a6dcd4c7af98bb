#include "ProcessProbe.h"

#include <psapi.h>
#include <tlhelp32.h>

namespace {
double Milliseconds(const FILETIME& time)
{
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;
}
}  // namespace

ProcessProbe::ProcessProbe(DWORD processId)
    : m_processId(processId),
      m_process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId))
{
}

ProcessProbe::~ProcessProbe()
{
    if (m_process)
        ::CloseHandle(m_process);
}

void ProcessProbe::SampleThreads()
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != m_processId)
            continue;
        HANDLE thread = ::OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread)
            continue;
        FILETIME created{}, exited{}, kernel{}, user{};
        if (::GetThreadTimes(thread, &created, &exited, &kernel, &user))
            m_threadCpuMs[entry.th32ThreadID] = Milliseconds(kernel) + Milliseconds(user);
        ::CloseHandle(thread);
    }
    ::CloseHandle(snapshot);
}

SIZE_T ProcessProbe::PeakWorkingSet() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!m_process || !::GetProcessMemoryInfo(m_process, &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize;
}
