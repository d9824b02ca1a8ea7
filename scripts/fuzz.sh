#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# into build-fuzz/ and fuzzes every target in turn, one job at a time, for the given number of
# seconds each (60 by default); names after the seconds pick targets.
#   Usage: scripts/fuzz.sh [seconds] [tok dim ugib prsline projekat katalog kodna_strana]
# Each target starts from its growing corpus build-fuzz/fuzz/rad/<target> (kept between runs),
# its initial corpus and its regression inputs (fuzz/regresija/<target>). An input that breaks
# a target lands in build-fuzz/fuzz/nalazi/<target>/ (crash-*, timeout-*, oom-*, leak-*); the
# whole log in build-fuzz/fuzz/log/<target>.txt. The exit status is 1 when any target broke.
set -euo pipefail
cd "$(dirname "$0")/.."
sekundi="${1:-60}"
shift || true
ciljevi=("$@")
if [ ${#ciljevi[@]} -eq 0 ]; then
    ciljevi=(tok dim ugib prsline projekat katalog kodna_strana)
fi

bash scripts/setup.sh
CXX=clang++-14 bash scripts/build.sh build-fuzz -DNMK_FUZZ=ON

fuzz="$(pwd)/build-fuzz/fuzz"
mkdir -p "$fuzz/log"
palo=()
for c in "${ciljevi[@]}"; do
    mkdir -p "$fuzz/rad/$c" "$fuzz/nalazi/$c"
    opcije=(-max_total_time="$sekundi" -print_final_stats=1 -timeout=60 -rss_limit_mb=2048
            -artifact_prefix="$fuzz/nalazi/$c/")
    # The batch targets calculate every section they read: small inputs keep a run short.
    case "$c" in
        dim | ugib | prsline) opcije+=(-max_len=1024) ;;
    esac
    echo "== $c: $sekundi s"
    if ! "build-fuzz/bin/fuzz_$c" "${opcije[@]}" "$fuzz/rad/$c" "$fuzz/korpus/$c" \
            "fuzz/regresija/$c" >"$fuzz/log/$c.txt" 2>&1; then
        palo+=("$c")
        grep -E "^(==[0-9]+==ERROR|SUMMARY|nosivometrik fuzz|artifact_prefix|Test unit written)" \
            "$fuzz/log/$c.txt" || tail -n 20 "$fuzz/log/$c.txt"
    fi
    grep -E "DONE|^stat::(number_of_executed_units|average_exec_per_sec|slowest_unit_time_sec|peak_rss_mb)" \
        "$fuzz/log/$c.txt" || true
done
if [ ${#palo[@]} -gt 0 ]; then
    echo "Broke: ${palo[*]} (inputs in $fuzz/nalazi/)"
    exit 1
fi
echo "Every target ran clean."
