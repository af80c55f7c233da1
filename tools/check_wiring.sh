#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Deletes, one at a time, each connect(...) and installEventFilter(...) statement of the windows'
# routing, on one line or several, rebuilds the window tests in a scratch copy and runs them:
# every deletion must make at least one test fail. Prints each deletion with the result and the
# count. It needs ccache (setup.sh installs it for the test command).
#   tools/check_wiring.sh [scratch folder]
# The scratch folder (default: a sibling of the repository, so that ccache finds the same
# relative paths as in the repository's own build/) keeps its build between runs.
# TESTS: the ctest regular expression of the tests to run, TARGETS what they need built (the
# wiring test of both windows unless set).
set -euo pipefail

if ! command -v ccache >/dev/null; then
    echo "check_wiring.sh needs ccache: apt-get install ccache" >&2
    exit 2
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
scratch=${1:-$(dirname "$repo")/$(basename "$repo")-wiring}
tests=${TESTS:-'^form1_wiring_test$'}
read -r -a targets <<<"${TARGETS:-form1_wiring_test lexscan}"

export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$repo")} CCACHE_NOHASHDIR=1

# The working tree as it is, committed or not. The files this script cuts are made newer than
# the objects an earlier run built from their cut versions.
mkdir -p "$scratch"
(cd "$repo" && git ls-files -co --exclude-standard |
    while read -r f; do [ -e "$f" ] && echo "$f"; done | tar -cf - -T -) |
    tar -xf - -C "$scratch"
cd "$scratch"
files=(frontend/window/*.cpp frontend/options/*.cpp frontend/search/search_routing.cpp)
find frontend -name '*.whole' -delete
touch "${files[@]}"

# Each statement of a file as "first,last:text": from the line that calls connect( or
# installEventFilter( (not behind a comment) to the line where its parentheses close at a ";".
statements() {
    awk '
    !inside && /^[ \t]*[^\/]*(^|[^A-Za-z0-9_])(connect|installEventFilter)\(/ {
        inside = 1; start = NR; text = ""; depth = 0
    }
    inside {
        t = $0; sub(/^[ \t]+/, "", t)
        text = text (text == "" ? "" : " ") t
        depth += gsub(/\(/, "(", t) - gsub(/\)/, ")", t)
        if (depth <= 0 && $0 ~ /;[ \t]*$/) { print start "," NR ":" text; inside = 0 }
    }' "$1"
}

build_and_test() {
    cmake --build build -j2 --target "${targets[@]}" >build/wiring-build.log 2>&1 || return 2
    ctest --test-dir build -R "$tests" >build/wiring-test.log 2>&1 || return 1
    return 0
}

cmake -S . -B build -DVOCABRIX_WERROR=ON >/dev/null
if ! build_and_test; then
    echo "the tests fail with the routing whole; see $scratch/build/wiring-*.log" >&2
    exit 2
fi

total=0
caught=0
for file in "${files[@]}"; do
    case $file in *_test.cpp) continue ;; esac
    while IFS=: read -r lines text; do
        total=$((total + 1))
        cp "$file" "$file.whole"
        sed -i "${lines}d" "$file"
        set +e
        build_and_test
        result=$?
        set -e
        mv "$file.whole" "$file"
        touch "$file" # the next build sees the whole file again
        case $result in
        1) caught=$((caught + 1)); verdict="caught" ;;
        2) verdict="does not build" ;;
        *) verdict="NOT CAUGHT" ;;
        esac
        printf '%-16s %s:%s %s\n' "$verdict" "$file" "${lines/,/-}" "$text"
    done < <(statements "$file")
done
echo "$caught of $total deletions make a test fail"
[ "$caught" -eq "$total" ]
