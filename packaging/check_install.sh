#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a user of the installed program
# would notice: the program finds its scanner library through its RUNPATH alone, the menu entry
# and AppStream data validate and point at installed files, the icons are there.
#
#   check_install.sh <build-dir> <libdir> <samples ON|OFF>
set -euo pipefail
build=$1 libdir=$2 samples=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache" HOME="$work/home"
prefix="$work/prefix"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    exit 1
}

# The library must be found through the RUNPATH, in the prefix, and not beside the program.
program="$prefix/bin/vocabrix"
[ -x "$program" ] || fail "no program at bin/vocabrix"
[ -x "$prefix/bin/dictconv" ] || fail "no dictconv at bin/dictconv"
[ -e "$prefix/bin/liblexscan.so" ] && fail "liblexscan.so installed beside the program"
runpath=$(readelf -d "$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ -n "$runpath" ] || fail "the installed program has no RUNPATH"
case ":$runpath:" in
*::*) fail "RUNPATH $runpath has an empty entry, which searches the current folder" ;;
esac
found=
IFS=: read -r -a entries <<<"$runpath"
for entry in "${entries[@]}"; do
    case "$entry" in
    '$ORIGIN'*) ;;
    *) fail "RUNPATH entry $entry does not follow the program when it moves" ;;
    esac
    dir=${entry/\$ORIGIN/$prefix/bin}
    [ -z "$found" ] && [ -e "$dir/liblexscan.so" ] && found=$(realpath "$dir/liblexscan.so")
done
if [ -z "$found" ]; then
    fail "RUNPATH $runpath does not lead to liblexscan.so"
else
    [ "$found" = "$(realpath "$prefix/$libdir/vocabrix/liblexscan.so")" ] ||
        fail "RUNPATH leads to $found, not the private library folder"
    nm -D --defined-only "$found" | grep -qw MYFUNC || fail "$found does not export MYFUNC"
fi

# The installed program answers on a terminal without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version 2>&1) ||
    fail "vocabrix --version failed: $version"
grep -qx 'vocabrix [0-9.]*' <<<"$version" || fail "vocabrix --version printed: $version"

# The menu entry: valid, and everything it names is installed.
entry="$prefix/share/applications/vocabrix.desktop"
if [ ! -f "$entry" ]; then
    fail "no menu entry"
else
    if command -v desktop-file-validate >/dev/null; then
        out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
        grep -E '(error|warning):' <<<"$out" && fail "desktop-file-validate warns"
    fi
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    exec_name=${exec_line%% *}
    [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_line is not an installed program"
    # A file opened from the file manager or dropped on the entry comes as the one argument.
    [ "$exec_line" = "vocabrix %f" ] || fail "Exec=$exec_line does not pass a file"
    grep -q '^MimeType=' "$entry" && fail "the menu entry claims file types"
    start=$(sed -n 's/^Path=//p' "$entry")
    [ "$start" = "$prefix/share/vocabrix/dictionaries" ] ||
        fail "Path=$start is not the installed samples folder"
    if [ "$samples" = ON ]; then
        for f in italiano_inglese.txt inglese_italiano.txt; do
            [ -s "$start/$f" ] || fail "no sample dictionary $f in $start"
        done
    fi
fi

# The menu icon at every size a desktop asks for, and scalable.
icon=$(sed -n 's/^Icon=//p' "$entry" 2>/dev/null || true)
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    if [ ! -f "$png" ]; then
        fail "no ${size}px icon $icon.png"
    else
        # PNG width and height are the big-endian words at bytes 16 and 20.
        read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
            awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
        [ "$w.$h" = "$size.$size" ] || fail "the ${size}px icon is ${w}x$h"
    fi
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"

# The AppStream data validates and names the menu entry.
metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | head -n 1)
if [ -z "$metainfo" ]; then
    fail "no AppStream metainfo"
else
    grep -q '<launchable type="desktop-id">vocabrix.desktop</launchable>' "$metainfo" ||
        fail "the metainfo does not name vocabrix.desktop"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
            cat "$work/appstream.log" >&2
            fail "appstreamcli validate"
        }
    fi
fi

for page in vocabrix dictconv; do
    [ -f "$prefix/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures problems in the installed tree" >&2
    exit 1
fi
echo "installed tree in order"
