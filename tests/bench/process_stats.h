// CPU time, resident memory and thread count of a running process, from /proc.
#ifndef PROCESS_STATS_H
#define PROCESS_STATS_H

#include <sys/types.h>

struct ProcessSample {
    bool ok = false;
    double cpuSeconds = 0.0;  // user + system
    long rssKb = 0;           // VmRSS
    long peakRssKb = 0;       // VmHWM
    int threads = 0;
};

class ProcessStats
{
public:
    static ProcessSample read(pid_t pid);
};

#endif // PROCESS_STATS_H
