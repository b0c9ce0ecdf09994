// kvz_bench_load: plays N terminals against a real velkor, from a few
// threads, and prints the figures of the run. See the README ("Performance")
// and scripts/bench.sh.
#include "bench_run.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {
void usage()
{
    std::printf(
        "usage: kvz_bench_load [options]\n"
        "  --terminals N      terminals to connect (100)\n"
        "  --rate R           records per second per terminal, 0 = each right after its answer (10)\n"
        "  --seconds S        length of the measured load; the longest a long run may take (10)\n"
        "  --kvzb-share F     share of terminals that send \"*>T\" instead of \"~T\" (0.1)\n"
        "  --log-boxes on|off both log pane check boxes (off)\n"
        "  --threads N        threads of the load generator, each with its share of the terminals (4)\n"
        "  --saturate         raise the rate until answers fall behind, then measure at half of it\n"
        "  --records N        long run: stop after N answered records, report RSS growth\n"
        "  --churn R          R rounds: the terminals connect, send 3 records each, drop (half RST)\n"
        "  --velkor PATH      velkor program (%s/velkor)\n"
        "  --plugins DIR      folder whose *.so are copied next to velkor (%s)\n"
        "  --helper PATH      benchmark helper plug-in (%s/kvz_bench_helper.so)\n"
        "  --label TEXT       title of the run\n"
        "  --keep             keep velkor's working folder\n"
        "  --port P           play against a server already listening on P (no velkor started;\n"
        "                     kvz_bench_answerer answers in its stead, to measure the generator alone)\n",
        KVZ_BIN_DIR, KVZ_BIN_DIR, KVZ_TEST_PLUGIN_DIR);
}

void raiseFileLimit()
{
    rlimit r{};
    if (getrlimit(RLIMIT_NOFILE, &r) == 0 && r.rlim_cur < r.rlim_max) {
        r.rlim_cur = r.rlim_max;
        setrlimit(RLIMIT_NOFILE, &r);  // velkor inherits it
    }
}
} // namespace

int main(int argc, char** argv)
{
    BenchOptions o;
    std::string pluginDir = KVZ_BIN_DIR;
    std::string helper = std::string(KVZ_TEST_PLUGIN_DIR) + "/kvz_bench_helper.so";
    o.velkor.program = std::string(KVZ_BIN_DIR) + "/velkor";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        auto takes = [&]() {
            if (!v) {
                std::fprintf(stderr, "%s needs a value\n", a.c_str());
                std::exit(2);
            }
            ++i;
            return std::string(v);
        };
        if (a == "--terminals") o.terminals = std::atoi(takes().c_str());
        else if (a == "--rate") o.rate = std::atof(takes().c_str());
        else if (a == "--seconds") o.seconds = std::atof(takes().c_str());
        else if (a == "--kvzb-share") o.kvzbShare = std::atof(takes().c_str());
        else if (a == "--threads") o.threads = std::atoi(takes().c_str());
        else if (a == "--log-boxes") o.velkor.rawPackets = o.velkor.parsePackets = takes() == "on";
        else if (a == "--saturate") o.saturate = true;
        else if (a == "--records") o.records = std::strtoull(takes().c_str(), nullptr, 10);
        else if (a == "--churn") o.churnRounds = std::atoi(takes().c_str());
        else if (a == "--velkor") o.velkor.program = takes();
        else if (a == "--plugins") pluginDir = takes();
        else if (a == "--helper") helper = takes();
        else if (a == "--label") o.label = takes();
        else if (a == "--keep") o.velkor.keepFolder = true;
        else if (a == "--port") o.externalPort = static_cast<uint16_t>(std::atoi(takes().c_str()));
        else {
            usage();
            return a == "--help" ? 0 : 2;
        }
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(pluginDir, ec))
        if (entry.path().extension() == ".so")
            o.velkor.plugins.push_back(entry.path().string());
    o.velkor.plugins.push_back(helper);
    raiseFileLimit();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return BenchRun(o).exec();
}
