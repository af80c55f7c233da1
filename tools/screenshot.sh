#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshot of the main window after a search of "casa" in the Italian-English sample, taken on
# a virtual X server the way a user gets there: File > Open dictionary, the file's name in the
# dialog, the word, Enter. Needs the Debian packages xvfb, xdotool and imagemagick.
#
#   tools/screenshot.sh [program] [start-folder] [out.png] [scale]
#
# Defaults: build/bin/vocabrix started in build/packaging/dictionaries, docs/main-window.png,
# scale 1 (QT_SCALE_FACTOR). The program starts in start-folder, where the open dialog begins.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$top/build/bin/vocabrix}")
folder=${2:-$top/build/packaging/dictionaries}
out=$(realpath -m "${3:-$top/docs/main-window.png}")
scale=${4:-1}
word=casa

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || {
        echo "screenshot.sh: $tool is missing (apt-get install xvfb xdotool imagemagick)" >&2
        exit 1
    }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# The program's exchange file goes to a folder of this run, in English, at the chosen scale.
export XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LANG=C.UTF-8
(cd "$folder" && exec "$program") >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Vocabrix' | head -n 1)
sleep 1

# Points are in the window's own pixels at scale 1.
click() {
    xdotool mousemove --window "$window" "$(awk -v v="$1" -v s="$scale" 'BEGIN{print int(v*s)}')" \
        "$(awk -v v="$2" -v s="$scale" 'BEGIN{print int(v*s)}')" click 1
    sleep 0.5
}
click 18 10 # File
xdotool key Down Return
sleep 1.5
xdotool type --delay 20 italiano_inglese.txt
xdotool key Return
sleep 1.5
# No click: the query box has the focus once the dictionary is chosen.
xdotool type --delay 20 "$word"
xdotool key Return
sleep 2

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
# The scanner's results for the word are in the exchange file: show their first line.
grep -m 1 -i "^$word\b" "$XDG_CACHE_HOME/vocabrix/zzz.log" || {
    echo "screenshot.sh: no result for $word in the exchange file" >&2
    exit 1
}
echo "Wrote $out"
