#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs them.
# Usage: scripts/fuzz.sh [target|all] [runs]   (runs defaults to 1000000)
# Each run starts from the target's seed corpus and saved regressions, grows a working corpus in
# build-fuzz/corpus/<target>, and leaves any crashing input in build-fuzz/findings/<target>; copy
# such an input to fuzz/regressions/<target>/ once fixed, so that CTest replays it from then on.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-fuzz"
which=${1:-all}
runs=${2:-1000000}
all=(tsql_compile tsql_run mask_date message_kind code_page dbf_export filter_statement)

if ! command -v clang++-14 >/dev/null || [ ! -d /usr/lib/llvm-14/lib/clang ] ||
   ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang-14 libclang-rt-14-dev
fi

if [ "$which" = all ]; then targets=("${all[@]}"); else targets=("$which"); fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DTARVAND_FUZZ=ON >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

# The export target writes and reads back a file for every input: on a disk the file system's own
# work took a rate of 60 a second, in memory four times that.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    findings="$build/findings/$t"
    mkdir -p "$corpus" "$findings"
    seeds=("$here/fuzz/corpus/$t")
    # Both T-SQL targets share one corpus, and take the batches of db/ that configuring wrote out.
    [[ $t == tsql_* ]] && seeds=("$here/fuzz/corpus/tsql" "$build/fuzz/seeds/tsql")
    [ -d "$here/fuzz/regressions/$t" ] && seeds+=("$here/fuzz/regressions/$t")
    options=()
    case $t in tsql_*|filter_*) options=(-dict="$here/fuzz/tsql.dict") ;; esac
    # The company keeps its caches of statements between inputs, so nearly every input ends with
    # more blocks than it began with, and a leak search after each (a scan of the whole heap) cuts
    # the rate more than tenfold; leaks are searched for once, when the run ends.
    [ "$t" = tsql_run ] && options+=(-detect_leaks=0)
    log="$build/$t.log"
    start=$(date +%s)
    # Text inputs: statements and rows of a few kilobytes are all the module ever sends.
    set +e
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/bin/fuzz_$t" -runs="$runs" -max_len=4096 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        "${options[@]}" -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$log" 2>&1
    rc=$?
    set -e
    took=$(( $(date +%s) - start ))
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    found=$(find "$findings" -type f | wc -l)
    echo "$t: $execs executions in ${took}s, exit $rc, $found findings (log $log)"
    [ "$rc" -eq 0 ] && [ "$found" -eq 0 ] || status=1
done
exit $status
