// One velkor process for a benchmark run: a fresh working folder holding the
// plug-ins and an empty Temp/, started headless with the helper plug-in's
// settings in its environment, and stopped by its own pid.
#ifndef VELKOR_PROCESS_H
#define VELKOR_PROCESS_H

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

struct VelkorSetup {
    std::string program;               // path of velkor
    std::vector<std::string> plugins;  // plug-in files copied into the working folder
    bool rawPackets = false;           // log check box "Отображать исходные пакеты"
    bool parsePackets = false;         // log check box "Разбирать пакеты"
    bool keepFolder = false;
};

class VelkorProcess
{
public:
    ~VelkorProcess();
    bool start(const VelkorSetup& setup, uint16_t port, std::string& error);
    // Until the helper plug-in reports Start pressed, or the process has ended.
    bool waitListening(double seconds, std::string& error);
    void stop();
    pid_t pid() const { return m_pid; }
    const std::string& folder() const { return m_folder; }
    std::string statusText() const;  // what the helper plug-in wrote

    static uint16_t freePort();

private:
    bool prepareFolder(const VelkorSetup& setup, std::string& error);

    pid_t m_pid = -1;
    std::string m_folder;
    bool m_keep = false;
};

#endif // VELKOR_PROCESS_H
