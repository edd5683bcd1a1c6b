#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and
# runs the whole test suite under them, headless. Every library is built instrumented, the module
# the host loads by path and the sibling modules with it. Exits non-zero on any report.
#   scripts/sanitize.sh [--build-only] [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-asan"
jobs=${SANITIZE_JOBS:-2}
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

build_only=0
if [[ ${1:-} == --build-only ]]; then
    build_only=1
    shift
fi

if [[ ! -f "$build/CMakeCache.txt" ]]; then
    # Unoptimised with line tables keeps the build short and the reports readable; asserts stay on.
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DTARVAND_BUILD_BENCH=OFF
fi
nice -n 5 cmake --build "$build" -j "$jobs"
((build_only)) && exit 0

export QT_QPA_PLATFORM=offscreen
# Address and leak reports go to files of their own, so that one from a process a test starts (the
# host, the admin tool) fails the run even where the test does not look at that process's output.
# Undefined-behaviour reports go to the standard error and end the process with a failure.
reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
cd "$build"
status=0
ctest --output-on-failure -j "$jobs" "$@" || status=$?
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "=== $report"
        cat "$report"
    done
    echo "sanitizer reports: $(ls "$reports" | wc -l) (in $reports)" >&2
    status=1
fi
exit "$status"
