// The test record format that the benchmark helper plug-in announces and the
// load generator's KVZB terminals send in "*>T" packets: the first byte is
// the format number, the 4-byte record number follows it.
#ifndef BENCH_FORMAT_H
#define BENCH_FORMAT_H

namespace BenchFormat {
constexpr int kNumber = 0x42;
constexpr int kRecordSize = 32;
constexpr int kNumberOffset = 1;
constexpr const char* kName = "BENCH";
} // namespace BenchFormat

// Environment read by the helper plug-in inside velkor.
namespace BenchEnv {
constexpr const char* kPort = "KVZ_BENCH_PORT";           // port to listen on
constexpr const char* kRawLog = "KVZ_BENCH_RAW_PACKETS";  // "1"/"0": "Отображать исходные пакеты"
constexpr const char* kParseLog = "KVZ_BENCH_PARSE";      // "1"/"0": "Разбирать пакеты"
constexpr const char* kStatus = "KVZ_BENCH_STATUS";       // file the helper writes its status to
} // namespace BenchEnv

#endif // BENCH_FORMAT_H
