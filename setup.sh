#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets Vocabrix up on a Debian 12 machine: installs the missing packages, configures and builds.
# Safe to run again at any time; it only does what is still missing.
#
#   bash setup.sh          install and build
#   bash setup.sh run      ... then start Vocabrix beside the sample dictionaries
#   bash setup.sh test     ... then run every test: the normal build, the same tests under
#                          AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzz run,
#                          and the Debian package's check
#   bash setup.sh package  ... then build the Debian package build/vocabrix_<version>_<arch>.deb
#   bash setup.sh bench    ... then run the scanner benchmark on the German-English dictionary
#   bash setup.sh fuzz [s] [target]
#                          ... then fuzz for s seconds each target (default an hour), or one target
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$top/build"
action=${1:-build}

# What each action needs, on top of what building needs.
build_packages=(cmake g++ make pkg-config qt6-base-dev libgtest-dev zlib1g-dev fonts-dejavu-core)
sample_packages=(dict-freedict-ita-eng dict-freedict-eng-ita)
package_packages=("${sample_packages[@]}" dpkg-dev file)
fuzz_packages=(clang libclang-rt-14-dev)
extra=()
samples=() # the sample dictionaries are made in the build when their packages are sure to be there
case "$action" in
build) ;;
run) extra=("${sample_packages[@]}") samples=(-DVOCABRIX_SAMPLES=ON) ;;
test)
    extra=("${package_packages[@]}" "${fuzz_packages[@]}"
        python3-pyglossary desktop-file-utils appstream ccache) # ccache: tools/check_wiring.sh
    samples=(-DVOCABRIX_SAMPLES=ON)
    ;;
package) extra=("${package_packages[@]}") samples=(-DVOCABRIX_SAMPLES=ON) ;;
bench) extra=(dict-freedict-deu-eng) ;;
fuzz) extra=("${fuzz_packages[@]}") ;;
*)
    echo "usage: bash setup.sh [build|run|test|package|bench|fuzz [seconds] [target]]" >&2
    exit 2
    ;;
esac
packages=("${build_packages[@]}" "${extra[@]}")

install_missing_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
            echo "setup.sh: Debian packages are missing, and installing them needs root" \
                "(sudo cannot run here without a password). As root, run:" >&2
            echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
            echo "then run setup.sh again." >&2
            exit 1
        fi
        apt=(sudo -n "${apt[@]}")
    fi
    echo "Installing: ${missing[*]}"
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

werror=OFF
[ "${CI:-}" = true ] && werror=ON

# Every stage adds the tests it ran to these counts and carries on after a failure.
passed=0
failed=0

# Runs one tree's tests, with any further ctest arguments. Tests that ctest reports as not run
# are left out of the counts.
run_ctest() {
    local dir=$1 log status=0
    shift
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" "$@" 2>&1 | tee "$log" || status=$?
    local total failures skipped
    total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n 1)
    failures=$(sed -n 's/.* tests passed, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
    skipped=$(sed -n '/^The following tests did not run:/,/^$/p' "$log" | grep -c '^[[:space:]]*[0-9]* - ' || true)
    if [ -z "$total" ]; then
        echo "ctest in $dir ran no test" >&2
        failed=$((failed + 1))
    else
        passed=$((passed + total - failures - skipped))
        failed=$((failed + failures))
        [ "$status" -ne 0 ] && [ "$failures" -eq 0 ] && failed=$((failed + 1))
    fi
    rm -f "$log"
    return 0
}

# The random sessions' seed, which ctest does not show for a passing test; with
# VOCABRIX_SESSION_SEED it replays the session.
show_session_seed() {
    local seed
    seed=$(grep -ho 'seed [0-9]*, [0-9]* actions' "$1/Testing/Temporary/LastTest.log" 2>/dev/null |
        head -n 1 || true)
    [ -n "$seed" ] && echo "random_sessions_test in $1: $seed"
    return 0
}

# A stage that is one test of its own: counts it and carries on.
run_stage() {
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $*" >&2
        failed=$((failed + 1))
    fi
}

