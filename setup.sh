#!/usr/bin/env bash
# Sets Vocabrix up on a Debian 12 machine: installs the missing packages, configures and builds.
# Safe to run again at any time; it only does what is still missing.
#
#   bash setup.sh          install and build
#   bash setup.sh run      ... then make the sample dictionaries and start Vocabrix beside them
#   bash setup.sh test     ... then run every test
#   bash setup.sh bench    ... then run the scanner benchmark on the German-English dictionary
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$top/build"
action=${1:-build}

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgtest-dev zlib1g-dev
    dict-freedict-ita-eng dict-freedict-eng-ita dict-freedict-deu-eng
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

configure_and_build() {
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    cmake -S "$top" -B "$build" -DVOCABRIX_WERROR=$werror >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

install_missing_packages
configure_and_build

case "$action" in
build) ;;
test)
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
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
    echo "usage: bash setup.sh [build|run|test|bench]" >&2
    exit 2
    ;;
esac
