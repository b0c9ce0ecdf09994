// kvz_bench_answerer: answers the benchmark's terminals in velkor's stead,
// so that kvz_bench_load --port P measures the load generator alone: how
// many records per second it offers and checks, and at what CPU cost.
//   kvz_bench_answerer [--port P] [--threads N]
// It prints the port it listens on and runs until SIGINT or SIGTERM.
#include "answer_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pthread.h>

int main(int argc, char** argv)
{
    uint16_t port = 0;
    int threads = 4;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--port") && i + 1 < argc) {
            port = static_cast<uint16_t>(std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--threads") && i + 1 < argc) {
            threads = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: kvz_bench_answerer [--port P] [--threads N]\n");
            return 2;
        }
    }
    // The server's threads inherit the mask: only this thread takes the signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    AnswerServer server(threads);
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on port %u\n", port);
        return 1;
    }
    std::printf("answering on port %u with %d threads\n", server.port(), threads);
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
    std::printf("%llu records answered, %llu connections, %llu units rejected\n",
                static_cast<unsigned long long>(server.records()),
                static_cast<unsigned long long>(server.connections()),
                static_cast<unsigned long long>(server.rejected()));
    return 0;
}
