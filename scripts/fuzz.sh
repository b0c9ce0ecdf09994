#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang 14 into build-fuzz/ and runs each
# for the given time (default 20 s) on its seed corpus. Inputs that once
# crashed (tests/fuzz/regressions/<harness>/) are replayed first. A crash, a
# sanitizer report, a leak or a time-out fails the run; the input that did it
# is left in build-fuzz/fuzz/crash-<harness>-*.
#   bash scripts/fuzz.sh [seconds [cmake options...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
shift || true
build="$root/build-fuzz"

bash "$root/scripts/setup.sh" clang-14 libclang-rt-14-dev

# Every part is instrumented for the fuzzer; the checksum switch lets mutated
# frames through the XOR and CRC-8 tests to the code behind them.
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVZ_SANITIZE=ON -DKVZ_FUZZ_ACCEPT_ANY_CHECKSUM=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" "$@" >/dev/null

# A harness whose part is not in the tree yet has no target and is skipped.
known="$(cmake --build "$build" --target help)"
harnesses=()
for h in transport zirn xml; do
    if grep -q "kvz_fuzz_$h\b" <<<"$known"; then harnesses+=("$h"); else echo "== $h: no harness target, skipped"; fi
done
targets=()
for h in "${harnesses[@]}"; do targets+=("kvz_fuzz_$h"); done
[ ${#targets[@]} -gt 0 ] && cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
failed=()
for h in "${harnesses[@]}"; do
    fuzzer="$build/fuzz/kvz_fuzz_$h"
    work="$build/fuzz/corpus-$h"
    mkdir -p "$work"
    # in an empty folder: the ZIRN session writes its log files below Temp/
    run="$build/fuzz/run-$h"
    rm -rf "$run" && mkdir -p "$run"
    regressions=("$root/tests/fuzz/regressions/$h"/*)
    if [ -e "${regressions[0]}" ]; then
        echo "== $h: replaying ${#regressions[@]} regression inputs"
        (cd "$run" && "$fuzzer" -runs=1 "${regressions[@]}") >"$build/fuzz/regressions-$h.log" 2>&1 || {
            tail -40 "$build/fuzz/regressions-$h.log"; failed+=("$h (regression)"); continue; }
    fi
    echo "== $h: fuzzing for $seconds s"
    if ! (cd "$run" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$build/fuzz/crash-$h-" \
            "$work" "$root/tests/fuzz/corpus/$h") >"$build/fuzz/fuzz-$h.log" 2>&1; then
        tail -60 "$build/fuzz/fuzz-$h.log"
        failed+=("$h")
        continue
    fi
    grep -E "stat::number_of_executed_units|stat::new_units_added" "$build/fuzz/fuzz-$h.log" | tr '\n' ' '
    echo
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing FAILED: ${failed[*]} (inputs in $build/fuzz/crash-*)"
    exit 1
fi
echo "fuzzing: no crash in ${harnesses[*]}"
