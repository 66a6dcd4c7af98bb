#pragma once
#include <windows.h>

// Elapsed wall-clock time from the performance counter.
class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart() { ::QueryPerformanceCounter(&m_start); }
    double ElapsedMs() const
    {
        LARGE_INTEGER now{}, frequency{};
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start{};
};
