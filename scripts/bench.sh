#!/usr/bin/env bash
# Load benchmark: builds, then plays 1, 100 and 1,000 terminals against a real
# velkor (headless, in a temporary folder) with both log pane check boxes off
# and on, a saturation run, and two runs of 100 s with the default settings;
# prints the figures of every run.
#   bash scripts/bench.sh            the standard set
#   bash scripts/bench.sh --long     and a long run of 1,000,000 records (RSS growth)
#   bash scripts/bench.sh --quick    1 and 100 terminals only
# The figures of the last run are kept in build/bench-last.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
long=0
quick=0
for arg in "$@"; do
    case "$arg" in
        --long) long=1 ;;
        --quick) quick=1 ;;
        *) echo "usage: $0 [--long] [--quick]" >&2; exit 2 ;;
    esac
done

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" >/dev/null
load="$root/build/tests-bin/kvz_bench_load"
out="$root/build/bench-last.txt"
: >"$out"
failed=0

run() {
    echo | tee -a "$out"
    # a non-zero exit of the load generator means records were lost or velkor ended
    "$load" "$@" 2>&1 | tee -a "$out" || failed=1
}

echo "velkor load benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores" | tee -a "$out"
for boxes in off on; do
    run --label "1 terminal"    --terminals 1   --rate 10 --seconds 10 --log-boxes "$boxes"
    run --label "100 terminals" --terminals 100 --rate 10 --seconds 10 --log-boxes "$boxes"
done
if [ "$quick" -eq 0 ]; then
    for boxes in off on; do
        run --label "1000 terminals, 10 records/s each" --terminals 1000 --rate 10 --seconds 10 --log-boxes "$boxes"
    done
    for boxes in off on; do
        run --label "saturation, 1000 terminals" --terminals 1000 --rate 2 --seconds 10 --saturate --log-boxes "$boxes"
    done
    # the default settings (both boxes on), held for 100 s
    for rate in 6 10; do
        run --label "sustained, 1000 terminals, $rate records/s each" --terminals 1000 --rate "$rate" --seconds 100 --log-boxes on
    done
fi
if [ "$long" -eq 1 ]; then
    run --label "long run" --terminals 1000 --rate 10 --records 1000000 --seconds 900 --log-boxes off
fi
echo
echo "figures kept in $out"
exit "$failed"
