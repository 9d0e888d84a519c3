#!/usr/bin/env bash
# Builds Quirewell and runs every test: the core and window tests in a normal
# build, then all of them again under AddressSanitizer and UBSan.
#   scripts/test.sh            both builds
#   scripts/test.sh --quick    the normal build only
# QW_WERROR=ON turns compiler warnings into errors in both builds (CI does).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
jobs="$(nproc)"
werror="-DQW_WERROR=${QW_WERROR:-OFF}"

echo "== Normal build"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$werror" \
    >/dev/null
cmake --build "$root/build" -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

if [[ "${1:-}" != "--quick" ]]; then
    echo "== Sanitizer build (ASan + UBSan), core and window tests"
    cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQW_SANITIZE=ON \
        -DQW_BUILD_UI=ON -DQW_BUILD_BENCH=OFF "$werror" >/dev/null
    cmake --build "$root/build-asan" -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" -LE ui
    # The toolkit keeps some of its own allocations until the process ends,
    # so the window tests run without leak detection.
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build-asan" --output-on-failure \
        -j "$jobs" -L ui
fi
