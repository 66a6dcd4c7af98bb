// The plain copier the setup's copy throughput is compared with: one
// CopyFileA per line of a list of "source|target" pairs, as the setup does.
// Prints the bytes copied and the time the copies took.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Stopwatch.h"

namespace {
unsigned long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: reference_copier LIST\n");
        return 2;
    }
    std::ifstream list(argv[1]);
    unsigned long long bytes = 0;
    int failures = 0;
    Stopwatch clock;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto bar = line.find('|');
        if (bar == std::string::npos)
            continue;
        std::string source = line.substr(0, bar), target = line.substr(bar + 1);
        if (::CopyFileA(source.c_str(), target.c_str(), FALSE))
            bytes += FileSize(target);
        else
            ++failures;
    }
    double elapsed = clock.ElapsedMs();
    std::printf("copy_ms=%.1f\nbytes=%llu\nfailures=%d\n", elapsed, bytes, failures);
    return failures ? 1 : 0;
}
