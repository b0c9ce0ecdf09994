#include "velkor_process.h"

#include "bench_format.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

VelkorProcess::~VelkorProcess()
{
    stop();
}

uint16_t VelkorProcess::freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof(a);
    uint16_t port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

bool VelkorProcess::prepareFolder(const VelkorSetup& setup, std::string& error)
{
    char templ[] = "/tmp/kvz-bench-XXXXXX";
    if (!mkdtemp(templ)) {
        error = std::string("cannot make a working folder: ") + std::strerror(errno);
        return false;
    }
    m_folder = templ;
    std::error_code ec;
    fs::create_directories(fs::path(m_folder) / "Temp", ec);
    fs::create_directories(fs::path(m_folder) / "home" / "config", ec);
    for (const std::string& plugin : setup.plugins) {
        fs::copy_file(plugin, fs::path(m_folder) / fs::path(plugin).filename(),
                      fs::copy_options::overwrite_existing, ec);
        if (ec) {
            error = "cannot copy " + plugin + ": " + ec.message();
            return false;
        }
    }
    return true;
}

bool VelkorProcess::start(const VelkorSetup& setup, uint16_t port, std::string& error)
{
    m_keep = setup.keepFolder;
    if (!prepareFolder(setup, error))
        return false;
    const std::string program = fs::absolute(setup.program).string();
    const std::string out = m_folder + "/velkor.out";
    const std::string home = m_folder + "/home";
    const std::string status = m_folder + "/bench-status.txt";

    m_pid = fork();
    if (m_pid < 0) {
        error = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    if (m_pid == 0) {
        if (chdir(m_folder.c_str()) != 0)
            _exit(126);
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
            close(fd);
        }
        const int nul = open("/dev/null", O_RDONLY);
        if (nul >= 0) {
            dup2(nul, 0);
            close(nul);
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv(BenchEnv::kPort, std::to_string(port).c_str(), 1);
        setenv(BenchEnv::kRawLog, setup.rawPackets ? "1" : "0", 1);
        setenv(BenchEnv::kParseLog, setup.parsePackets ? "1" : "0", 1);
        setenv(BenchEnv::kStatus, status.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

bool VelkorProcess::waitListening(double seconds, std::string& error)
{
    const auto deadline = std::chrono::steady_clock::now()
        + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    while (std::chrono::steady_clock::now() < deadline) {
        int wstatus = 0;
        if (waitpid(m_pid, &wstatus, WNOHANG) == m_pid) {
            m_pid = -1;
            error = "velkor ended before it listened (see " + m_folder + "/velkor.out)";
            return false;
        }
        const std::string s = statusText();
        if (s.rfind("started ", 0) == 0)
            return true;
        if (s.rfind("error ", 0) == 0) {
            error = "helper plug-in: " + s;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error = "velkor did not start listening in time";
    return false;
}

std::string VelkorProcess::statusText() const
{
    std::ifstream in(m_folder + "/bench-status.txt");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void VelkorProcess::stop()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int wstatus = 0;
        for (int i = 0; i < 100; ++i) {
            if (waitpid(m_pid, &wstatus, WNOHANG) == m_pid) {
                m_pid = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &wstatus, 0);
            m_pid = -1;
        }
    }
    if (!m_folder.empty() && !m_keep) {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
        m_folder.clear();
    }
}
