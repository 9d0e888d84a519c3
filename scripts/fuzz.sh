#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/fuzz_*.cpp) with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz, and runs each for a bounded
# time on a copy of its seed corpus (fuzz/corpus/<name without fuzz_>/).
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Exits non-zero when a target crashes, leaks, times out or fails to build;
# the inputs that did it are kept in build-fuzz/findings/.
set -uo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: $0 [SECONDS_PER_TARGET]" >&2
    exit 2
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
jobs="${FUZZ_BUILD_JOBS:-2}"

targets=()
for source in "$root"/fuzz/fuzz_*.cpp; do
    [ -e "$source" ] || continue
    targets+=("$(basename "$source" .cpp)")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $root/fuzz" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DQW_FUZZ=ON -DQW_BUILD_UI=OFF -DQW_BUILD_BENCH=OFF \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
ninja -C "$build" -j "$jobs" "${targets[@]}" || exit 1

work="$build/fuzz-run"
findings="$build/findings"
rm -rf "$work"
mkdir -p "$work" "$findings"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    corpus="$work/corpus-$name"
    mkdir -p "$corpus"
    if [ -d "$root/fuzz/corpus/$name" ]; then
        cp -r "$root/fuzz/corpus/$name/." "$corpus/"
    fi
    echo "=== $target: ${seconds}s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 "$corpus" \
        >"$work/$target.log" 2>&1; then
        echo "!!! $target failed; log: $work/$target.log" >&2
        tail -n 40 "$work/$target.log" >&2
        failed+=("$target")
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
echo "all ${#targets[@]} fuzz targets ran ${seconds}s without a finding"
