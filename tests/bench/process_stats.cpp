#include "process_stats.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

ProcessSample ProcessStats::read(pid_t pid)
{
    ProcessSample s;
    const std::string base = "/proc/" + std::to_string(pid);

    std::ifstream stat(base + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return s;
    // The command name may hold blanks: the fields we need follow the last ')'.
    const size_t close = line.rfind(')');
    if (close == std::string::npos)
        return s;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stoull(field);
        if (i == 15) { stime = std::stoull(field); break; }
    }
    s.cpuSeconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));

    std::ifstream status(base + "/status");
    while (std::getline(status, line)) {
        long value = 0;
        if (std::sscanf(line.c_str(), "VmRSS: %ld", &value) == 1) s.rssKb = value;
        else if (std::sscanf(line.c_str(), "VmHWM: %ld", &value) == 1) s.peakRssKb = value;
        else if (std::sscanf(line.c_str(), "Threads: %ld", &value) == 1) s.threads = static_cast<int>(value);
    }
    s.ok = true;
    return s;
}