configure_and_build() {
    cmake -S "$top" -B "$build" -DVOCABRIX_WERROR=$werror "${samples[@]}" >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks checked;
# the slow ones (100 MB lines) run in the normal build only. A failed test gets one more run: on a
# loaded machine Qt's own thread bookkeeping has once been reported as a 152-byte leak at exit,
# with no frame of the program's; a real fault fails both runs.
sanitizer_tests() {
    local dir="$top/build-asan"
    cmake -S "$top" -B "$dir" -DVOCABRIX_WERROR=$werror -DVOCABRIX_SANITIZE=ON "${samples[@]}" >/dev/null
    if ! cmake --build "$dir" -j"$(nproc)"; then
        echo "FAILED: the sanitizer build" >&2
        failed=$((failed + 1))
        return 0
    fi
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$top/cmake/lsan.supp":print_suppressions=0 \
        run_ctest "$dir" -LE slow --repeat until-pass:2
}

# The fuzz targets: name, seed corpus, seconds in the test command. Each runs from a copy of its
# corpus for a bounded time; any finding fails.
fuzz_targets=(
    "lexscan_fuzz scanner/fuzz/corpus 30"
    "exchange_read_fuzz frontend/search/fuzz/exchange_corpus 30"
    "encoding_guess_fuzz frontend/search/fuzz/encoding_corpus 30"
    "dictd_fuzz tools/dictconv/fuzz/corpus/dictd 30"
    "stardict_fuzz tools/dictconv/fuzz/corpus/stardict 30"
    "dsl_fuzz tools/dictconv/fuzz/corpus/dsl 15"
    "mdict_fuzz tools/dictconv/fuzz/corpus/mdict 15"
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
    CC=clang CXX=clang++ cmake -S "$top" -B "$dir" -DVOCABRIX_FUZZ=ON >/dev/null || return
    cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}" || return
    for entry in "${chosen[@]}"; do
        read -r name corpus seconds <<<"$entry"
        fuzz_one "$dir" "$name" "$corpus" "${FUZZ_SECONDS:-$seconds}" || return
    done
}

# Builds the Debian package in build/ and prints its name.
build_package() {
    rm -f "$build"/vocabrix_*.deb
    (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || {
        cat "$build/cpack.log" >&2
        return 1
    }
    local deb
    deb=$(ls "$build"/vocabrix_*.deb)
    echo "Built $deb"
}

# The package names its dependencies and holds the program, its library, the menu entry, the
# icon and the sample dictionaries.
check_package() {
    build_package || return 1
    local deb info contents ok=0 path
    deb=$(ls "$build"/vocabrix_*.deb)
    info=$(dpkg-deb --info "$deb") || return 1
    contents=$(dpkg-deb --contents "$deb") || return 1
    for field in Package Version Architecture Maintainer Depends Section Description; do
        grep -q "^ $field: ." <<<"$info" || { echo "the package has no $field field" >&2; ok=1; }
    done
    grep -q '^ Depends:.*libqt6widgets6' <<<"$info" || { echo "Depends lacks Qt" >&2; ok=1; }
    for path in ./usr/bin/vocabrix ./usr/bin/dictconv '/vocabrix/liblexscan.so' \
        ./usr/share/applications/vocabrix.desktop \
        ./usr/share/icons/hicolor/scalable/apps/vocabrix.svg \
        ./usr/share/vocabrix/dictionaries/italiano_inglese.txt \
        ./usr/share/vocabrix/dictionaries/inglese_italiano.txt \
        ./usr/share/doc/vocabrix/copyright; do
        grep -q -- "$path\$" <<<"$contents" || { echo "the package lacks $path" >&2; ok=1; }
    done
    [ "$ok" -eq 0 ] && echo "$deb: fields and contents in order"
    return "$ok"
}

install_missing_packages
configure_and_build

case "$action" in
build) ;;
test)
    run_ctest "$build"
    show_session_seed "$build"
    sanitizer_tests
    show_session_seed "$top/build-asan"
    run_stage fuzz_smoke
    run_stage check_package
    echo "tests: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    ;;
package)
    build_package
    ;;
fuzz)
    FUZZ_SECONDS=${2:-3600} FUZZ_ONLY=${3:-} fuzz_smoke
    ;;
run)
    cd "$build/packaging/dictionaries"
    exec "$build/bin/vocabrix"
    ;;
bench)
    "$build/bin/lexscan_bench" --dictionary-dir "$top/bench/data"
    ;;
esac
