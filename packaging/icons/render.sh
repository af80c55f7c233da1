#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the menu icon at every installed size, and the window pictures' @2x twins, from the
# SVG drawings. Run it after changing a drawing and commit the PNGs (needs librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
art="$here/../../frontend/resources/art"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$art/book.svg" -o "$here/vocabrix-$size.png"
done
for picture in book puntina puntina_ok; do
    rsvg-convert -z 2 "$art/$picture.svg" -o "$here/../../frontend/resources/$picture@2x.png"
done
