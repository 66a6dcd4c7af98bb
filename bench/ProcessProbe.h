#pragma once
#include <windows.h>

#include <map>
#include <string>

// Watches another process from outside: CPU time of each of its threads
// and its peak working set. Threads that end
// keep the last CPU time seen for them, so sample often enough.
class ProcessProbe {
public:
    explicit ProcessProbe(DWORD processId);
    ~ProcessProbe();
    ProcessProbe(const ProcessProbe&) = delete;
    ProcessProbe& operator=(const ProcessProbe&) = delete;

    bool IsOpen() const { return m_process != nullptr; }
    // Reads the CPU time of every thread the process has now.
    void SampleThreads();
    // Peak working set in bytes (0 when it cannot be read).
    SIZE_T PeakWorkingSet() const;
    // Last CPU time seen per thread id.
    const std::map<DWORD, double>& ThreadCpuMs() const { return m_threadCpuMs; }

private:
    DWORD m_processId;
    HANDLE m_process = nullptr;
    std::map<DWORD, double> m_threadCpuMs;
};
