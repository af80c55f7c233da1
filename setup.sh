#!/usr/bin/env bash
# Sets Vocabrix up on a Debian 12 machine: installs the missing packages, configures and builds.
# Safe to run again at any time; it only does what is still missing.
#
#   bash setup.sh          install and build
#   bash setup.sh run      ... then make the sample dictionaries and start Vocabrix beside them
#   bash setup.sh test     ... then run every test: the normal build, the same tests under
#                          AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzz run
#   bash setup.sh bench    ... then run the scanner benchmark on the German-English dictionary
#   bash setup.sh fuzz [s] [target]
#                          ... then fuzz for s seconds each target (default an hour), or one target
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$top/build"
action=${1:-build}

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgtest-dev zlib1g-dev fonts-dejavu-core
    dict-freedict-ita-eng dict-freedict-eng-ita dict-freedict-deu-eng
    clang libclang-rt-14-dev
)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

werror=OFF
[ "${CI:-}" = true ] && werror=ON

# Runs one tree's tests and adds their number to the total.
passed=0
run_ctest() {
    local log
    log=$(mktemp)
    ctest --test-dir "$1" --output-on-failure -j"$(nproc)" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    passed=$((passed + $(sed -n 's/.* tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n 1)))
    rm -f "$log"
    return "$status"
}

configure_and_build() {
    cmake -S "$top" -B "$build" -DVOCABRIX_WERROR=$werror >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks checked.
sanitizer_tests() {
    local dir="$top/build-asan"
    cmake -S "$top" -B "$dir" -DVOCABRIX_WERROR=$werror -DVOCABRIX_SANITIZE=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$top/cmake/lsan.supp":print_suppressions=0 \
        run_ctest "$dir"
}

# The fuzz targets: name, seed corpus, seconds in the test command. Each runs from a copy of its
# corpus for a bounded time; any finding fails.
fuzz_targets=(
    "lexscan_fuzz scanner/fuzz/corpus 30"
    "dictd_fuzz tools/dictconv/fuzz/corpus/dictd 30"
    "stardict_fuzz tools/dictconv/fuzz/corpus/stardict 30"
)

fuzz_one() {
    local dir=$1 name=$2 corpus=$3 seconds=$4
    local work status=0
    work=$(mktemp -d)
    cp "$top/$corpus"/* "$work"/
    "$dir/bin/$name" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=4096 \
        -artifact_prefix="$dir/$name-" -print_final_stats=1 "$work" >"$dir/$name.log" 2>&1 || status=$?
    grep -E '^(#[0-9]+ +DONE|stat::|Done )' "$dir/$name.log" || true
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$dir/$name.log"
        echo "$name found a fault (exit $status); the input is in $dir/" >&2
        return "$status"
    fi
    echo "$name: no finding in ${seconds}s"
}

# FUZZ_SECONDS, when set, runs every target that long instead of its own time; FUZZ_ONLY picks one.
fuzz_smoke() {
    local dir="$top/build-fuzz" entry name corpus seconds targets=() chosen=()
    for entry in "${fuzz_targets[@]}"; do
        [ -n "${FUZZ_ONLY:-}" ] && [ "${entry%% *}" != "$FUZZ_ONLY" ] && continue
        targets+=("${entry%% *}")
        chosen+=("$entry")
    done
    if [ ${#chosen[@]} -eq 0 ]; then
        echo "no fuzz target named ${FUZZ_ONLY:-}" >&2
        return 2
    fi
    CC=clang CXX=clang++ cmake -S "$top" -B "$dir" -DVOCABRIX_FUZZ=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
    for entry in "${chosen[@]}"; do
        read -r name corpus seconds <<<"$entry"
        fuzz_one "$dir" "$name" "$corpus" "${FUZZ_SECONDS:-$seconds}" || return
    done
}

install_missing_packages
configure_and_build

case "$action" in
build) ;;
test)
    run_ctest "$build"
    sanitizer_tests
    fuzz_smoke
    echo "all tests: $((passed + 1)) passed, 0 failed"
    ;;
fuzz)
    FUZZ_SECONDS=${2:-3600} FUZZ_ONLY=${3:-} fuzz_smoke
    ;;
run)
    samples="$top/samples"
    bash "$top/tools/make_samples.sh" "$build/bin/dictconv" "$samples"
    cd "$samples"
    exec "$build/bin/vocabrix"
    ;;
bench)
    "$build/bin/lexscan_bench" --dictionary-dir "$top/bench/data"
    ;;
*)
    echo "usage: bash setup.sh [build|run|test|bench|fuzz [seconds] [target]]" >&2
    exit 2
    ;;
esac
