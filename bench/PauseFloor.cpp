// The floor the setup's pacing sets, as this Wine and machine keep it: the
// 26 pauses of 100 ms that a demo installation makes, and nothing else.
#include <windows.h>

#include <cstdio>

#include "Stopwatch.h"

int main()
{
    constexpr int kPauses = 26;
    Stopwatch clock;
    for (int i = 0; i < kPauses; ++i)
        ::Sleep(100);
    std::printf("floor_ms=%.1f\n", clock.ElapsedMs());
    return 0;
}
